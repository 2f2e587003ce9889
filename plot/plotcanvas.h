#pragma once

// The surface a plot is drawn on, as the plotting library provides it: axes, points, a mark and
// dashed dividers, nothing of the elements. The library lives in a plugin that the window loads
// the first time it shows a plot (see Platform::plotCanvas), so that no start pays for loading
// it; this is all the window knows of it.

#include <QColor>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QtPlugin>

#include <memory>
#include <optional>
#include <vector>

class QFont;
class QPaintDevice;
class QWidget;

class PlotCanvas
{
public:
    struct Axis
    {
        QString label;
        bool logarithmic = false;
        double low = 0;
        double high = 1;
    };
    struct Point
    {
        double x = 0;
        double y = 0;
        QColor colour;
    };

    virtual ~PlotCanvas() = default;

    // The widget the plot is drawn in, a child of the parent it was made for.
    virtual QWidget *widget() = 0;

    virtual void setAxes(const Axis &x, const Axis &y) = 0;
    // The points in their colours; joined in order by a line when joined, and a dashed upright
    // line at each of the dividers along the horizontal axis.
    virtual void setPoints(const std::vector<Point> &points, bool joined,
                           const std::vector<double> &dividers) = 0;
    // A ring around the point at these values, or none.
    virtual void setMark(std::optional<QPointF> at) = 0;
    // The axes' texts in this font, and the points, the lines and the mark at this many times
    // their design sizes, as the window has grown.
    virtual void setScale(const QFont &font, double scale) = 0;
    // Draws what was set; until then the widget shows what it showed.
    virtual void replot() = 0;

    // Where a point of these values stands in the widget, in its pixels.
    virtual QPointF pixelAt(QPointF values) const = 0;
    // The plot drawn onto another device at the given size, as it stands on screen.
    virtual void draw(QPaintDevice &device, QSize size) = 0;
};

// What the plugin offers: canvases.
class PlotCanvasFactory
{
public:
    virtual ~PlotCanvasFactory() = default;
    virtual std::unique_ptr<PlotCanvas> create(QWidget *parent) = 0;
};

#define PlotCanvasFactory_iid "io.github.morvik.PlotCanvasFactory/1.0"
Q_DECLARE_INTERFACE(PlotCanvasFactory, PlotCanvasFactory_iid)
