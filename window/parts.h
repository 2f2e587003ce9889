#pragma once

// The register of the window's parts. Every control is put in its place through Parts::place(),
// which records the part of the window it belongs to and its rectangle as designed, in twips.
// Everything that asks "which controls make up X" reads the answer from here: the view switch,
// the legends' show and hide, the options group, the saved image and the Tab order. A control
// placed into a part therefore takes part in all of them with no other edit.

#include "window/units.h"

#include <QList>
#include <QPointer>

#include <array>
#include <vector>

class QWidget;

// The parts, in the order the Tab key walks them.
enum class Part {
    Patterns, // the templates of the tiles and group numbers, and the work lists: never seen
    Chart, // the tiles, the group numbers and the captions of the detached rows
    ColourChoice, // "Colour by" and its Log box
    ClassLegend, // the classes' swatches, while the chart is coloured by class
    ScaleLegend, // the colour scale and its ends, while it is coloured by a property
    ScaleLog, // the scale's "log" mark, while that scale is logarithmic
    StateLegend, // the states' swatches, while it is coloured by state
    Temperature, // the temperature that decides the states, while they show
    Options, // "Show elements by" and the sheet switch: HideShowFrame's group
    Units, // the scale temperatures are shown in
    Sheet, // the sheet's heading and the Export link, on show in both views
    SheetList, // the sheet itself
    ColumnView, // the sorting hint, the headers, the six lists and the scroll bars
    Ranking, // "Rank by"
    Buttons, // Find, Refresh and the view switch
};
constexpr int PartCount = static_cast<int>(Part::Buttons) + 1;

// The two views of the window; the chart's is on show at start.
enum class View { Chart, Columns };

class Parts
{
public:
    explicit Parts(QWidget &window);

    // Gives control its rectangle as designed and records its part. A control placed for the
    // first time takes its part's visibility; placing it again only moves it.
    void place(QWidget *control, const TwipsRect &rect, Part part);

    // The rectangle a control was last placed at, in twips.
    TwipsRect rect(const QWidget *control) const;

    // The controls of a part, in the order they were first placed.
    QList<QWidget *> controls(Part part) const;

    // The controls drawn into a picture of the chart: the chart itself and the legend on show.
    QList<QWidget *> pictured() const;

    // Shows the controls of one view and hides those of the other: what goes is hidden before
    // what comes is shown, so that the keyboard focus moves only to a control that stays.
    void showView(View view);
    View view() const { return m_view; }

    // Whether a part that comes and goes within its view (a legend) is on show.
    void setShown(Part part, bool shown);
    bool isShown(Part part) const;

    // Links every control into the Tab chain in the order of the parts; from then on each
    // control placed for the first time is linked in as it comes.
    void linkTabOrder();

private:
    struct Entry
    {
        QPointer<QWidget> control;
        TwipsRect rect;
        Part part;
    };

    bool shouldShow(Part part) const;
    void applyTabOrder();

    QWidget &m_window;
    std::vector<Entry> m_entries;
    std::array<bool, PartCount> m_shown{};
    View m_view = View::Chart;
    bool m_tabOrderLinked = false;
};
