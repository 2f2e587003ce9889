#include "chartcolouring.h"

#include "colouring/colourbar.h"
#include "colouring/temperaturebox.h"
#include "data/Module1.h"
#include "window/captionfit.h"
#include "window/design.h"
#include "window/parts.h"
#include "window/shown.h"
#include "window/surface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QSpinBox>

#include <cmath>

namespace {

using Colouring::State;

// The entries "Class" and "State at temperature" stand for these numbers where the other
// entries give their property's.
constexpr int ByClass = 0;
constexpr int ByState = -1;

static_assert(Design::picState.size() == Colouring::StateCount
              && Design::lblState.size() == Colouring::StateCount);

QString stateName(State state)
{
    switch (state) {
    case State::Solid:
        //: A state of matter, in the legend and the tiles' tooltips; room for 6 characters.
        return ChartColouring::tr("Solid");
    case State::Liquid:
        //: A state of matter, in the legend and the tiles' tooltips; room for 7 characters.
        return ChartColouring::tr("Liquid");
    case State::Gas:
        //: A state of matter, in the legend and the tiles' tooltips; room for 6 characters.
        return ChartColouring::tr("Gas");
    case State::Unknown:
        break;
    }
    //: The state of an element whose known melting and boiling points cannot tell it, in the
    //: legend and the tiles' tooltips; room for 10 characters.
    return ChartColouring::tr("Unknown");
}

using Module1::TemperatureScale;

// What follows a number in the temperature box.
QString degrees(TemperatureScale scale)
{
    switch (scale) {
    case TemperatureScale::Kelvin:
        return QStringLiteral(" K");
    case TemperatureScale::Fahrenheit:
        return QStringLiteral(" °F");
    case TemperatureScale::Celsius:
        break;
    }
    return QStringLiteral(" °C");
}

// A number to the hundredth in the language's own way, "298,15" in German, without the
// thousands' separators that the box does not show either.
QString hundredths(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

// The temperature beside the box, to the hundredth (whole degrees Celsius are exact there): in
// kelvin, or in degrees Celsius where the box is in kelvin. "298.15 K".
QString besideTheBox(double celsius)
{
    const bool kelvin = Shown::temperatureScale() == TemperatureScale::Kelvin;
    const TemperatureScale beside = kelvin ? TemperatureScale::Celsius : TemperatureScale::Kelvin;
    return hundredths(Module1::fromCelsius(celsius, beside)) + degrees(beside);
}

// A number of degrees Celsius in the scale on show, rounded to whole degrees.
int inScale(double celsius)
{
    return static_cast<int>(std::lround(Module1::fromCelsius(celsius, Shown::temperatureScale())));
}

} // namespace

ChartColouring::ChartColouring(QWidget &window, Parts &parts)
    : QObject(&window)
    , m_window(window)
    , m_parts(parts)
{
    setupChoice();
}

void ChartColouring::setupChoice()
{
    //: Caption of the drop-down that chooses what the tiles' colours show; room for 11 characters.
    const QString caption = ChartColouring::tr("Colour by");
    lblColourBy = new QLabel(caption, &m_window);
    lblColourBy->setObjectName(QStringLiteral("lblColourBy"));
    m_parts.place(lblColourBy, Design::lblColourBy, Part::ColourChoice);
    lblColourBy->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CaptionFit::fit(lblColourBy, {caption}, lblColourBy->width());

    cboColourBy = new QComboBox(&m_window);
    cboColourBy->setObjectName(QStringLiteral("cboColourBy"));
    m_parts.place(cboColourBy, Design::cboColourBy, Part::ColourChoice);
    cboColourBy->setAccessibleName(caption);
    lblColourBy->setBuddy(cboColourBy);
    //: The first entry of "Colour by": tiles coloured as metals, metalloids and non-metals.
    cboColourBy->addItem(ChartColouring::tr("Class"), ByClass);
    for (int p = 1; p <= Module1::PropCount; ++p) {
        if (Module1::propertyInfo(p).numeric) {
            cboColourBy->addItem(Shown::caption(p), p);
        }
    }
    //: The last entry of "Colour by": tiles coloured as solid, liquid or gas at a temperature
    //: chosen below the legend.
    cboColourBy->addItem(ChartColouring::tr("State at temperature"), ByState);

    //: Beside "Colour by": a logarithmic scale instead of a linear one; room for 5 characters.
    chkLog = new QCheckBox(ChartColouring::tr("Log"), &m_window);
    chkLog->setObjectName(QStringLiteral("chkLog"));
    m_parts.place(chkLog, Design::chkLog, Part::ColourChoice);
    chkLog->setEnabled(false);

    connect(cboColourBy, &QComboBox::currentIndexChanged, this, [this] { cboColourBy_Click(); });
    connect(chkLog, &QCheckBox::clicked, this, [this] { chkLog_Click(); });
}

void ChartColouring::cboColourBy_Click()
{
    recolour();
}

void ChartColouring::chkLog_Click()
{
    recolour();
}

void ChartColouring::spnTemperature_Change()
{
    m_celsius = Module1::toCelsius(spnTemperature->value(), Shown::temperatureScale());
    sldTemperature->setValue(spnTemperature->value());
    lblKelvin->setText(besideTheBox(m_celsius));
    recolour();
}

void ChartColouring::showTemperatureScale()
{
    for (int i = 0; i < cboColourBy->count(); ++i) {
        if (const int p = cboColourBy->itemData(i).toInt(); p > ByClass) {
            cboColourBy->setItemText(i, Shown::caption(p));
        }
    }
    if (spnTemperature) {
        showTemperature();
    }
    showLegend();
}

void ChartColouring::showTemperature()
{
    // The box and the slider show the temperature in force without changing it.
    const QSignalBlocker quietBox(spnTemperature);
    const QSignalBlocker quietSlider(sldTemperature);
    const int lowest = inScale(Design::LowestCelsius);
    const int highest = inScale(Design::HighestCelsius);
    spnTemperature->setRange(lowest, highest);
    spnTemperature->setSuffix(degrees(Shown::temperatureScale()));
    spnTemperature->setValue(inScale(m_celsius));
    sldTemperature->setRange(lowest, highest);
    sldTemperature->setValue(spnTemperature->value());
    lblKelvin->setText(besideTheBox(m_celsius));
}

QString ChartColouring::legendTitle() const
{
    if (m_propertyColours) {
        return Shown::caption(m_propertyColours->property);
    }
    if (m_stateColours) {
        //: Above the legend of a saved or printed chart coloured by state: "States at 25 °C".
        return tr("States at %1").arg(spnTemperature->text());
    }
    return {};
}

QRect ChartColouring::choiceArea() const
{
    return lblColourBy->geometry() | cboColourBy->geometry() | chkLog->geometry();
}

void ChartColouring::focusChoice()
{
    if (cboColourBy->isVisible()) {
        cboColourBy->setFocus(Qt::ShortcutFocusReason);
    }
}

void ChartColouring::recolour()
{
    const int choice = cboColourBy->currentData().toInt();
    const bool logPossible = choice > ByClass && Colouring::logarithmicPossible(choice);
    chkLog->setEnabled(logPossible);
    if (!logPossible) {
        chkLog->setChecked(false);
    }
    m_propertyColours.reset();
    m_stateColours.reset();
    if (choice == ByState) {
        if (!spnTemperature) {
            buildTemperatureControls();
        }
        m_stateColours = Colouring::byState(m_celsius);
    } else if (choice != ByClass) {
        m_propertyColours = Colouring::byProperty(choice, chkLog->isChecked());
    }
    showLegend();
    emit changed();
}

std::optional<QColor> ChartColouring::tileColour(int i) const
{
    const auto at = static_cast<std::size_t>(i);
    if (m_propertyColours) {
        return fromBgr(m_propertyColours->tiles.at(at));
    }
    if (m_stateColours) {
        return fromBgr(m_stateColours->tiles.at(at));
    }
    return std::nullopt;
}

void ChartColouring::buildScaleLegend()
{
    const auto label = [this](const char *name, const TwipsRect &rect, Part part,
                              Qt::Alignment alignment) {
        auto *caption = new QLabel(&m_window);
        caption->setObjectName(QLatin1String(name));
        m_parts.place(caption, rect, part);
        caption->setAlignment(alignment | Qt::AlignVCenter);
        return caption;
    };
    lblScaleLow = label("lblScaleLow", Design::lblScaleLow, Part::ScaleLegend, Qt::AlignRight);
    picScale = new ColourBar(&m_window);
    picScale->setObjectName(QStringLiteral("picScale"));
    m_parts.place(picScale, Design::picScale, Part::ScaleLegend);
    //: The legend's bar from the lightest colour (lowest value) to the darkest (highest).
    picScale->setAccessibleName(
            tr("Colour scale, light for the lowest value, dark for the highest"));
    lblScaleHigh = label("lblScaleHigh", Design::lblScaleHigh, Part::ScaleLegend, Qt::AlignLeft);

    //: Beside the legend's bar when its scale is logarithmic; room for 3 characters.
    const QString log = tr("log");
    lblScaleLog = label("lblScaleLog", Design::lblScaleLog, Part::ScaleLog, Qt::AlignLeft);
    lblScaleLog->setText(log);
    CaptionFit::fit(lblScaleLog, {log}, lblScaleLog->width(), m_parts.scale());

    picNoData = new QFrame(&m_window);
    picNoData->setObjectName(QStringLiteral("picNoData"));
    picNoData->setFrameShape(QFrame::Box);
    m_parts.place(picNoData, Design::picNoData, Part::ScaleLegend);
    Surface::setBackground(picNoData, Colouring::NoData);
    //: The legend's grey swatch, for tiles whose value is not known; room for 9 characters.
    const QString noData = tr("No data");
    lblNoData = label("lblNoData", Design::lblNoData, Part::ScaleLegend, Qt::AlignLeft);
    lblNoData->setText(noData);
    CaptionFit::fit(lblNoData, {noData}, lblNoData->width(), m_parts.scale());
}

void ChartColouring::buildStateLegend()
{
    for (std::size_t s = 0; s < picState.size(); ++s) {
        picState[s] = new QFrame(&m_window);
        picState[s]->setObjectName(QStringLiteral("picState(%1)").arg(s));
        picState[s]->setFrameShape(QFrame::Box);
        m_parts.place(picState[s], Design::picState[s], Part::StateLegend);
        Surface::setBackground(picState[s], Colouring::StateSwatches[s]);

        const QString caption = stateName(static_cast<State>(s));
        lblState[s] = new QLabel(caption, &m_window);
        lblState[s]->setObjectName(QStringLiteral("lblState(%1)").arg(s));
        m_parts.place(lblState[s], Design::lblState[s], Part::StateLegend);
        CaptionFit::fit(lblState[s], {caption}, lblState[s]->width(), m_parts.scale());
    }
}

void ChartColouring::buildTemperatureControls()
{
    m_celsius = Design::RoomCelsius;
    spnTemperature = new TemperatureBox(&m_window);
    spnTemperature->setObjectName(QStringLiteral("spnTemperature"));
    m_parts.place(spnTemperature, Design::spnTemperature, Part::Temperature);
    //: What a screen reader calls the temperature box and its slider.
    spnTemperature->setAccessibleName(tr("Temperature"));

    lblKelvin = new QLabel(&m_window);
    lblKelvin->setObjectName(QStringLiteral("lblKelvin"));
    m_parts.place(lblKelvin, Design::lblKelvin, Part::Temperature);
    lblKelvin->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Room for the widest it shows in any scale.
    CaptionFit::fit(lblKelvin,
                    {hundredths(6273.15) + degrees(TemperatureScale::Kelvin),
                     hundredths(-273.15) + degrees(TemperatureScale::Celsius)},
                    lblKelvin->width(), m_parts.scale());

    sldTemperature = new QSlider(Qt::Horizontal, &m_window);
    sldTemperature->setObjectName(QStringLiteral("sldTemperature"));
    sldTemperature->setFocusPolicy(Qt::StrongFocus);
    m_parts.place(sldTemperature, Design::sldTemperature, Part::Temperature);
    sldTemperature->setPageStep(Design::sldTemperaturePageStep);
    sldTemperature->setAccessibleName(spnTemperature->accessibleName());
    showTemperature();

    // The box holds the temperature; the slider only moves it, so each step recolours once.
    connect(spnTemperature, &QSpinBox::valueChanged, this, [this] { spnTemperature_Change(); });
    connect(sldTemperature, &QSlider::valueChanged, spnTemperature, &QSpinBox::setValue);
}

void ChartColouring::showLegend()
{
    if (m_propertyColours && !picScale) {
        buildScaleLegend();
    }
    if (m_stateColours && !picState[0]) {
        buildStateLegend();
    }
    if (m_propertyColours) {
        // The ends' texts change with each property: each is fitted from the window's font.
        const int p = m_propertyColours->property;
        const std::array<std::pair<QLabel *, int>, 2> ends{
                {{lblScaleLow, m_propertyColours->lowest},
                 {lblScaleHigh, m_propertyColours->highest}}};
        for (const auto &[end, element] : ends) {
            end->setText(element == 0 ? QString() : Shown::valueWithUnit(element, p));
            end->setFont(m_window.font());
            CaptionFit::fit(end, {end->text()}, end->width(), m_parts.scale());
        }
    }
    m_parts.setShown(Part::ClassLegend, byClass());
    m_parts.setShown(Part::ScaleLegend, m_propertyColours.has_value());
    m_parts.setShown(Part::ScaleLog, m_propertyColours && m_propertyColours->logarithmic);
    m_parts.setShown(Part::StateLegend, m_stateColours.has_value());
    m_parts.setShown(Part::Temperature, m_stateColours.has_value());
}

QString ChartColouring::tileDescription(int i) const
{
    if (m_stateColours) {
        return stateDescription(i);
    }
    if (!m_propertyColours) {
        return {};
    }
    const int p = m_propertyColours->property;
    if (!Colouring::knownValue(i, p)) {
        //: A tile's tooltip on a chart coloured by a property it has no value of.
        return tr("%1: no data").arg(Shown::label(p));
    }
    //: A tile's tooltip on a chart coloured by a property: "Density: 7860 kg/m^3".
    return tr("%1: %2", "a tile's value").arg(Shown::label(p), Shown::valueWithUnit(i, p));
}

QString ChartColouring::stateDescription(int i) const
{
    const auto point = [i](Module1::Property p) {
        return Colouring::knownValue(i, p) ? Shown::valueWithUnit(i, p) : QString();
    };
    const QString melts = point(Module1::MeltingPoint);
    const QString boils = point(Module1::BoilingPoint);
    const QString state = stateName(m_stateColours->states.at(static_cast<std::size_t>(i)));
    // As the box shows it: "25 °C", "298 K".
    const QString at = QString::number(spnTemperature->value()) + spnTemperature->suffix();
    if (!melts.isEmpty() && !boils.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state: "Liquid at 25 °C (melts at -39 C,
        //: boils at 357 C)".
        return tr("%1 at %2 (melts at %3, boils at %4)").arg(state, at, melts, boils);
    }
    if (!melts.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state, for an element of unknown boiling point.
        return tr("%1 at %2 (melts at %3, boiling point not known)").arg(state, at, melts);
    }
    if (!boils.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state, for an element of unknown melting point.
        return tr("%1 at %2 (melting point not known, boils at %3)").arg(state, at, boils);
    }
    //: A tile's tooltip on a chart coloured by state, for an element with neither point known.
    return tr("%1 at %2 (melting and boiling points not known)").arg(state, at);
}
