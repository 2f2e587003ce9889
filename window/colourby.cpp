// Colouring the chart: by class, as designed, by any numeric property on one sequential scale,
// or by the state of matter at a chosen temperature, with a legend that says what the colours
// mean.

#include "window/morvik.h"

#include "data/Module1.h"
#include "window/captionfit.h"
#include "window/clicklabel.h"
#include "window/colourbar.h"
#include "window/colouring.h"
#include "window/shown.h"

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
        return Morvik::tr("Solid");
    case State::Liquid:
        //: A state of matter, in the legend and the tiles' tooltips; room for 7 characters.
        return Morvik::tr("Liquid");
    case State::Gas:
        //: A state of matter, in the legend and the tiles' tooltips; room for 6 characters.
        return Morvik::tr("Gas");
    case State::Unknown:
        break;
    }
    //: The state of an element whose known melting and boiling points cannot tell it, in the
    //: legend and the tiles' tooltips; room for 10 characters.
    return Morvik::tr("Unknown");
}

// A stored value of element i with its property's unit suffix: "7860 kg/m^3".
QString withUnit(int i, int p)
{
    return Shown::text(Module1::ElemData[i][p] + Module1::propertyInfo(p).unit);
}

QString kelvin(int celsius)
{
    // Whole degrees Celsius are exact in hundredths of a kelvin.
    //: A temperature in kelvin beside the box in degrees Celsius: "298.15 K".
    return Morvik::tr("%1 K").arg(QString::number(celsius + 273.15, 'f', 2));
}

} // namespace

void Morvik::setupColouring()
{
    //: Caption of the drop-down that chooses what the tiles' colours show; room for 11 characters.
    const QString caption = tr("Colour by");
    lblColourBy = new QLabel(caption, this);
    lblColourBy->setObjectName(QStringLiteral("lblColourBy"));
    place(lblColourBy, Design::lblColourBy);
    lblColourBy->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitCaption(lblColourBy, caption, lblColourBy->width());

    cboColourBy = new QComboBox(this);
    cboColourBy->setObjectName(QStringLiteral("cboColourBy"));
    place(cboColourBy, Design::cboColourBy);
    cboColourBy->setAccessibleName(caption);
    lblColourBy->setBuddy(cboColourBy);
    //: The first entry of "Colour by": tiles coloured as metals, metalloids and non-metals.
    cboColourBy->addItem(tr("Class"), ByClass);
    for (int p = 1; p <= Module1::PropCount; ++p) {
        if (Module1::propertyInfo(p).numeric) {
            cboColourBy->addItem(Shown::caption(p), p);
        }
    }
    //: The last entry of "Colour by": tiles coloured as solid, liquid or gas at a temperature
    //: chosen below the legend.
    cboColourBy->addItem(tr("State at temperature"), ByState);

    //: Beside "Colour by": a logarithmic scale instead of a linear one; room for 5 characters.
    chkLog = new QCheckBox(tr("Log"), this);
    chkLog->setObjectName(QStringLiteral("chkLog"));
    place(chkLog, Design::chkLog);
    chkLog->setEnabled(false);

    connect(cboColourBy, &QComboBox::currentIndexChanged, this, [this] { cboColourBy_Click(); });
    connect(chkLog, &QCheckBox::clicked, this, [this] { chkLog_Click(); });
}

void Morvik::cboColourBy_Click()
{
    recolour();
}

void Morvik::chkLog_Click()
{
    recolour();
}

void Morvik::spnTemperature_Change()
{
    const int celsius = spnTemperature->value();
    sldTemperature->setValue(celsius);
    lblKelvin->setText(kelvin(celsius));
    recolour();
}

void Morvik::recolour()
{
    // As a new Find does: the marks go first, so find.txt never holds the colours of an older
    // colouring.
    Command6_Click();
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
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        setTileColor(i, unmarkedColour(i));
        describeTile(i);
    }
    showLegend();
}

void Morvik::buildScaleLegend()
{
    const auto label = [this](const char *name, const TwipsRect &rect, Qt::Alignment alignment) {
        auto *caption = new QLabel(this);
        caption->setObjectName(QLatin1String(name));
        place(caption, rect);
        caption->setAlignment(alignment | Qt::AlignVCenter);
        return caption;
    };
    lblScaleLow = label("lblScaleLow", Design::lblScaleLow, Qt::AlignRight);
    picScale = new ColourBar(this);
    picScale->setObjectName(QStringLiteral("picScale"));
    place(picScale, Design::picScale);
    //: The legend's bar from the lightest colour (lowest value) to the darkest (highest).
    picScale->setAccessibleName(
            tr("Colour scale, light for the lowest value, dark for the highest"));
    lblScaleHigh = label("lblScaleHigh", Design::lblScaleHigh, Qt::AlignLeft);

    //: Beside the legend's bar when its scale is logarithmic; room for 3 characters.
    const QString log = tr("log");
    lblScaleLog = label("lblScaleLog", Design::lblScaleLog, Qt::AlignLeft);
    lblScaleLog->setText(log);
    fitCaption(lblScaleLog, log, lblScaleLog->width());

    picNoData = new QFrame(this);
    picNoData->setObjectName(QStringLiteral("picNoData"));
    picNoData->setFrameShape(QFrame::Box);
    place(picNoData, Design::picNoData);
    setBackground(picNoData, Colouring::NoData);
    //: The legend's grey swatch, for tiles whose value is not known; room for 9 characters.
    const QString noData = tr("No data");
    lblNoData = label("lblNoData", Design::lblNoData, Qt::AlignLeft);
    lblNoData->setText(noData);
    fitCaption(lblNoData, noData, lblNoData->width());
}

void Morvik::buildStateLegend()
{
    for (std::size_t s = 0; s < picState.size(); ++s) {
        picState[s] = new QFrame(this);
        picState[s]->setObjectName(QStringLiteral("picState(%1)").arg(s));
        picState[s]->setFrameShape(QFrame::Box);
        place(picState[s], Design::picState[s]);
        setBackground(picState[s], Colouring::StateSwatches[s]);

        const QString caption = stateName(static_cast<State>(s));
        lblState[s] = new QLabel(caption, this);
        lblState[s]->setObjectName(QStringLiteral("lblState(%1)").arg(s));
        place(lblState[s], Design::lblState[s]);
        fitCaption(lblState[s], caption, lblState[s]->width());
    }
}

void Morvik::buildTemperatureControls()
{
    spnTemperature = new QSpinBox(this);
    spnTemperature->setObjectName(QStringLiteral("spnTemperature"));
    place(spnTemperature, Design::spnTemperature);
    spnTemperature->setRange(Design::LowestCelsius, Design::HighestCelsius);
    spnTemperature->setValue(Design::RoomCelsius);
    //: The unit after the number in the temperature box, with its leading blank.
    spnTemperature->setSuffix(tr(" °C"));
    //: What a screen reader calls the temperature box and its slider.
    spnTemperature->setAccessibleName(tr("Temperature"));

    lblKelvin = new QLabel(kelvin(Design::RoomCelsius), this);
    lblKelvin->setObjectName(QStringLiteral("lblKelvin"));
    place(lblKelvin, Design::lblKelvin);
    lblKelvin->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    CaptionFit::fit(lblKelvin, {kelvin(Design::LowestCelsius), kelvin(Design::HighestCelsius)},
                    lblKelvin->width());

    sldTemperature = new QSlider(Qt::Horizontal, this);
    sldTemperature->setObjectName(QStringLiteral("sldTemperature"));
    place(sldTemperature, Design::sldTemperature);
    sldTemperature->setRange(Design::LowestCelsius, Design::HighestCelsius);
    sldTemperature->setPageStep(Design::sldTemperaturePageStep);
    sldTemperature->setValue(Design::RoomCelsius);
    sldTemperature->setFocusPolicy(Qt::StrongFocus);
    sldTemperature->setAccessibleName(spnTemperature->accessibleName());

    // The box holds the temperature; the slider only moves it, so each step recolours once.
    connect(spnTemperature, &QSpinBox::valueChanged, this, [this] { spnTemperature_Change(); });
    connect(sldTemperature, &QSlider::valueChanged, spnTemperature, &QSpinBox::setValue);
    setTabOrder(chkLog, spnTemperature);
    setTabOrder(spnTemperature, sldTemperature);
}

void Morvik::showLegend()
{
    if (m_propertyColours && !picScale) {
        buildScaleLegend();
    }
    if (m_stateColours && !picState[0]) {
        buildStateLegend();
    }
    if (m_propertyColours) {
        // The ends' texts change with each property: each is fitted from the window's font.
        const std::array<std::pair<QLabel *, const std::string *>, 2> ends{
                {{lblScaleLow, &m_propertyColours->lowest},
                 {lblScaleHigh, &m_propertyColours->highest}}};
        for (const auto &[end, value] : ends) {
            end->setText(Shown::text(*value));
            end->setFont(font());
            fitCaption(end, end->text(), end->width());
        }
    }
    if (columnViewShowing()) {
        return; // the view switch shows them when the chart comes back
    }
    QList<QWidget *> every(Picture1.begin(), Picture1.end());
    every.append(QList<QWidget *>(Legend.begin(), Legend.end()));
    if (picScale) {
        every << lblScaleLow << picScale << lblScaleHigh << lblScaleLog << picNoData << lblNoData;
    }
    if (picState[0]) {
        every.append(QList<QWidget *>(picState.begin(), picState.end()));
        every.append(QList<QWidget *>(lblState.begin(), lblState.end()));
    }
    every.append(temperatureControls());
    QList<QWidget *> shown = legendControls();
    if (m_stateColours) {
        shown.append(temperatureControls());
    }
    for (QWidget *control : every) {
        control->setVisible(shown.contains(control));
    }
}

QList<QWidget *> Morvik::legendControls() const
{
    if (m_stateColours) {
        QList<QWidget *> controls(picState.begin(), picState.end());
        controls.append(QList<QWidget *>(lblState.begin(), lblState.end()));
        return controls;
    }
    if (!m_propertyColours) {
        QList<QWidget *> controls(Picture1.begin(), Picture1.end());
        controls.append(QList<QWidget *>(Legend.begin(), Legend.end()));
        return controls;
    }
    QList<QWidget *> controls{lblScaleLow, picScale, lblScaleHigh, picNoData, lblNoData};
    if (m_propertyColours->logarithmic) {
        controls << lblScaleLog;
    }
    return controls;
}

QList<QWidget *> Morvik::temperatureControls() const
{
    if (!spnTemperature) {
        return {};
    }
    return {spnTemperature, lblKelvin, sldTemperature};
}

QString Morvik::colouredValue(int i) const
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

QString Morvik::stateDescription(int i) const
{
    const auto point = [i](Module1::Property p) {
        return Colouring::knownValue(i, p) ? withUnit(i, p) : QString();
    };
    const QString melts = point(Module1::MeltingPoint);
    const QString boils = point(Module1::BoilingPoint);
    const QString state = stateName(m_stateColours->states.at(static_cast<std::size_t>(i)));
    const int celsius = m_stateColours->celsius;
    if (!melts.isEmpty() && !boils.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state: "Liquid at 25 °C (melts at -39 C,
        //: boils at 357 C)".
        return tr("%1 at %2 °C (melts at %3, boils at %4)")
                .arg(state, QString::number(celsius), melts, boils);
    }
    if (!melts.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state, for an element of unknown boiling point.
        return tr("%1 at %2 °C (melts at %3, boiling point not known)")
                .arg(state, QString::number(celsius), melts);
    }
    if (!boils.isEmpty()) {
        //: A tile's tooltip on a chart coloured by state, for an element of unknown melting point.
        return tr("%1 at %2 °C (melting point not known, boils at %3)")
                .arg(state, QString::number(celsius), boils);
    }
    //: A tile's tooltip on a chart coloured by state, for an element with neither point known.
    return tr("%1 at %2 °C (melting and boiling points not known)")
            .arg(state, QString::number(celsius));
}
