#include "colouring.h"

#include <algorithm>
#include <cmath>

namespace Colouring {

namespace {

// The relative luminance of a colour: each sRGB channel made linear, then weighted.
double luminance(Bgr colour)
{
    const auto linear = [colour](int shift) {
        const double c = static_cast<double>((colour >> shift) & 0xFF) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(0) + 0.7152 * linear(8) + 0.0722 * linear(16);
}

// Where v lies between low and high, 0 to 1; 0 when all known values are one.
double position(double v, double low, double high, bool logarithmic)
{
    if (logarithmic) {
        v = std::log(v);
        low = std::log(low);
        high = std::log(high);
    }
    if (!(high > low)) {
        return 0.0;
    }
    const double at = (v - low) / (high - low);
    return std::isfinite(at) ? std::clamp(at, 0.0, 1.0) : 0.0;
}

} // namespace

Bgr scaleColour(int step)
{
    const int clamped = std::clamp(step, 0, ScaleSteps - 1);
    return Viridis[static_cast<std::size_t>(ScaleSteps - 1 - clamped)];
}

double contrast(Bgr a, Bgr b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Bgr captionColour(Bgr background)
{
    return contrast(background, LightCaption) > contrast(background, DarkCaption) ? LightCaption
                                                                                  : DarkCaption;
}

std::optional<double> knownValue(int i, int p)
{
    return Module1::leadingNumber(Module1::ElemData[i][p]);
}

bool logarithmicPossible(int p)
{
    bool anyKnown = false;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (const std::optional<double> v = knownValue(i, p)) {
            if (*v <= 0) {
                return false;
            }
            anyKnown = true;
        }
    }
    return anyKnown;
}

PropertyColours byProperty(int p, bool logarithmic)
{
    PropertyColours colours;
    colours.property = p;
    colours.logarithmic = logarithmic && logarithmicPossible(p);
    std::array<std::optional<double>, Module1::ElemCount + 1> values;
    int lowest = 0;
    int highest = 0;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        values[static_cast<std::size_t>(i)] = knownValue(i, p);
        const std::optional<double> &v = values[static_cast<std::size_t>(i)];
        if (!v) {
            continue;
        }
        // Of equal values the first element's text stands for them in the legend.
        if (lowest == 0 || *v < *values[static_cast<std::size_t>(lowest)]) {
            lowest = i;
        }
        if (highest == 0 || *v > *values[static_cast<std::size_t>(highest)]) {
            highest = i;
        }
    }
    colours.tiles.fill(NoData);
    if (lowest == 0) {
        return colours;
    }
    const double low = *values[static_cast<std::size_t>(lowest)];
    const double high = *values[static_cast<std::size_t>(highest)];
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (const std::optional<double> &v = values[static_cast<std::size_t>(i)]) {
            const double at = position(*v, low, high, colours.logarithmic);
            colours.tiles[static_cast<std::size_t>(i)] =
                    scaleColour(static_cast<int>(std::lround(at * (ScaleSteps - 1))));
        }
    }
    colours.lowest = lowest;
    colours.highest = highest;
    return colours;
}

State stateAt(std::optional<double> m, std::optional<double> b, double celsius)
{
    if (b && celsius >= *b) {
        return State::Gas;
    }
    if (m && celsius < *m) {
        return State::Solid;
    }
    // From a known m up to a known b: liquid. (When b is below m, this range is empty.)
    return m && b ? State::Liquid : State::Unknown;
}

State stateOf(int i, double celsius)
{
    return stateAt(knownValue(i, Module1::MeltingPoint), knownValue(i, Module1::BoilingPoint),
                   celsius);
}

StateColours byState(double celsius)
{
    StateColours colours;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        const State state = stateOf(i, celsius);
        colours.states[static_cast<std::size_t>(i)] = state;
        colours.tiles[static_cast<std::size_t>(i)] = StateSwatches[static_cast<std::size_t>(state)];
    }
    return colours;
}

} // namespace Colouring
