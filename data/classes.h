#pragma once

// What the chart knows of each element beyond its properties: its class, and the other names
// by which people look it up.

#include <array>
#include <string_view>

namespace Module1 {

// The classes the chart colours, in the order of the legend's swatches.
enum class ElementClass { Metal, Metalloid, NonMetal };
constexpr int ClassCount = 3;

// Every element not listed here is a metal. The lists are in the order the tiles are coloured.
constexpr std::array<int, 7> Metalloids{5, 14, 32, 33, 51, 52, 85};
constexpr std::array<int, 17> NonMetals{1,  2,  6,  7,  8,  9,  10, 15, 16,
                                        17, 18, 34, 35, 36, 53, 54, 86};

ElementClass elementClass(int i);

// The element that an upper-cased answer names by another common or current name (TUNGSTEN,
// ALUMINIUM, CAESIUM, SULPHUR, and the current names and symbols of 104 to 109), or 0. Only a
// whole answer counts.
int otherNameElement(std::string_view upperAnswer);

} // namespace Module1
