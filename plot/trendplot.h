#pragma once

// A trend across the elements: any numeric property plotted against the atomic number (the
// points joined in order, the ends of the periods marked) or against another property (a
// scatter). It takes the tiles' place, while the options, the sheet and the buttons stay, and
// its points take the tiles' colours. This owns the button between the chart and the plot and,
// built on first use, the plot and the controls that choose what it plots; the window shows
// the view and the sheet of the element a point stands for. The plot itself is drawn on a
// canvas from the plotting library's plugin, loaded then too.

#include "plot/plotcanvas.h"
#include "plot/plotdata.h"

#include <QColor>
#include <QObject>
#include <QSize>
#include <QStringList>

#include <functional>

class Parts;
class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QWidget;

class TrendPlot : public QObject
{
    Q_OBJECT

public:
    // The colour of element i's tile now, Find's mark included.
    using ColourOf = std::function<QColor(int)>;

    // The controls are the window's children, placed through its register; the platform
    // loads the canvas.
    TrendPlot(QWidget &window, Parts &parts, Platform &platform, ColourOf colourOf);
    ~TrendPlot() override;

    // Handlers, named after the control and the event.
    void cmdPlot_Click();
    void cboPlotY_Click();
    void cboPlotX_Click();
    void chkLogY_Click();
    void chkLogX_Click();

    // Builds the plot's controls and canvas the first time it is asked. False, the user told
    // why, when the canvas cannot be loaded: the plot cannot show.
    bool build();
    // The window tells whether the plot is on show, once it is built.
    void setShowing(bool showing);
    bool isShowing() const { return m_showing; }

    // Plots again: the values (a temperature scale, a language) or the tiles' colours changed.
    void replot();
    void recolour();

    // The points and what they are: the properties and values plotted, in the scale in force.
    const PlotData::Points &points() const { return m_points; }
    // "Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V".
    QString description() const;
    // The point the keyboard is on, or the one last clicked: its element, 0 when none is.
    int markedElement() const;
    void markElement(int element);

    // The plot at its design size, for a file or a printer, whatever the size on screen.
    QSize designSize() const;
    void paint(QPainter &painter);
    // The same as an SVG document, its texts as text.
    QByteArray svg();
    // The plotted values as a table: name, symbol and the two values, with units in the header.
    QList<QStringList> table() const;
    // The suggested name of a saved plot, without its ending: "Morvik plot".
    static QString title();

    QPushButton *cmdPlot = nullptr;
    QLabel *lblPlotY = nullptr;
    QComboBox *cboPlotY = nullptr;
    QCheckBox *chkLogY = nullptr;
    QLabel *lblPlotX = nullptr;
    QComboBox *cboPlotX = nullptr;
    QCheckBox *chkLogX = nullptr;
    QLabel *lblLeftOut = nullptr;
    QWidget *picPlot = nullptr; // the canvas's widget

signals:
    // The button or its key: the window switches between the chart and the plot.
    void switchRequested();
    // A point clicked, or Enter on it: its element, as a tile click gives it.
    void elementChosen(int element);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fillChoices();
    void plotPoints();
    void setAxes();
    void showMark();
    void followScale();
    // The position in the points nearest to a spot on the plot within a few pixels, or -1.
    int pointAt(const QPointF &spot) const;
    QString pointText(int position) const;
    void moveMark(int step);

    QWidget &m_window;
    Parts &m_parts;
    Platform &m_platform;
    ColourOf m_colourOf;
    std::unique_ptr<PlotCanvas> m_canvas;
    bool m_showing = false;
    PlotData::Points m_points;
    int m_marked = -1; // position in the points
    bool m_recolourPending = false;
};
