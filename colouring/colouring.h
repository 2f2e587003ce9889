#pragma once

// Colouring the chart by a numeric property (where each element's value lies between the lowest
// and the highest known value, the colour of the scale there, and what the legend says about it)
// or by the state of matter at a temperature. Plain C++, no widgets: the window shows what this
// works out.

#include "data/Module1.h"
#include "data/bgr.h"

#include <array>
#include <optional>

namespace Colouring {

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

// A colour for each tile, by element number; entry 0 unused.
using TileColours = std::array<Bgr, Module1::ElemCount + 1>;

// The chart coloured by property p.
struct PropertyColours
{
    int property = 0;
    bool logarithmic = false; // false whenever the property does not allow it
    TileColours tiles{};
    // The ends of the legend's bar: the element of the lowest and of the highest known value
    // (the first of equal values), 0 when no value is known.
    int lowest = 0;
    int highest = 0;
};

// Colours every element by property p (1..22), on a logarithmic scale when asked and possible;
// std::out_of_range for any other property number.
PropertyColours byProperty(int p, bool logarithmic);

// The state of matter, in the order of the legend.
enum class State { Solid, Liquid, Gas, Unknown };
constexpr int StateCount = 4;

// The legend's swatch of each state, in the order of State: the dark blue of Tol's high-contrast
// scheme, the sky blue and the yellow of Okabe and Ito's, lighter as the state is less dense and
// told apart under the common colour-vision deficiencies; and the grey of missing values.
constexpr std::array<Bgr, StateCount> StateSwatches{0x00884400, 0x00E9B456, 0x0042E4F0, NoData};

// The state at celsius degrees from the melting point m and the boiling point b (in degrees
// Celsius): solid below m, liquid from m up to b, gas from b on. A boiling point below the
// melting point (arsenic sublimes) leaves no liquid. Where a point is missing, what the other
// one decides: solid below a known m, gas from a known b; else Unknown.
State stateAt(std::optional<double> m, std::optional<double> b, double celsius);

// Element i's state at celsius degrees, from its stored melting and boiling points.
State stateOf(int i, double celsius);

// The chart coloured by the state of matter at one temperature.
struct StateColours
{
    std::array<State, Module1::ElemCount + 1> states{}; // by element number; entry 0 unused
    TileColours tiles{};
};

StateColours byState(double celsius);

} // namespace Colouring
