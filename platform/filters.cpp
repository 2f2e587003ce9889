#include "filters.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace Filters {

QString endingOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

QString withEnding(const QString &path, const QString &filter)
{
    const QString ending = endingOf(filter);
    if (ending.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QLatin1Char('.') + ending;
}

} // namespace Filters
