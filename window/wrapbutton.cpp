#include "wrapbutton.h"

#include "window/captionfit.h"

#include <algorithm>

#include <QStyleOptionButton>
#include <QStylePainter>

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(captionFont());
    painter.drawText(captionBox(), Qt::AlignCenter | Qt::TextWordWrap, keepUnitsWhole(text()));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

QString WrapButton::keepUnitsWhole(const QString &caption)
{
    constexpr QChar WordJoiner(0x2060);
    QString drawn;
    drawn.reserve(2 * caption.size());
    bool inBrackets = false;
    for (const QChar c : caption) {
        if (inBrackets && c != QLatin1Char(']')) {
            drawn.append(WordJoiner);
        }
        drawn.append(c);
        if (c == QLatin1Char('[')) {
            inBrackets = true;
        } else if (c == QLatin1Char(']')) {
            inBrackets = false;
        }
    }
    return drawn;
}

QRect WrapButton::captionBox() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
            .adjusted(1, 0, -1, 0);
}

QFont WrapButton::captionFont() const
{
    const QRect box = captionBox();
    const QString drawn = keepUnitsWhole(text());
    QFont font = this->font();
    // The floor scales with the font, as the window's scale does.
    const double floor = CaptionFit::FloorPoints * font.pointSizeF() / 8;
    while (font.pointSizeF() > floor) {
        const QRect needed =
                QFontMetrics(font).boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, drawn);
        if (needed.width() <= box.width() && needed.height() <= box.height()) {
            break;
        }
        font.setPointSizeF(std::max(floor, font.pointSizeF() - 0.5));
    }
    return font;
}
