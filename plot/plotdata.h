#pragma once

// What a plot of one property against another shows: the elements with both values known, in
// atomic-number order, with their values as the window shows them (temperatures in the scale in
// force). Plain C++: the plot draws what this works out.

#include "data/temperature.h"

#include <array>
#include <vector>

namespace PlotData {

struct Points
{
    int x = 0; // the property along the horizontal axis
    int y = 0; // and up the vertical one
    std::vector<int> elements; // in atomic-number order
    std::vector<double> xs;
    std::vector<double> ys;
    int leftOut = 0; // the elements that lack either value
};

// Every element whose values of y and x are both known (never a "--" as 0).
Points points(int y, int x, Module1::TemperatureScale scale);

// Whether a logarithmic axis can show every value: all are above zero.
bool allPositive(const std::vector<double> &values);

// The position of the highest y, the first of equal ones; -1 when there are no points.
int highest(const Points &points);

// The last element of each period but the seventh: against atomic number the plot marks where
// the next period begins.
constexpr std::array<int, 6> PeriodEnds{2, 10, 18, 36, 54, 86};

} // namespace PlotData
