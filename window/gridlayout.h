#pragma once

#include "window/units.h"

#include <array>

// Where the chart puts things, in twips, as plain arithmetic on the template tile's size.
namespace GridLayout {

// Left edge of column k (1..18) and top of row r (1..10).
double columnLeft(int k, double tileWidth);
double rowTop(int r, double tileHeight);

// Position of the tile of element i (1..109) in the periodic arrangement.
struct Position
{
    double left;
    double top;
};
Position tilePosition(int i, double tileWidth, double tileHeight);

// The column view laid out from the template tile: six overlapping lists, their headers and the
// two scroll bars.
struct ColumnView
{
    std::array<double, 6> listLeft;
    double listWidth;
    std::array<double, 6> headerLeft;
    std::array<double, 6> headerWidth;
    double hScrollLeft;
    double hScrollWidth;
    double vScrollLeft;
};
ColumnView columnView(double templateLeft, double templateWidth);

// The tile that an arrow key moves to from tile i: left and right along its row, up and down
// within its column (the detached rows hang below column 3). i itself when there is none.
enum class Direction { Left, Right, Up, Down };
int neighbour(int i, Direction direction);

enum class ElementClass { Metal, Metalloid, NonMetal };
ElementClass elementClass(int i);

constexpr std::array<int, 7> metalloids{5, 14, 32, 33, 51, 52, 85};
constexpr std::array<int, 17> nonMetals{1,  2,  6,  7,  8,  9,  10, 15, 16,
                                        17, 18, 34, 35, 36, 53, 54, 86};

} // namespace GridLayout
