#pragma once

#include "textrowdelegate.h"

// Shows the property sheet's lines laid out in cells as SheetLine lays them out: TABs to the
// next stop every 8 cells, the values in one column whatever the script of the labels. Only
// the drawing changes: the item keeps its TABs, so the export and the clipboard get the line
// as built.
class TabExpandingDelegate : public TextRowDelegate
{
    Q_OBJECT

public:
    using TextRowDelegate::TextRowDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override;

protected:
    void drawText(QPainter *painter, const QStyleOptionViewItem &option,
                  const QRect &textRect) const override;
};
