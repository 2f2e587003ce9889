#pragma once

#include <array>

// Where the chart puts things, in twips, as plain arithmetic on the template tile's size.
namespace GridLayout {

// Left edge of column k (1..18) and top of row r (1..10).
double columnLeft(int k, double tileWidth);
double rowTop(int r, double tileHeight);

// The rows of the chart: the seven periods, then the two detached rows below them.
constexpr int Lanthanides = 8;
constexpr int Actinides = 9;

// A run of consecutive elements side by side in one row, from the column of its first element.
// The detached rows name column 4, the column whose elements they stand in for.
struct TileRun
{
    int first;
    int last;
    int row;
    int column;
};

// The chart, period by period: first, last, row, column.
// clang-format off
constexpr std::array<TileRun, 14> tileRuns{{
        {1, 1, 1, 1},     {2, 2, 1, 18},
        {3, 4, 2, 1},     {5, 10, 2, 13},
        {11, 12, 3, 1},   {13, 18, 3, 13},
        {19, 36, 4, 1},
        {37, 54, 5, 1},
        {55, 57, 6, 1},   {72, 86, 6, 4},
        {87, 89, 7, 1},   {104, 109, 7, 4},
        {58, 71, Lanthanides, 4},
        {90, 103, Actinides, 4},
}};
// clang-format on

// Position of the tile of element i (1..109) in the periodic arrangement; std::out_of_range
// for a number that has no tile.
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
int neighbour(int i, Direction direction, double tileWidth, double tileHeight);

} // namespace GridLayout
