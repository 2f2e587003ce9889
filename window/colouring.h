#pragma once

// Colouring the chart by a numeric property: where each element's value lies between the
// lowest and the highest known value, the colour of the scale there, and what the legend says
// about it. Plain C++, no widgets: the window shows what this works out.

#include "data/Module1.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace Colouring {

using Bgr = std::uint32_t; // 0x00BBGGRR, as every colour of the program

// The scale runs viridis from its light end (the lowest value) to its dark end (the highest).
constexpr int ScaleSteps = 256;
extern const std::array<Bgr, ScaleSteps> Viridis; // dark end first (window/viridis.cpp)

// Step 0 is the lightest colour, ScaleSteps - 1 the darkest; steps outside are clamped.
Bgr scaleColour(int step);

// A missing value is a neutral grey, far from every colour of the scale, so that it never
// reads as a low value.
constexpr Bgr NoData = 0x00B4B4B4;

// Captions on a coloured tile: the design's dark text or white, whichever contrasts more.
constexpr Bgr DarkCaption = 0x00000000;
constexpr Bgr LightCaption = 0x00FFFFFF;
Bgr captionColour(Bgr background);

// The contrast ratio of two colours as the web's accessibility guidelines define it: 1 to 21.
double contrast(Bgr a, Bgr b);

// Element i's value of property p, or nothing for "--", the empty text and any other text that
// does not start with a number.
std::optional<double> knownValue(int i, int p);

// Whether property p can be shown on a logarithmic scale: all its known values are positive.
bool logarithmicPossible(int p);

// The chart coloured by property p.
struct PropertyColours
{
    int property = 0;
    bool logarithmic = false; // false whenever the property does not allow it
    std::array<Bgr, Module1::ElemCount + 1> tiles{}; // by element number; entry 0 unused
    // The ends of the legend's bar: the lowest and the highest known value as stored, each
    // followed by the property's unit suffix. Empty when no value is known.
    std::string lowest;
    std::string highest;
};

// Colours every element by property p (1..22), on a logarithmic scale when asked and possible;
// std::out_of_range for any other property number.
PropertyColours byProperty(int p, bool logarithmic);

} // namespace Colouring
