#include "zoomsteps.h"

namespace ZoomSteps {

namespace {

// Scales of a window resized to a step come back within a pixel of it.
constexpr double Near = 0.01;

} // namespace

double next(double scale, int direction)
{
    if (direction > 0) {
        for (const double step : Steps) {
            if (step > scale + Near) {
                return step;
            }
        }
        return Steps.back();
    }
    for (auto step = Steps.rbegin(); step != Steps.rend(); ++step) {
        if (*step < scale - Near) {
            return *step;
        }
    }
    return Steps.front();
}

double fitting(double wanted, QSize design, QSize room)
{
    double best = Steps.front();
    for (const double step : Steps) {
        const QSize needed = (QSizeF(design) * step).toSize();
        if (step <= wanted + Near && needed.width() <= room.width()
            && needed.height() <= room.height()) {
            best = step;
        }
    }
    return best;
}

} // namespace ZoomSteps
