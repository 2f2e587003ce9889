#include "gridlayout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace GridLayout {

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
    const auto col = [W](int k) { return columnLeft(k, W); };
    const auto row = [H](int r) { return rowTop(r, H); };
    if (i == 1) {
        return {col(1), row(1)};
    }
    if (i == 2) {
        return {col(18), row(1)};
    }
    if (i <= 4) {
        return {col(i - 2), row(2)};
    }
    if (i <= 10) {
        return {col(i + 8), row(2)};
    }
    if (i <= 12) {
        return {col(i - 10), row(3)};
    }
    if (i <= 18) {
        return {col(i), row(3)};
    }
    if (i <= 36) {
        return {col(i - 18), row(4)};
    }
    if (i <= 54) {
        return {col(i - 36), row(5)};
    }
    if (i <= 57) {
        return {col(i - 54), row(6)};
    }
    if (i <= 71) {
        return {col(i - 54) - W, row(7) + 1.5 * H};
    }
    if (i <= 86) {
        return {col(i - 68), row(6)};
    }
    if (i <= 89) {
        return {col(i - 86), row(7)};
    }
    if (i <= 103) {
        return {col(i - 86) - W, row(7) + 2.5 * H + 50};
    }
    if (i <= 109) {
        return {col(i - 100), row(7)};
    }
    throw std::out_of_range("no tile for element " + std::to_string(i));
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

int neighbour(int i, Direction direction)
{
    constexpr double W = 450;
    constexpr double H = 300;
    constexpr int elementCount = 109;
    const Position from = tilePosition(i, W, H);
    const bool alongRow = direction == Direction::Left || direction == Direction::Right;
    const int sign = direction == Direction::Right || direction == Direction::Down ? 1 : -1;
    int best = i;
    double bestDistance = 0;
    for (int j = 1; j <= elementCount; ++j) {
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

ElementClass elementClass(int i)
{
    if (std::find(metalloids.begin(), metalloids.end(), i) != metalloids.end()) {
        return ElementClass::Metalloid;
    }
    if (std::find(nonMetals.begin(), nonMetals.end(), i) != nonMetals.end()) {
        return ElementClass::NonMetal;
    }
    return ElementClass::Metal;
}

} // namespace GridLayout
