#include "trendplot.h"

#include "data/Module1.h"
#include "tools/chartimage.h"
#include "window/captionfit.h"
#include "window/design.h"
#include "window/parts.h"
#include "window/shown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolTip>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Module1::AtomicNumber;

// The plot's own colours: it draws on white, as a page does, in every desktop theme.
const QColor Ink(0x20, 0x20, 0x20);
const QColor Joining(0x90, 0x90, 0x90);
const QColor PeriodEnd(0xB0, 0xB0, 0xB0);
const QColor Mark(0xD0, 0x00, 0x00);

constexpr double PointSize = 7;
constexpr double MarkSize = 15;
// How near the pointer must come to a point to be over it, in pixels.
constexpr double Reach = 8;

// What the points stand for, as a screen reader and a tooltip say it: "26. Iron (Fe)".
// Below the plot's choices: how many elements it leaves out, lacking either value. The one
// element is its own text; every other count takes the language's plural forms.
QString leftOutText(int count)
{
    if (count == 0) {
        return {};
    }
    if (count == 1) {
        return TrendPlot::tr("1 element has no value");
    }
    //: Below the plot's choices: "12 elements have no value" (left out of the plot).
    return TrendPlot::tr("%n elements have no value", nullptr, count);
}

QString elementName(int i)
{
    return QCoreApplication::translate("Morvik", "%1. %2 (%3)")
            .arg(i)
            .arg(Shown::name(i), Shown::text(Module1::ElemData[i][Module1::Symbol]));
}

// A little room around the points, so that none sits on an axis.
QCPRange padded(QCPRange range, bool logarithmic)
{
    if (logarithmic) {
        return QCPRange(range.lower / 1.3, range.upper * 1.3);
    }
    const double margin = range.size() > 0 ? range.size() * 0.05 : 1;
    return QCPRange(range.lower - margin, range.upper + margin);
}

} // namespace

TrendPlot::TrendPlot(QWidget &window, Parts &parts, ColourOf colourOf)
    : QObject(&window)
    , m_window(window)
    , m_parts(parts)
    , m_colourOf(std::move(colourOf))
{
    cmdPlot = new QPushButton(&window);
    cmdPlot->setObjectName(QStringLiteral("cmdPlot"));
    m_parts.place(cmdPlot, Design::cmdPlot, Part::PlotSwitch);
    //: Button of the chart that shows a plot of a property across the elements (Ctrl+G).
    const QString plot = tr("Plot a trend");
    //: The same button while the plot shows: back to the chart (Ctrl+G).
    const QString chart = tr("Show the chart");
    cmdPlot->setText(plot);
    cmdPlot->setProperty("captions", QStringList{plot, chart});
    CaptionFit::fit(cmdPlot, {plot, chart}, CaptionFit::buttonRoom(cmdPlot));
    connect(cmdPlot, &QPushButton::clicked, this, [this] { cmdPlot_Click(); });
}

TrendPlot::~TrendPlot() = default;

void TrendPlot::cmdPlot_Click()
{
    emit switchRequested();
}

void TrendPlot::cboPlotY_Click()
{
    m_marked = -1;
    replot();
}

void TrendPlot::cboPlotX_Click()
{
    m_marked = -1;
    replot();
}

void TrendPlot::chkLogY_Click()
{
    setAxes();
    picPlot->replot();
}

void TrendPlot::chkLogX_Click()
{
    setAxes();
    picPlot->replot();
}

void TrendPlot::setShowing(bool showing)
{
    m_showing = showing;
    const QStringList captions = cmdPlot->property("captions").toStringList();
    cmdPlot->setText(captions.value(showing ? 1 : 0));
    if (showing) {
        if (!picPlot) {
            build();
        }
        replot();
    }
}

void TrendPlot::build()
{
    const auto label = [this](const char *name, const TwipsRect &rect, const QString &text,
                              Qt::Alignment alignment) {
        auto *caption = new QLabel(text, &m_window);
        caption->setObjectName(QLatin1String(name));
        m_parts.place(caption, rect, Part::Plot);
        caption->setAlignment(alignment | Qt::AlignVCenter);
        CaptionFit::fit(caption, {text}, caption->width(), m_parts.scale());
        return caption;
    };
    const auto choice = [this](const char *name, const TwipsRect &rect) {
        auto *box = new QComboBox(&m_window);
        box->setObjectName(QLatin1String(name));
        m_parts.place(box, rect, Part::Plot);
        return box;
    };
    const auto logBox = [this](const char *name, const TwipsRect &rect) {
        //: Beside a property of the plot: that axis logarithmic; room for 5 characters.
        auto *box = new QCheckBox(tr("Log"), &m_window);
        box->setObjectName(QLatin1String(name));
        m_parts.place(box, rect, Part::Plot);
        return box;
    };
    //: Caption of the property up the plot's vertical axis; room for about 6 characters.
    lblPlotY = label("lblPlotY", Design::lblPlotY, tr("Plot"), Qt::AlignLeft);
    cboPlotY = choice("cboPlotY", Design::cboPlotY);
    lblPlotY->setBuddy(cboPlotY);
    cboPlotY->setAccessibleName(lblPlotY->text());
    chkLogY = logBox("chkLogY", Design::chkLogY);
    //: Caption of the property along the plot's horizontal axis; room for about 9 characters.
    lblPlotX = label("lblPlotX", Design::lblPlotX, tr("against"), Qt::AlignRight);
    cboPlotX = choice("cboPlotX", Design::cboPlotX);
    lblPlotX->setBuddy(cboPlotX);
    cboPlotX->setAccessibleName(lblPlotX->text());
    chkLogX = logBox("chkLogX", Design::chkLogX);
    lblLeftOut = label("lblLeftOut", Design::lblLeftOut, QString(), Qt::AlignLeft);

    picPlot = new QCustomPlot(&m_window);
    picPlot->setObjectName(QStringLiteral("picPlot"));
    m_parts.place(picPlot, Design::picPlot, Part::Plot);
    picPlot->setBackground(Qt::white);
    picPlot->setFocusPolicy(Qt::StrongFocus);
    picPlot->setMouseTracking(true);
    //: What a screen reader calls the plot.
    picPlot->setAccessibleName(tr("Plot"));
    for (QCPAxis *axis : {picPlot->xAxis, picPlot->yAxis}) {
        axis->setBasePen(QPen(Ink));
        axis->setTickPen(QPen(Ink));
        axis->setSubTickPen(QPen(Ink));
        axis->setLabelColor(Ink);
        axis->setTickLabelColor(Ink);
    }
    picPlot->installEventFilter(this);
    fillChoices();
    scaleFonts();

    connect(cboPlotY, &QComboBox::currentIndexChanged, this, [this] { cboPlotY_Click(); });
    connect(cboPlotX, &QComboBox::currentIndexChanged, this, [this] { cboPlotX_Click(); });
    connect(chkLogY, &QCheckBox::clicked, this, [this] { chkLogY_Click(); });
    connect(chkLogX, &QCheckBox::clicked, this, [this] { chkLogX_Click(); });
    connect(picPlot, &QCustomPlot::mouseMove, this, [this](QMouseEvent *event) {
        const int at = pointAt(event->position());
        if (at < 0) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(event->globalPosition().toPoint(), pointText(at), picPlot);
        }
    });
    connect(picPlot, &QCustomPlot::mouseRelease, this, [this](QMouseEvent *event) {
        const int at = pointAt(event->position());
        if (event->button() == Qt::LeftButton && at >= 0) {
            markElement(m_points.elements[static_cast<std::size_t>(at)]);
            emit elementChosen(markedElement());
        }
    });
}

void TrendPlot::fillChoices()
{
    // The numeric properties, as "Colour by" offers them; the atomic number along the bottom.
    const QSignalBlocker quietY(cboPlotY);
    const QSignalBlocker quietX(cboPlotX);
    const int y =
            cboPlotY->count() ? cboPlotY->currentData().toInt() : Module1::IonizationPotential;
    const int x = cboPlotX->count() ? cboPlotX->currentData().toInt() : AtomicNumber;
    cboPlotY->clear();
    cboPlotX->clear();
    for (int p = 1; p <= Module1::PropCount; ++p) {
        if (Module1::propertyInfo(p).numeric) {
            cboPlotY->addItem(Shown::caption(p), p);
            cboPlotX->addItem(Shown::caption(p), p);
        }
    }
    cboPlotY->setCurrentIndex(cboPlotY->findData(y));
    cboPlotX->setCurrentIndex(cboPlotX->findData(x));
}

void TrendPlot::replot()
{
    if (!picPlot) {
        return;
    }
    fillChoices(); // their captions carry units, which follow the temperature scale
    m_points = PlotData::points(cboPlotY->currentData().toInt(), cboPlotX->currentData().toInt(),
                                Shown::temperatureScale());
    lblLeftOut->setText(leftOutText(m_points.leftOut));
    setAxes();
    plotPoints();
    picPlot->setAccessibleDescription(description());
    picPlot->replot();
}

void TrendPlot::recolour()
{
    // The tiles recolour one by one: the plot follows once they are all done.
    if (!picPlot || !m_showing || m_recolourPending) {
        return;
    }
    m_recolourPending = true;
    QMetaObject::invokeMethod(
            this,
            [this] {
                m_recolourPending = false;
                plotPoints();
                picPlot->replot();
            },
            Qt::QueuedConnection);
}

void TrendPlot::setAxes()
{
    // A logarithmic axis only where every value is above zero.
    const std::array<std::tuple<QCPAxis *, QCheckBox *, const std::vector<double> *, int>, 2> axes{
            {{picPlot->xAxis, chkLogX, &m_points.xs, m_points.x},
             {picPlot->yAxis, chkLogY, &m_points.ys, m_points.y}}};
    for (const auto &[axis, log, values, p] : axes) {
        const bool possible = !values->empty() && PlotData::allPositive(*values);
        log->setEnabled(possible);
        if (!possible) {
            log->setChecked(false);
        }
        const bool logarithmic = log->isChecked();
        axis->setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
        axis->setTicker(logarithmic ? QSharedPointer<QCPAxisTicker>(new QCPAxisTickerLog)
                                    : QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        axis->setLabel(Shown::caption(p));
        if (!values->empty()) {
            const auto [low, high] = std::minmax_element(values->begin(), values->end());
            axis->setRange(padded(QCPRange(*low, *high), logarithmic));
        }
    }
}

void TrendPlot::plotPoints()
{
    picPlot->clearGraphs();
    picPlot->clearItems();
    m_markGraph = nullptr;
    const bool againstNumber = m_points.x == AtomicNumber;
    if (againstNumber) {
        // The periodic law: the points joined in order, the periods' ends marked.
        QCPGraph *line = picPlot->addGraph();
        line->setPen(QPen(Joining, 1));
        line->setData(QVector<double>(m_points.xs.begin(), m_points.xs.end()),
                      QVector<double>(m_points.ys.begin(), m_points.ys.end()), true);
        plotPeriodEnds();
    }
    // One graph per colour: the points take their tiles' colours, with a dark rim so that the
    // lightest of them stands out on white.
    QHash<QRgb, QCPGraph *> byColour;
    for (std::size_t k = 0; k < m_points.elements.size(); ++k) {
        const QColor colour = m_colourOf(m_points.elements[k]);
        QCPGraph *&graph = byColour[colour.rgb()];
        if (!graph) {
            graph = picPlot->addGraph();
            graph->setLineStyle(QCPGraph::lsNone);
            graph->setScatterStyle(
                    QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Ink, 1), colour, PointSize));
        }
        graph->addData(m_points.xs[k], m_points.ys[k]);
    }
    m_markGraph = picPlot->addGraph();
    m_markGraph->setLineStyle(QCPGraph::lsNone);
    m_markGraph->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Mark, 2), Qt::NoBrush, MarkSize));
    if (m_marked >= 0 && m_marked < int(m_points.elements.size())) {
        const auto at = static_cast<std::size_t>(m_marked);
        m_markGraph->addData(m_points.xs[at], m_points.ys[at]);
    }
}

void TrendPlot::plotPeriodEnds()
{
    for (const int end : PlotData::PeriodEnds) {
        auto *line = new QCPItemStraightLine(picPlot);
        line->setPen(QPen(PeriodEnd, 1, Qt::DashLine));
        // Between the period's last element and the next one's first.
        line->point1->setCoords(end + 0.5, 1);
        line->point2->setCoords(end + 0.5, 2);
    }
}

void TrendPlot::scaleFonts()
{
    // The axes' texts in the window's font, which grows with the window.
    const QFont font = m_window.font();
    for (QCPAxis *axis : {picPlot->xAxis, picPlot->yAxis}) {
        axis->setLabelFont(font);
        axis->setTickLabelFont(font);
    }
}

int TrendPlot::pointAt(const QPointF &spot) const
{
    int nearest = -1;
    double nearestDistance = Reach;
    for (std::size_t k = 0; k < m_points.elements.size(); ++k) {
        const QPointF at(picPlot->xAxis->coordToPixel(m_points.xs[k]),
                         picPlot->yAxis->coordToPixel(m_points.ys[k]));
        const double distance = QLineF(at, spot).length();
        if (distance <= nearestDistance) {
            nearest = static_cast<int>(k);
            nearestDistance = distance;
        }
    }
    return nearest;
}

QString TrendPlot::pointText(int position) const
{
    const int i = m_points.elements.at(static_cast<std::size_t>(position));
    QStringList lines{elementName(i)};
    for (const int p : {m_points.y, m_points.x}) {
        if (p != AtomicNumber) {
            //: A point's tooltip: a property and its value, "Density: 7860 kg/m^3".
            lines << tr("%1: %2").arg(Shown::label(p), Shown::valueWithUnit(i, p));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString TrendPlot::description() const
{
    const QString y = Shown::label(m_points.y);
    //: The plot's horizontal axis by default, within a sentence: "... against atomic number".
    const QString x = m_points.x == AtomicNumber ? tr("atomic number") : Shown::label(m_points.x);
    const int top = PlotData::highest(m_points);
    if (top < 0) {
        //: What a screen reader says of a plot without points.
        return tr("%1 against %2: no element has both values").arg(y, x);
    }
    const int i = m_points.elements[static_cast<std::size_t>(top)];
    const int count = int(m_points.elements.size());
    const QString elements = count == 1 ? tr("1 element")
                                        //: How many points the plot has: "101 elements".
                                        : tr("%n elements", nullptr, count);
    //: What a screen reader says of the plot: "Ionization potential against atomic number:
    //: 101 elements; highest Helium, 24.587 V".
    return tr("%1 against %2: %3; highest %4, %5")
            .arg(y, x, elements, Shown::name(i), Shown::valueWithUnit(i, m_points.y));
}

int TrendPlot::markedElement() const
{
    if (m_marked < 0 || m_marked >= int(m_points.elements.size())) {
        return 0;
    }
    return m_points.elements[static_cast<std::size_t>(m_marked)];
}

void TrendPlot::markElement(int element)
{
    const auto found = std::find(m_points.elements.begin(), m_points.elements.end(), element);
    m_marked = found == m_points.elements.end() ? -1 : int(found - m_points.elements.begin());
    if (picPlot && m_markGraph) {
        m_markGraph->data()->clear();
        if (m_marked >= 0) {
            const auto at = static_cast<std::size_t>(m_marked);
            m_markGraph->addData(m_points.xs[at], m_points.ys[at]);
        }
        picPlot->replot();
    }
}

void TrendPlot::moveMark(int step)
{
    if (m_points.elements.empty()) {
        return;
    }
    // In the order of the horizontal axis, and by atomic number where two stand level.
    std::vector<int> order(m_points.elements.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        order[k] = static_cast<int>(k);
    }
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return m_points.xs[static_cast<std::size_t>(a)] < m_points.xs[static_cast<std::size_t>(b)];
    });
    const auto now = std::find(order.begin(), order.end(), m_marked);
    int next = 0;
    if (now == order.end()) {
        next = step > 0 ? order.front() : order.back();
    } else {
        const auto at = static_cast<int>(now - order.begin());
        next = order[static_cast<std::size_t>(std::clamp(at + step, 0, int(order.size()) - 1))];
    }
    markElement(m_points.elements[static_cast<std::size_t>(next)]);
    // The same words a screen reader hears; on screen where the point stands.
    const auto at = static_cast<std::size_t>(next);
    const QPoint spot(int(picPlot->xAxis->coordToPixel(m_points.xs[at])),
                      int(picPlot->yAxis->coordToPixel(m_points.ys[at])));
    QToolTip::showText(picPlot->mapToGlobal(spot), pointText(next), picPlot);
}

bool TrendPlot::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != picPlot) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) {
        scaleFonts();
    } else if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            moveMark(-1);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            moveMark(1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (const int element = markedElement()) {
                emit elementChosen(element);
            }
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

QSize TrendPlot::designSize() const
{
    return Design::picPlot.toPixels().size();
}

void TrendPlot::paint(QPainter &painter)
{
    // The plot draws only through a painter of its own: it draws into an SVG document, which
    // then draws onto any device at any resolution, shapes and text still sharp on paper.
    QSvgRenderer(svg()).render(&painter, QRectF(QPointF(0, 0), designSize()));
}

QByteArray TrendPlot::svg()
{
    const QSize size = designSize();
    return svgDocument(size, m_window.logicalDpiX(), title(), [this, size](QPaintDevice &device) {
        QCPPainter drawing(&device);
        picPlot->toPainter(&drawing, size.width(), size.height());
    });
}

QList<QStringList> TrendPlot::table() const
{
    QList<QStringList> rows{{Shown::label(Module1::Name), Shown::label(Module1::Symbol),
                             Shown::labelWithUnit(m_points.x), Shown::labelWithUnit(m_points.y)}};
    for (const int i : m_points.elements) {
        rows << QStringList{Shown::name(i), Shown::text(Module1::ElemData[i][Module1::Symbol]),
                            Shown::value(i, m_points.x), Shown::value(i, m_points.y)};
    }
    return rows;
}

QString TrendPlot::title()
{
    //: The suggested file name, without its ending, of the saved plot and its data.
    return tr("Morvik plot");
}
