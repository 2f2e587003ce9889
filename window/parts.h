#pragma once

// The register of the window's parts. Every control is put in its place through Parts::place(),
// which records the part of the window it belongs to and its rectangle as designed, in twips.
// Everything that asks "which controls make up X" reads the answer from here: the view switch,
// the legends' show and hide, the options group, the saved image and the Tab order. A control
// placed into a part therefore takes part in all of them with no other edit.

#include "window/units.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

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
    PlotSwitch, // the button between the chart and the plot
    Plot, // the plot and what it plots, in the tiles' place
    Options, // "Show elements by" and the sheet switch: HideShowFrame's group
    Units, // the scale temperatures are shown in
    Sheet, // the sheet's heading and the Export link, on show in both views
    SheetList, // the sheet itself
    ColumnView, // the sorting hint, the headers, the six lists and the scroll bars
    Ranking, // "Rank by"
    Buttons, // Find, Refresh and the view switch
};
constexpr int PartCount = static_cast<int>(Part::Buttons) + 1;

// The views of the window; the chart's is on show at start. The plot takes the tiles' place
// and keeps the options, the sheet and the buttons around it.
enum class View { Chart, Columns, Plot };

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

    // The scale the design is drawn at (1 as designed) and where its top-left corner stands in
    // the window. Changing them re-places every control from its design rectangle and scales
    // its font, in points, by the same factor; the window's own font with them.
    void setScale(double scale, QPoint origin);
    double scale() const { return m_scale; }
    QPoint origin() const { return m_origin; }

    // The design at scale 1 from the window's top-left corner for as long as it lives, then
    // back as it was: a picture of the chart is the same whatever the scale on screen.
    class AtDesignScale
    {
    public:
        explicit AtDesignScale(Parts &parts)
            : m_parts(parts)
            , m_scale(parts.scale())
            , m_origin(parts.origin())
        {
            parts.setScale(1, QPoint());
        }
        ~AtDesignScale() { m_parts.setScale(m_scale, m_origin); }
        AtDesignScale(const AtDesignScale &) = delete;
        AtDesignScale &operator=(const AtDesignScale &) = delete;

    private:
        Parts &m_parts;
        double m_scale;
        QPoint m_origin;
    };

    // A design rectangle in the window's pixels at the scale in force. At 1 exactly what
    // TwipsRect::toPixels gives, so that the window as designed is the window at 1.
    QRect toPixels(const TwipsRect &rect) const;

private:
    struct Entry
    {
        QPointer<QWidget> control;
        TwipsRect rect;
        Part part;
        // A font whose size the code set (a caption shrunk to fit, a list's fixed-width font):
        // that size as designed, and the size last given, to see when the code sets another.
        double designPoints = 0;
        double givenPoints = 0;
    };

    // The box of an option or a check box at the scale in force.
    void scaleIndicator(QWidget *control) const;
    // Scales a font of its own, in points, from the scale it was set at to the new one.
    void scaleFont(QWidget *widget, double &designPoints, double &givenPoints,
                   double oldScale) const;

    bool shouldShow(Part part) const;
    void applyTabOrder();

    QWidget &m_window;
    std::vector<Entry> m_entries;
    std::array<bool, PartCount> m_shown{};
    View m_view = View::Chart;
    bool m_tabOrderLinked = false;
    double m_scale = 1;
    QPoint m_origin;
    double m_windowDesignPoints = 0;
    double m_windowGivenPoints = 0;
};
