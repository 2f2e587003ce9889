#include "parts.h"

#include <QWidget>

#include <algorithm>

namespace {

// Where a part is on show.
enum class Where { Never, ChartView, ColumnView, BothViews };

struct Traits
{
    Where where;
    bool pictured; // drawn into a picture of the chart, while on show
    bool shownAtStart; // for the parts that come and go within their view
};

// clang-format off
constexpr std::array<Traits, PartCount> traits{{
        {Where::Never,      false, false}, // Patterns
        {Where::ChartView,  true,  true},  // Chart
        {Where::ChartView,  false, true},  // ColourChoice
        {Where::ChartView,  true,  true},  // ClassLegend
        {Where::ChartView,  true,  false}, // ScaleLegend
        {Where::ChartView,  true,  false}, // ScaleLog
        {Where::ChartView,  true,  false}, // StateLegend
        {Where::ChartView,  false, false}, // Temperature
        {Where::ChartView,  false, true},  // Options
        {Where::ChartView,  false, true},  // Units
        {Where::BothViews,  false, true},  // Sheet
        {Where::ChartView,  false, true},  // SheetList
        {Where::ColumnView, false, true},  // ColumnView
        {Where::ColumnView, false, true},  // Ranking
        {Where::BothViews,  false, true},  // Buttons
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
    control->setGeometry(rect.toPixels());
    const auto known = std::find_if(m_entries.begin(), m_entries.end(),
                                    [control](const Entry &e) { return e.control == control; });
    if (known != m_entries.end()) {
        known->rect = rect;
        known->part = part;
        return;
    }
    m_entries.push_back({control, rect, part});
    if (traitsOf(part).where != Where::BothViews) {
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
    switch (traitsOf(part).where) {
    case Where::Never:
        return false;
    case Where::ChartView:
        return m_view == View::Chart && isShown(part);
    case Where::ColumnView:
        return m_view == View::Columns && isShown(part);
    case Where::BothViews:
        break;
    }
    return isShown(part);
}

void Parts::showView(View view)
{
    m_view = view;
    const auto switches = [](Part part) {
        const Where where = traitsOf(part).where;
        return where == Where::ChartView || where == Where::ColumnView;
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
