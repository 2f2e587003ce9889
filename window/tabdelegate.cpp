#include "tabdelegate.h"

#include "window/sheetline.h"

#include <QFontMetrics>
#include <QPainter>

QString TabExpandingDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    return SheetLine::expandTabs(TextRowDelegate::displayText(value, locale));
}

void TabExpandingDelegate::drawText(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QRect &textRect) const
{
    const QString line = option.index.data().toString();
    if (SheetLine::cells(line) == line.size() - line.count(QLatin1Char('\t'))) {
        // One cell a character: the expanded text lines up in the fixed-width font as it is.
        TextRowDelegate::drawText(painter, option, textRect);
        return;
    }
    const QFontMetrics metrics(option.font);
    const QPoint baseline(textRect.left(), textRect.top()
                                                   + (textRect.height() - metrics.height()) / 2
                                                   + metrics.ascent());
    SheetLine::draw(*painter, baseline, line, option.font);
}
