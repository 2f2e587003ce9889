#pragma once

#include "textrowdelegate.h"

// Shows TAB characters as blanks up to the next stop every 8 character cells, as the property
// sheet's fixed-width layout needs. Only the drawing changes: the item keeps its TABs, so the
// export and the clipboard get the line as built.
class TabExpandingDelegate : public TextRowDelegate
{
    Q_OBJECT

public:
    using TextRowDelegate::TextRowDelegate;

    static QString expandTabs(const QString &text, int tabSize = 8);

    QString displayText(const QVariant &value, const QLocale &locale) const override;
};
