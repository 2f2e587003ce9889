#include "gridlayout.h"

#include "data/Module1.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace GridLayout {

namespace {

const TileRun &runOf(int i)
{
    for (const TileRun &run : tileRuns) {
        if (i >= run.first && i <= run.last) {
            return run;
        }
    }
    throw std::out_of_range("no tile for element " + std::to_string(i));
}

} // namespace

double columnLeft(int k, double tileWidth)
{
    return k * tileWidth * 1.1;
}

double rowTop(int r, double tileHeight)
{
    return r * tileHeight * 1.1;
}

Position tilePosition(int i, double W, double H)
{
    const TileRun &run = runOf(i);
    const double left = columnLeft(run.column + i - run.first, W);
    // The detached rows start one tile width left of column 4, so their first tile sits just
    // right of column 3, below the two elements (57, 89) that stand for them in the body.
    switch (run.row) {
    case Lanthanides:
        return {left - W, rowTop(7, H) + 1.5 * H};
    case Actinides:
        return {left - W, rowTop(7, H) + 2.5 * H + 50};
    default:
        return {left, rowTop(run.row, H)};
    }
}

ColumnView columnView(double templateLeft, double templateWidth)
{
    ColumnView view{};
    view.listWidth = 1700;
    view.listLeft[0] = templateLeft + templateWidth;
    view.headerLeft[0] = view.listLeft[0];
    view.headerWidth[0] = view.listWidth - 300;
    for (std::size_t i = 1; i < view.listLeft.size(); ++i) {
        // Each list overlaps the one before by 300 twips, hiding its neighbour's edge.
        view.listLeft[i] = view.listLeft[i - 1] + view.listWidth - 300;
        view.headerWidth[i] = view.listLeft[i] - view.listLeft[i - 1];
        view.headerLeft[i] = view.listLeft[i];
    }
    view.hScrollLeft = view.listLeft[0];
    view.hScrollWidth = view.listLeft.back() - view.listLeft[0] + view.listWidth;
    view.vScrollLeft = view.listLeft.back() + view.listWidth - 300;
    return view;
}

int neighbour(int i, Direction direction, double W, double H)
{
    const Position from = tilePosition(i, W, H);
    const bool alongRow = direction == Direction::Left || direction == Direction::Right;
    const int sign = direction == Direction::Right || direction == Direction::Down ? 1 : -1;
    int best = i;
    double bestDistance = 0;
    for (int j = 1; j <= Module1::ElemCount; ++j) {
        const Position to = tilePosition(j, W, H);
        const double along = alongRow ? to.left - from.left : to.top - from.top;
        const double across = alongRow ? to.top - from.top : to.left - from.left;
        const double tolerance = alongRow ? H / 2 : W / 2;
        if (j == i || along * sign <= 0 || std::abs(across) >= tolerance) {
            continue;
        }
        if (best == i || std::abs(along) < bestDistance) {
            best = j;
            bestDistance = std::abs(along);
        }
    }
    return best;
}

} // namespace GridLayout
