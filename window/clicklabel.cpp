#include "clicklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

// Screen readers hear a tile or the "Export" link as a button named by its caption, unless
// the window gave it a fuller name, and can press it.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    { }

    QString text(QAccessible::Text kind) const override
    {
        QString spoken = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && spoken.isEmpty()) {
            spoken = label()->text();
        }
        return spoken;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            label()->click();
        }
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType()) {
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    }
    return nullptr;
}

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent)
    : ClickLabel(QString(), parent)
{ }

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    installAccessibleFactory();
}

void ClickLabel::setText(const QString &text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void ClickLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void ClickLabel::click()
{
    emit clicked();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit arrowPressed(static_cast<Qt::Key>(event->key()));
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // As a label draws its plain text: aligned in the whole widget, in the text colour.
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), m_alignment);
    style()->drawItemText(&painter, rect(), int(aligned), palette(), isEnabled(), m_text,
                          foregroundRole());
    if (hasFocus() && m_focusFrameShown) {
        // A frame in the text colour, two pixels wide, so the focus is plain on every tile colour.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}
