#include "trendplot.h"

#include "data/Module1.h"
#include "platform/platform.h"
#include "tools/chartimage.h"
#include "window/captionfit.h"
#include "window/design.h"
#include "window/parts.h"
#include "window/shown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolTip>

#include <algorithm>

namespace {

using Module1::AtomicNumber;

// How near the pointer must come to a point to be over it, in pixels at the design size.
constexpr double Reach = 8;

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

// An axis from low to high with a little room around the points, so that none sits on it.
void pad(PlotCanvas::Axis &axis, double low, double high)
{
    if (axis.logarithmic) {
        axis.low = low / 1.3;
        axis.high = high * 1.3;
        return;
    }
    const double margin = high > low ? (high - low) * 0.05 : 1;
    axis.low = low - margin;
    axis.high = high + margin;
}

} // namespace

TrendPlot::TrendPlot(QWidget &window, Parts &parts, Platform &platform, ColourOf colourOf)
    : QObject(&window)
    , m_window(window)
    , m_parts(parts)
    , m_platform(platform)
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
    m_canvas->replot();
}

void TrendPlot::chkLogX_Click()
{
    setAxes();
    m_canvas->replot();
}

void TrendPlot::setShowing(bool showing)
{
    m_showing = showing;
    const QStringList captions = cmdPlot->property("captions").toStringList();
    cmdPlot->setText(captions.value(showing ? 1 : 0));
    if (showing) {
        replot();
    }
}

bool TrendPlot::build()
{
    if (m_canvas) {
        return true;
    }
    QString why;
    m_canvas = m_platform.plotCanvas(&m_window, why);
    if (!m_canvas) {
        //: When the plotting library cannot be loaded; %1 says why, in the system's words.
        m_platform.messageBox(&m_window, tr("The plot cannot be shown: %1").arg(why),
                              QStringLiteral("Morvik"), Platform::Icon::Critical);
        return false;
    }
    buildControls();
    return true;
}

void TrendPlot::buildControls()
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

    picPlot = m_canvas->widget();
    picPlot->setObjectName(QStringLiteral("picPlot"));
    m_parts.place(picPlot, Design::picPlot, Part::Plot);
    picPlot->setFocusPolicy(Qt::StrongFocus);
    picPlot->setMouseTracking(true);
    //: What a screen reader calls the plot.
    picPlot->setAccessibleName(tr("Plot"));
    picPlot->installEventFilter(this);
    fillChoices();
    followScale();

    connect(cboPlotY, &QComboBox::currentIndexChanged, this, [this] { cboPlotY_Click(); });
    connect(cboPlotX, &QComboBox::currentIndexChanged, this, [this] { cboPlotX_Click(); });
    connect(chkLogY, &QCheckBox::clicked, this, [this] { chkLogY_Click(); });
    connect(chkLogX, &QCheckBox::clicked, this, [this] { chkLogX_Click(); });
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
    // Hidden, it is plotted anew when it shows.
    if (!picPlot || !m_showing) {
        return;
    }
    fillChoices(); // their captions carry units, which follow the temperature scale
    m_points = PlotData::points(cboPlotY->currentData().toInt(), cboPlotX->currentData().toInt(),
                                Shown::temperatureScale());
    lblLeftOut->setText(leftOutText(m_points.leftOut));
    setAxes();
    plotPoints();
    picPlot->setAccessibleDescription(description());
    m_canvas->replot();
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
                m_canvas->replot();
            },
            Qt::QueuedConnection);
}

void TrendPlot::setAxes()
{
    // A logarithmic axis only where every value is above zero.
    PlotCanvas::Axis x;
    PlotCanvas::Axis y;
    const std::array<std::tuple<PlotCanvas::Axis *, QCheckBox *, const std::vector<double> *, int>,
                     2>
            axes{{{&x, chkLogX, &m_points.xs, m_points.x},
                  {&y, chkLogY, &m_points.ys, m_points.y}}};
    for (const auto &[axis, log, values, p] : axes) {
        const bool possible = !values->empty() && PlotData::allPositive(*values);
        log->setEnabled(possible);
        if (!possible) {
            log->setChecked(false);
        }
        axis->logarithmic = log->isChecked();
        axis->label = Shown::caption(p);
        if (!values->empty()) {
            const auto [low, high] = std::minmax_element(values->begin(), values->end());
            pad(*axis, *low, *high);
        }
    }
    m_canvas->setAxes(x, y);
}

void TrendPlot::plotPoints()
{
    // The points take their tiles' colours. Against the atomic number they show the periodic
    // law: joined in order, the periods' ends marked between a period's last element and the
    // next one's first.
    std::vector<PlotCanvas::Point> points;
    points.reserve(m_points.elements.size());
    for (std::size_t k = 0; k < m_points.elements.size(); ++k) {
        points.push_back({m_points.xs[k], m_points.ys[k], m_colourOf(m_points.elements[k])});
    }
    const bool againstNumber = m_points.x == AtomicNumber;
    std::vector<double> periodEnds;
    if (againstNumber) {
        for (const int end : PlotData::PeriodEnds) {
            periodEnds.push_back(end + 0.5);
        }
    }
    m_canvas->setPoints(points, againstNumber, periodEnds);
    showMark();
}

void TrendPlot::showMark()
{
    if (m_marked >= 0 && m_marked < int(m_points.elements.size())) {
        const auto at = static_cast<std::size_t>(m_marked);
        m_canvas->setMark(QPointF(m_points.xs[at], m_points.ys[at]));
    } else {
        m_canvas->setMark(std::nullopt);
    }
}

void TrendPlot::followScale()
{
    // The axes' texts in the window's font, which grows with the window, and the points with it.
    m_canvas->setScale(m_window.font(), m_parts.scale());
}

int TrendPlot::pointAt(const QPointF &spot) const
{
    int nearest = -1;
    double nearestDistance = Reach * m_parts.scale();
    for (std::size_t k = 0; k < m_points.elements.size(); ++k) {
        const QPointF at = m_canvas->pixelAt(QPointF(m_points.xs[k], m_points.ys[k]));
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
    QStringList lines{Shown::tileName(i)};
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
    if (m_canvas) {
        showMark();
        m_canvas->replot();
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
    const QPoint spot = m_canvas->pixelAt(QPointF(m_points.xs[at], m_points.ys[at])).toPoint();
    QToolTip::showText(picPlot->mapToGlobal(spot), pointText(next), picPlot);
}

bool TrendPlot::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != picPlot) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) {
        followScale();
    } else if (event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        const int at = pointAt(move->position());
        if (at < 0) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(move->globalPosition().toPoint(), pointText(at), picPlot);
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        const int at = pointAt(release->position());
        if (release->button() == Qt::LeftButton && at >= 0) {
            markElement(m_points.elements[static_cast<std::size_t>(at)]);
            emit elementChosen(markedElement());
        }
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
    return svgDocument(size, m_window.logicalDpiX(), title(),
                       [this, size](QPaintDevice &device) { m_canvas->draw(device, size); });
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
