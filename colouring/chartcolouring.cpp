#include "chartcolouring.h"

#include "colouring/colourbar.h"
#include "data/Module1.h"
#include "window/captionfit.h"
#include "window/design.h"
#include "window/parts.h"
#include "window/shown.h"
#include "window/surface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

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

// A stored value of element i with its property's unit suffix: "7860 kg/m^3".
QString withUnit(int i, int p)
{
    return Shown::text(Module1::withUnit(Module1::ElemData[i][p], p));
}

QString kelvin(int celsius)
{
    // Whole degrees Celsius are exact in hundredths of a kelvin.
    //: A temperature in kelvin beside the box in degrees Celsius: "298.15 K".
    return ChartColouring::tr("%1 K").arg(QString::number(celsius + 273.15, 'f', 2));
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
    const int celsius = spnTemperature->value();
    sldTemperature->setValue(celsius);
    lblKelvin->setText(kelvin(celsius));
    recolour();
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
        m_stateColours = Colouring::byState(spnTemperature->value());
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
    CaptionFit::fit(lblScaleLog, {log}, lblScaleLog->width());

    picNoData = new QFrame(&m_window);
    picNoData->setObjectName(QStringLiteral("picNoData"));
    picNoData->setFrameShape(QFrame::Box);
    m_parts.place(picNoData, Design::picNoData, Part::ScaleLegend);
    Surface::setBackground(picNoData, Colouring::NoData);
    //: The legend's grey swatch, for tiles whose value is not known; room for 9 characters.
    const QString noData = tr("No data");
    lblNoData = label("lblNoData", Design::lblNoData, Part::ScaleLegend, Qt::AlignLeft);
    lblNoData->setText(noData);
    CaptionFit::fit(lblNoData, {noData}, lblNoData->width());
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
        CaptionFit::fit(lblState[s], {caption}, lblState[s]->width());
    }
}

void ChartColouring::buildTemperatureControls()
{
    spnTemperature = new QSpinBox(&m_window);
    spnTemperature->setObjectName(QStringLiteral("spnTemperature"));
    m_parts.place(spnTemperature, Design::spnTemperature, Part::Temperature);
    spnTemperature->setRange(Design::LowestCelsius, Design::HighestCelsius);
    spnTemperature->setValue(Design::RoomCelsius);
    //: The unit after the number in the temperature box, with its leading blank.
    spnTemperature->setSuffix(tr(" °C"));
    //: What a screen reader calls the temperature box and its slider.
    spnTemperature->setAccessibleName(tr("Temperature"));

    lblKelvin = new QLabel(kelvin(Design::RoomCelsius), &m_window);
    lblKelvin->setObjectName(QStringLiteral("lblKelvin"));
    m_parts.place(lblKelvin, Design::lblKelvin, Part::Temperature);
    lblKelvin->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    CaptionFit::fit(lblKelvin, {kelvin(Design::LowestCelsius), kelvin(Design::HighestCelsius)},
                    lblKelvin->width());

    sldTemperature = new QSlider(Qt::Horizontal, &m_window);
    sldTemperature->setObjectName(QStringLiteral("sldTemperature"));
    m_parts.place(sldTemperature, Design::sldTemperature, Part::Temperature);
    sldTemperature->setRange(Design::LowestCelsius, Design::HighestCelsius);
    sldTemperature->setPageStep(Design::sldTemperaturePageStep);
    sldTemperature->setValue(Design::RoomCelsius);
    sldTemperature->setFocusPolicy(Qt::StrongFocus);
    sldTemperature->setAccessibleName(spnTemperature->accessibleName());

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
            end->setText(element == 0 ? QString() : withUnit(element, p));
            end->setFont(m_window.font());
            CaptionFit::fit(end, {end->text()}, end->width());
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
    return tr("%1: %2", "a tile's value").arg(Shown::label(p), withUnit(i, p));
}

QString ChartColouring::stateDescription(int i) const
{
    const auto point = [i](Module1::Property p) {
        return Colouring::knownValue(i, p) ? withUnit(i, p) : QString();
    };
    const QString melts = point(Module1::MeltingPoint);
    const QString boils = point(Module1::BoilingPoint);
    const QString state = stateName(m_stateColours->states.at(static_cast<std::size_t>(i)));
    const QString celsius = QString::number(m_stateColours->celsius);
    if (!melts.isEmpty() && !boils.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state: "Liquid at 25 °C (melts at -39 C,
        //: boils at 357 C)".
        return tr("%1 at %2 °C (melts at %3, boils at %4)").arg(state, celsius, melts, boils);
    }
    if (!melts.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state, for an element of unknown boiling point.
        return tr("%1 at %2 °C (melts at %3, boiling point not known)").arg(state, celsius, melts);
    }
    if (!boils.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state, for an element of unknown melting point.
        return tr("%1 at %2 °C (melting point not known, boils at %3)").arg(state, celsius, boils);
    }
    //: A tile's tooltip on a chart coloured by state, for an element with neither point known.
    return tr("%1 at %2 °C (melting and boiling points not known)").arg(state, celsius);
}
