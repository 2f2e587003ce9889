#include "parts.h"

#include "window/captionfit.h"

#include <QCheckBox>
#include <QFont>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

// The views a part is on show in.
constexpr unsigned InChart = 1U << static_cast<unsigned>(View::Chart);
constexpr unsigned InColumns = 1U << static_cast<unsigned>(View::Columns);
constexpr unsigned InPlot = 1U << static_cast<unsigned>(View::Plot);
constexpr unsigned Everywhere = InChart | InColumns | InPlot;

struct Traits
{
    unsigned views; // never shown where none
    bool pictured; // drawn into a picture of the chart, while on show
    bool shownAtStart; // for the parts that come and go within their view
};

// clang-format off
constexpr std::array<Traits, PartCount> traits{{
        {0,                  false, false}, // Patterns
        {InChart,            true,  true},  // Chart
        {InChart,            false, true},  // ColourChoice
        {InChart,            true,  true},  // ClassLegend
        {InChart,            true,  false}, // ScaleLegend
        {InChart,            true,  false}, // ScaleLog
        {InChart,            true,  false}, // StateLegend
        {InChart,            false, false}, // Temperature
        {InChart | InPlot,   false, true},  // PlotSwitch
        {InPlot,             false, true},  // Plot
        {InChart | InPlot,   false, true},  // Options
        {InChart | InPlot,   false, true},  // Units
        {Everywhere,         false, true},  // Sheet
        {InChart | InPlot,   false, true},  // SheetList
        {InColumns,          false, true},  // ColumnView
        {InColumns,          false, true},  // Ranking
        {Everywhere,         false, true},  // Buttons
}};
// clang-format on

const Traits &traitsOf(Part part)
{
    return traits[static_cast<std::size_t>(part)];
}

} // namespace

Parts::Parts(QWidget &window)
    : m_window(window)
{
    for (int p = 0; p < PartCount; ++p) {
        m_shown[static_cast<std::size_t>(p)] = traits[static_cast<std::size_t>(p)].shownAtStart;
    }
}

void Parts::place(QWidget *control, const TwipsRect &rect, Part part)
{
    control->setGeometry(toPixels(rect));
    const auto known = std::find_if(m_entries.begin(), m_entries.end(),
                                    [control](const Entry &e) { return e.control == control; });
    if (known != m_entries.end()) {
        known->rect = rect;
        known->part = part;
        return;
    }
    m_entries.push_back({control, rect, part});
    // A control made after the window grew: its box at the scale in force.
    scaleIndicator(control);
    if (traitsOf(part).views != Everywhere) {
        control->setVisible(shouldShow(part));
    }
    if (m_tabOrderLinked) {
        applyTabOrder();
    }
}

TwipsRect Parts::rect(const QWidget *control) const
{
    for (const Entry &e : m_entries) {
        if (e.control == control) {
            return e.rect;
        }
    }
    return {};
}

QList<QWidget *> Parts::controls(Part part) const
{
    QList<QWidget *> found;
    for (const Entry &e : m_entries) {
        if (e.part == part && e.control) {
            found << e.control;
        }
    }
    return found;
}

QList<QWidget *> Parts::pictured() const
{
    QList<QWidget *> found;
    for (const Entry &e : m_entries) {
        if (e.control && traitsOf(e.part).pictured && isShown(e.part)) {
            found << e.control;
        }
    }
    return found;
}

bool Parts::shouldShow(Part part) const
{
    const unsigned in = 1U << static_cast<unsigned>(m_view);
    return (traitsOf(part).views & in) != 0 && isShown(part);
}

void Parts::showView(View view)
{
    m_view = view;
    // A part on show in every view, or in none, stays as it is.
    const auto switches = [](Part part) {
        const unsigned views = traitsOf(part).views;
        return views != 0 && views != Everywhere;
    };
    for (const Entry &e : m_entries) {
        if (e.control && switches(e.part) && !shouldShow(e.part)) {
            e.control->hide();
        }
    }
    for (const Entry &e : m_entries) {
        if (e.control && switches(e.part) && shouldShow(e.part)) {
            e.control->show();
        }
    }
}

void Parts::setShown(Part part, bool shown)
{
    m_shown[static_cast<std::size_t>(part)] = shown;
    for (QWidget *control : controls(part)) {
        control->setVisible(shouldShow(part));
    }
}

bool Parts::isShown(Part part) const
{
    return m_shown[static_cast<std::size_t>(part)];
}

QRect Parts::toPixels(const TwipsRect &rect) const
{
    if (m_scale == 1) {
        return rect.toPixels().translated(m_origin);
    }
    const auto scaled = [this](double t) { return twips(t * m_scale); };
    return QRect(m_origin.x() + scaled(rect.left), m_origin.y() + scaled(rect.top),
                 scaled(rect.width), scaled(rect.height));
}

void Parts::setScale(double scale, QPoint origin)
{
    if (scale == m_scale && origin == m_origin) {
        return;
    }
    const double oldScale = m_scale;
    m_scale = scale;
    m_origin = origin;
    // The window's font first: the controls that follow it scale with it.
    scaleFont(&m_window, m_windowDesignPoints, m_windowGivenPoints, oldScale);
    for (Entry &e : m_entries) {
        if (!e.control) {
            continue;
        }
        e.control->setGeometry(toPixels(e.rect));
        scaleIndicator(e.control);
        // A control given a font of its own does not follow the window's.
        if (e.control->testAttribute(Qt::WA_SetFont)) {
            scaleFont(e.control, e.designPoints, e.givenPoints, oldScale);
            CaptionFit::refit(e.control, m_scale);
            e.givenPoints = e.control->font().pointSizeF();
        }
    }
}

void Parts::scaleIndicator(QWidget *control) const
{
    // The style draws the box of an option or a check box at one size whatever the font; a
    // style sheet gives it the scale's, which it draws at that size. As designed, none.
    const bool option = qobject_cast<QRadioButton *>(control) != nullptr;
    if (!option && !qobject_cast<QCheckBox *>(control)) {
        return;
    }
    const QString sheet = [&]() {
        if (m_scale == 1) {
            return QString();
        }
        // Asked of the window's style: the control's own answers with the size its style sheet
        // gave it, which would grow by the scale again at each new size.
        const int designed = m_window.style()->pixelMetric(
                option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr,
                control);
        return QStringLiteral("::indicator { width: %1px; height: %1px; }")
                .arg(qRound(designed * m_scale));
    }();
    // A new style sheet polishes the control anew: only when the size changes.
    if (control->styleSheet() != sheet) {
        // Under a style sheet the control's text would take the desktop's colour rather than
        // the window's it inherits: it keeps that one as its own.
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::WindowText));
        control->setPalette(palette);
        control->setStyleSheet(sheet);
    }
}

void Parts::scaleFont(QWidget *widget, double &designPoints, double &givenPoints,
                      double oldScale) const
{
    QFont font = widget->font();
    if (font.pointSizeF() != givenPoints) {
        // Set by the code since: at the scale then in force.
        designPoints = font.pointSizeF() / oldScale;
    }
    givenPoints = m_scale == 1 ? designPoints : designPoints * m_scale;
    font.setPointSizeF(givenPoints);
    widget->setFont(font);
}

void Parts::linkTabOrder()
{
    m_tabOrderLinked = true;
    applyTabOrder();
}

void Parts::applyTabOrder()
{
    // Qt links only controls that take the focus; a label in between would break the chain.
    std::vector<const Entry *> order;
    order.reserve(m_entries.size());
    for (const Entry &e : m_entries) {
        if (e.control && e.control->focusPolicy() != Qt::NoFocus) {
            order.push_back(&e);
        }
    }
    // Part by part, and within a part in the order the controls were placed.
    std::stable_sort(order.begin(), order.end(),
                     [](const Entry *a, const Entry *b) { return a->part < b->part; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->control, order[i]->control);
    }
}
