#include "wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                                   .adjusted(1, 0, -1, 0);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, keepUnitsWhole(text()));
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
