#include "clipboardtext.h"

QString clipboardText(const QStringList &lines)
{
    if (lines.isEmpty()) {
        return {};
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString clipboardRow(const QStringList &cells)
{
    return clipboardText({cells.join(QLatin1Char('\t'))});
}
