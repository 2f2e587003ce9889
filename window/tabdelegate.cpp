#include "tabdelegate.h"

QString TabExpandingDelegate::expandTabs(const QString &text, int tabSize)
{
    QString expanded;
    expanded.reserve(text.size() + qsizetype(3) * tabSize);
    for (const QChar c : text) {
        if (c == QLatin1Char('\t')) {
            expanded.append(QString(tabSize - expanded.size() % tabSize, QLatin1Char(' ')));
        } else {
            expanded.append(c);
        }
    }
    return expanded;
}

QString TabExpandingDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    return expandTabs(TextRowDelegate::displayText(value, locale));
}
