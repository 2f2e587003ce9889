#pragma once

// Colouring the chart: by class, as designed, by any numeric property on one sequential scale,
// or by the state of matter at a chosen temperature. This owns the controls that choose the
// colouring ("Colour by", Log, the temperature) and those that tell what the colours mean (the
// scale's and the states' legends), and answers each tile's colour and description; the window
// recolours its tiles when it signals a change. The class legend is the window's own: this
// only says when it shows.

#include "colouring/colouring.h"

#include <QColor>
#include <QObject>
#include <QRect>

#include <array>
#include <optional>

class ColourBar;
class Parts;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QSlider;
class QSpinBox;
class QWidget;

class ChartColouring : public QObject
{
    Q_OBJECT

public:
    // The controls are the window's children, placed through its register.
    ChartColouring(QWidget &window, Parts &parts);

    // Handlers, named after the control and the event.
    void cboColourBy_Click();
    void chkLog_Click();
    void spnTemperature_Change();

    // Tile i's colour under the colouring in force; none while the chart is coloured by class,
    // whose colours are the legend swatches'.
    std::optional<QColor> tileColour(int i) const;
    bool byClass() const { return !m_propertyColours && !m_stateColours; }

    // What tile i's colour says: "Density: 7860 kg/m^3" while the chart is coloured by a
    // property, its state while coloured by state, else empty.
    QString tileDescription(int i) const;

    // What the colours mean, for a picture of the chart that shows no "Colour by": the
    // property with its unit, or the states' temperature; empty for the class colours, whose
    // legend says it all. And where the choice stands, which the picture leaves free for it.
    QString legendTitle() const;
    QRect choiceArea() const;

    // Ctrl+L: the choice takes the keyboard focus, where it is on show.
    void focusChoice();

    // The texts that carry a unit (the choice's captions, the legend's ends, the temperature),
    // shown again in the temperature scale now in force. The colours stay as they are.
    void showTemperatureScale();

    // The choice, always there.
    QLabel *lblColourBy = nullptr;
    QComboBox *cboColourBy = nullptr;
    QCheckBox *chkLog = nullptr;
    // The scale's legend, built on first use: the lowest value, the bar, the highest value,
    // "log", and the swatch of missing values.
    QLabel *lblScaleLow = nullptr;
    ColourBar *picScale = nullptr;
    QLabel *lblScaleHigh = nullptr;
    QLabel *lblScaleLog = nullptr;
    QFrame *picNoData = nullptr;
    QLabel *lblNoData = nullptr;
    // The states' legend, and the temperature that decides them, the box and the slider in
    // step (all built on first use).
    std::array<QFrame *, Colouring::StateCount> picState{};
    std::array<QLabel *, Colouring::StateCount> lblState{};
    QSpinBox *spnTemperature = nullptr;
    QLabel *lblKelvin = nullptr;
    QSlider *sldTemperature = nullptr;

signals:
    // The tiles' colours and descriptions have changed.
    void changed();

private:
    void setupChoice();
    void recolour();
    void buildScaleLegend();
    void buildStateLegend();
    void buildTemperatureControls();
    void showLegend();
    void showTemperature();
    QString stateDescription(int i) const;

    QWidget &m_window;
    Parts &m_parts;
    // The colours of a property or of the states, worked out once per choice (and
    // temperature); none while the chart is coloured by class.
    std::optional<Colouring::PropertyColours> m_propertyColours;
    std::optional<Colouring::StateColours> m_stateColours;
    // The temperature of the states, in degrees Celsius whatever the scale on show, so that
    // changing the scale never moves it.
    double m_celsius = 25;
};
