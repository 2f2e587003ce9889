#include "textrowdelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace {

// The whole table across all properties has a few thousand distinct texts; the bound only
// guards against a model that never repeats itself.
constexpr qsizetype CacheLimit = 8192;

bool isPlainLine(const QStyleOptionViewItem &option)
{
    const auto extras = QStyleOptionViewItem::HasCheckIndicator
                        | QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::WrapText;
    return !(option.features & extras) && !option.text.contains(QLatin1Char('\n'));
}

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem &option)
{
    if (!(option.state & QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return (option.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
}

void drawFocusFrame(QPainter *painter, const QStyleOptionViewItem &option, const QStyle *style)
{
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(option);
    frame.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &option, option.widget);
    frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const auto group =
            (option.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    const auto role =
            (option.state & QStyle::State_Selected) ? QPalette::Highlight : QPalette::Window;
    frame.backgroundColor = option.palette.color(group, role);
    painter->save();
    painter->setClipRect(option.rect);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, option.widget);
    painter->restore();
}

} // namespace

void TextRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    if (!isPlainLine(opt)) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return;
    }

    // Background and selection first, then the text, then the focus frame over it, in the
    // style's own order.
    QStyleOptionViewItem background = opt;
    background.text.clear();
    background.state &= ~QStyle::State_HasFocus;
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    // The same text box and placement as the style's own item text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    const auto role =
            (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(opt.palette.color(colorGroup(opt), role));
    painter->setFont(opt.font);
    painter->setClipRect(textRect, Qt::IntersectClip);
    drawText(painter, opt, textRect);
    painter->restore();

    if (opt.state & QStyle::State_HasFocus) {
        drawFocusFrame(painter, opt, style);
    }
}

void TextRowDelegate::drawText(QPainter *painter, const QStyleOptionViewItem &option,
                               const QRect &textRect) const
{
    const QStaticText &shown = laidOut(option, textRect.width());
    const QSize size = shown.size().toSize();
    const QRect placed =
            QStyle::alignedRect(option.direction, option.displayAlignment, size, textRect);
    painter->drawStaticText(placed.topLeft(), shown);
}

const QStaticText &TextRowDelegate::laidOut(const QStyleOptionViewItem &option, int width) const
{
    const QString &text = option.text;
    const QFont &font = option.font;
    if (font != m_cacheFont || width != m_cacheWidth || option.textElideMode != m_cacheElideMode
        || m_cache.size() >= CacheLimit) {
        m_cache.clear();
        m_cacheFont = font;
        m_cacheWidth = width;
        m_cacheElideMode = option.textElideMode;
    }
    auto found = m_cache.constFind(text);
    if (found != m_cache.constEnd()) {
        return *found;
    }
    const QFontMetrics metrics(font);
    QStaticText laid(metrics.elidedText(text, option.textElideMode, width));
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);
    return *m_cache.insert(text, laid);
}
