#include "customplotcanvas.h"

#include <QHash>

#include <qcustomplot.h>

namespace {

// The plot's own colours: it draws on white, as a page does, in every desktop theme.
const QColor Ink(0x20, 0x20, 0x20);
const QColor Joining(0x90, 0x90, 0x90);
const QColor Divider(0xB0, 0xB0, 0xB0);
const QColor Mark(0xD0, 0x00, 0x00);

constexpr double PointSize = 7;
constexpr double MarkSize = 15;

} // namespace

CustomPlotCanvas::CustomPlotCanvas(QWidget *parent)
    : m_plot(new QCustomPlot(parent))
{
    m_plot->setBackground(Qt::white);
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setBasePen(QPen(Ink));
        axis->setTickPen(QPen(Ink));
        axis->setSubTickPen(QPen(Ink));
        axis->setLabelColor(Ink);
        axis->setTickLabelColor(Ink);
    }
}

QWidget *CustomPlotCanvas::widget()
{
    return m_plot;
}

void CustomPlotCanvas::setAxes(const Axis &x, const Axis &y)
{
    for (const auto &[axis, wanted] :
         {std::pair{m_plot->xAxis, &x}, std::pair{m_plot->yAxis, &y}}) {
        axis->setScaleType(wanted->logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
        axis->setTicker(wanted->logarithmic ? QSharedPointer<QCPAxisTicker>(new QCPAxisTickerLog)
                                            : QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        axis->setLabel(wanted->label);
        axis->setRange(wanted->low, wanted->high);
    }
}

void CustomPlotCanvas::setPoints(const std::vector<Point> &points, bool joined,
                                 const std::vector<double> &dividers)
{
    m_plot->clearGraphs();
    m_plot->clearItems();
    if (joined) {
        QVector<double> xs;
        QVector<double> ys;
        for (const Point &point : points) {
            xs << point.x;
            ys << point.y;
        }
        m_lineGraph = m_plot->addGraph();
        m_lineGraph->setPen(joiningPen());
        m_lineGraph->setData(xs, ys, true);
    } else {
        m_lineGraph = nullptr;
    }
    for (const double x : dividers) {
        auto *line = new QCPItemStraightLine(m_plot);
        line->setPen(dividerPen());
        line->point1->setCoords(x, 1);
        line->point2->setCoords(x, 2);
    }
    // One graph per colour.
    QHash<QRgb, QCPGraph *> byColour;
    for (const Point &point : points) {
        QCPGraph *&graph = byColour[point.colour.rgb()];
        if (!graph) {
            graph = m_plot->addGraph();
            graph->setLineStyle(QCPGraph::lsNone);
            graph->setScatterStyle(pointStyle(point.colour));
        }
        graph->addData(point.x, point.y);
    }
    m_markGraph = m_plot->addGraph();
    m_markGraph->setLineStyle(QCPGraph::lsNone);
    m_markGraph->setScatterStyle(markStyle());
}

void CustomPlotCanvas::setMark(std::optional<QPointF> at)
{
    if (!m_markGraph) {
        return;
    }
    m_markGraph->data()->clear();
    if (at) {
        m_markGraph->addData(at->x(), at->y());
    }
}

void CustomPlotCanvas::setScale(const QFont &font, double scale)
{
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setLabelFont(font);
        axis->setTickLabelFont(font);
    }
    if (scale == m_scale) {
        return;
    }
    m_scale = scale;
    // What is plotted already, drawn at the new size.
    for (int i = 0; i < m_plot->graphCount(); ++i) {
        QCPGraph *graph = m_plot->graph(i);
        if (graph == m_lineGraph) {
            graph->setPen(joiningPen());
        } else if (graph == m_markGraph) {
            graph->setScatterStyle(markStyle());
        } else {
            graph->setScatterStyle(pointStyle(graph->scatterStyle().brush().color()));
        }
    }
    for (int i = 0; i < m_plot->itemCount(); ++i) {
        if (auto *divider = qobject_cast<QCPItemStraightLine *>(m_plot->item(i))) {
            divider->setPen(dividerPen());
        }
    }
    m_plot->replot(QCustomPlot::rpQueuedReplot);
}

QPen CustomPlotCanvas::joiningPen() const
{
    return QPen(Joining, m_scale);
}

QPen CustomPlotCanvas::dividerPen() const
{
    return QPen(Divider, m_scale, Qt::DashLine);
}

QCPScatterStyle CustomPlotCanvas::pointStyle(const QColor &colour) const
{
    // A dark rim, so that the lightest colours stand out on white.
    return QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Ink, m_scale), colour,
                           PointSize * m_scale);
}

QCPScatterStyle CustomPlotCanvas::markStyle() const
{
    return QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Mark, 2 * m_scale), Qt::NoBrush,
                           MarkSize * m_scale);
}

void CustomPlotCanvas::replot()
{
    m_plot->replot();
}

QPointF CustomPlotCanvas::pixelAt(QPointF values) const
{
    return {m_plot->xAxis->coordToPixel(values.x()), m_plot->yAxis->coordToPixel(values.y())};
}

void CustomPlotCanvas::draw(QPaintDevice &device, QSize size)
{
    // QCustomPlot draws only through a painter of its own.
    QCPPainter painter(&device);
    m_plot->toPainter(&painter, size.width(), size.height());
}
