#pragma once

// The plot's surface drawn by QCustomPlot: the plugin's canvas, and the tests' through their
// platform.

#include "plot/plotcanvas.h"

#include <QPen>
#include <QPointer>

class QCPGraph;
class QCPScatterStyle;
class QCustomPlot;

class CustomPlotCanvas : public PlotCanvas
{
public:
    explicit CustomPlotCanvas(QWidget *parent);

    QWidget *widget() override;
    void setAxes(const Axis &x, const Axis &y) override;
    void setPoints(const std::vector<Point> &points, bool joined,
                   const std::vector<double> &dividers) override;
    void setMark(std::optional<QPointF> at) override;
    void setScale(const QFont &font, double scale) override;
    void replot() override;
    QPointF pixelAt(QPointF values) const override;
    void draw(QPaintDevice &device, QSize size) override;

private:
    QPen joiningPen() const;
    QPen dividerPen() const;
    QCPScatterStyle pointStyle(const QColor &colour) const;
    QCPScatterStyle markStyle() const;

    // Owned by its parent widget, which may go first.
    QPointer<QCustomPlot> m_plot;
    QCPGraph *m_lineGraph = nullptr;
    QCPGraph *m_markGraph = nullptr;
    double m_scale = 1;
};
