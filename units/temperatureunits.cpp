#include "temperatureunits.h"

#include "window/captionfit.h"
#include "window/design.h"
#include "window/parts.h"
#include "window/shown.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace {

using Module1::TemperatureScale;

constexpr std::array<TemperatureScale, 3> Scales{
        TemperatureScale::Celsius, TemperatureScale::Kelvin, TemperatureScale::Fahrenheit};

// The symbols are the same in every language.
const std::array<QString, 3> Symbols{QStringLiteral("°C"), QStringLiteral("K"),
                                     QStringLiteral("°F")};

} // namespace

TemperatureUnits::TemperatureUnits(QWidget &window, Parts &parts)
    : QObject(&window)
{
    // Each window opens in degrees Celsius, as the values are stored.
    Shown::setTemperatureScale(TemperatureScale::Celsius);
    //: Caption of the three options °C, K and °F, and of the context menu offering them; room
    //: for about 20 characters.
    const QString caption = tr("Temperatures in");
    lblTemperaturesIn = new QLabel(caption, &window);
    lblTemperaturesIn->setObjectName(QStringLiteral("lblTemperaturesIn"));
    parts.place(lblTemperaturesIn, Design::lblTemperaturesIn, Part::Units);

    m_menu = new QMenu(caption, &window);
    m_menu->setObjectName(QStringLiteral("temperatureMenu"));
    m_choices = new QActionGroup(this);
    auto *options = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        optScale[at] = new QRadioButton(Symbols[at], &window);
        optScale[at]->setObjectName(QStringLiteral("optScale(%1)").arg(i));
        parts.place(optScale[at], Design::optScale[at], Part::Units);
        optScale[at]->setAccessibleName(caption + QLatin1Char(' ') + Symbols[at]);
        options->addButton(optScale[at], i);

        QAction *choice = m_menu->addAction(Symbols[at]);
        choice->setCheckable(true);
        m_choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, i] { optScale_Click(i); });
    }
    optScale[0]->setChecked(true);
    m_choices->actions().constFirst()->setChecked(true);
    connect(options, &QButtonGroup::idClicked, this, [this](int id) { optScale_Click(id); });
}

void TemperatureUnits::matchFonts(const QFont &caption, const QFont &option)
{
    lblTemperaturesIn->setFont(caption);
    CaptionFit::fit(lblTemperaturesIn, {lblTemperaturesIn->text()}, lblTemperaturesIn->width());
    for (QRadioButton *choice : optScale) {
        choice->setFont(option);
    }
}

void TemperatureUnits::optScale_Click(int Index)
{
    const auto at = static_cast<std::size_t>(Index);
    if (at >= Scales.size() || Shown::temperatureScale() == Scales[at]) {
        return;
    }
    optScale[at]->setChecked(true);
    m_choices->actions().at(Index)->setChecked(true);
    Shown::setTemperatureScale(Scales[at]);
    emit changed();
}
