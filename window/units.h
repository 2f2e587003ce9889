#pragma once

#include "data/bgr.h"
#include "data/classes.h"

#include <QColor>
#include <QRect>

#include <array>
#include <cmath>

// The layout is written in twips (15 to the logical pixel) and the colours as 0x00BBGGRR, so
// that every figure stays readable beside the design it comes from.

constexpr int twips(double t)
{
    const double pixels = t / 15.0;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

struct TwipsRect
{
    double left;
    double top;
    double width;
    double height;

    QRect toPixels() const { return QRect(twips(left), twips(top), twips(width), twips(height)); }
};

inline QColor fromBgr(Bgr bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline Bgr toBgr(const QColor &color)
{
    return static_cast<Bgr>(color.red()) | (static_cast<Bgr>(color.green()) << 8)
           | (static_cast<Bgr>(color.blue()) << 16);
}

namespace Colors {
constexpr Bgr WindowBack = 0x00C0C0C0;
constexpr Bgr Metal = 0x00C0E0FF;
constexpr Bgr Metalloid = 0x00FFC0C0;
constexpr Bgr NonMetal = 0x00C0FFFF;
constexpr Bgr GroupNumberBack = 0x008080FF;
constexpr Bgr GroupNumberFore = 0x00C00000;
constexpr Bgr ExportFore = 0x00FF0000;
constexpr Bgr FirstColumnBack = 0x00E0E0E0;
constexpr Bgr OtherColumnBack = 0x00C0FFFF;
constexpr Bgr SheetBack = 0x00FFFFFF;
constexpr Bgr FoundMark = 0x000000FF; // pure red
// The text on the chart's own surfaces: the window text of the light desktop the design was
// drawn for, black.
constexpr Bgr DesignText = 0x00000000;

// The legend's swatch of each class, in the order of Module1::ElementClass; the tiles take
// their colour from the swatch of their class.
constexpr std::array<Bgr, Module1::ClassCount> ClassSwatches{Metal, Metalloid, NonMetal};
} // namespace Colors
