#include "plotdata.h"

#include "colouring/colouring.h"
#include "data/Module1.h"

#include <algorithm>

namespace PlotData {

namespace {

// A value as shown: a temperature in the scale in force, anything else as stored.
std::optional<double> shown(int i, int p, Module1::TemperatureScale scale)
{
    const std::optional<double> value = Colouring::knownValue(i, p);
    if (value && Module1::isTemperature(p)) {
        return Module1::fromCelsius(*value, scale);
    }
    return value;
}

} // namespace

Points points(int y, int x, Module1::TemperatureScale scale)
{
    Points found;
    found.x = x;
    found.y = y;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        const std::optional<double> atX = shown(i, x, scale);
        const std::optional<double> atY = shown(i, y, scale);
        if (!atX || !atY) {
            ++found.leftOut;
            continue;
        }
        found.elements.push_back(i);
        found.xs.push_back(*atX);
        found.ys.push_back(*atY);
    }
    return found;
}

bool allPositive(const std::vector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return v > 0; });
}

int highest(const Points &points)
{
    if (points.ys.empty()) {
        return -1;
    }
    return static_cast<int>(std::max_element(points.ys.begin(), points.ys.end())
                            - points.ys.begin());
}

} // namespace PlotData
