#pragma once

#include <QSize>

#include <array>

// The steps of the window's zoom, by key and by wheel, as a factor of the design size.
namespace ZoomSteps {

constexpr std::array<double, 7> Steps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The next step from scale, in (direction > 0) or out (< 0): a scale between two steps goes to
// the one beyond it in that direction; the first and last steps stay where they are.
double next(double scale, int direction);

// The largest step, up to wanted, at which a window of design size times the step fits in
// room; the first step when none does.
double fitting(double wanted, QSize design, QSize room);

} // namespace ZoomSteps
