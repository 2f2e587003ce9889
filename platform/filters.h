#pragma once

#include <QString>

// The file types a save dialog offers, as "PNG image (*.png)".
namespace Filters {

// The ending a filter stands for, "png"; empty for a filter without one.
QString endingOf(const QString &filter);

// The path with the filter's ending added where the name has none ("chart" under "PNG image
// (*.png)" is "chart.png"). A name with another ending keeps it: the file is still written as
// the chosen type says.
QString withEnding(const QString &path, const QString &filter);

} // namespace Filters
