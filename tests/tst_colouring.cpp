// The chart coloured by a property or by state in the window: the "Colour by" choice, the
// temperature, the legend, the tiles' tooltips, Find and Refresh on a coloured chart, and the
// view switch.

#include "colouring/chartcolouring.h"
#include "colouring/colourbar.h"
#include "plot/trendplot.h"
#include "tools/findrecords.h"
#include "units/temperatureunits.h"
#include "window/clicklabel.h"
#include "windowtest.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolTip>

#include <QListWidget>
#include <clocale>

namespace {

// The desktop's palette for as long as it lives, as a desktop theme sets it.
class DesktopPalette
{
public:
    explicit DesktopPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~DesktopPalette() { QApplication::setPalette(m_before); }
    DesktopPalette(const DesktopPalette &) = delete;
    DesktopPalette &operator=(const DesktopPalette &) = delete;

private:
    QPalette m_before = QApplication::palette();
};

// A dark desktop theme's palette, as Qt takes it from GNOME's Adwaita dark.
QPalette darkDesktop()
{
    QPalette dark;
    for (const auto &[role, colour] : {std::pair{QPalette::Window, "#323232"},
                                       {QPalette::WindowText, "#f0f0f0"},
                                       {QPalette::Base, "#242424"},
                                       {QPalette::Text, "#f0f0f0"},
                                       {QPalette::Button, "#323232"},
                                       {QPalette::ButtonText, "#f0f0f0"}}) {
        dark.setColor(role, QColor(QLatin1String(colour)));
    }
    return dark;
}

// The contrast ratio of two colours (WCAG 2): 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    return Colouring::contrast(toBgr(a), toBgr(b));
}

} // namespace

class TestColouring : public WindowTest
{
    Q_OBJECT

public:
    TestColouring()
        : WindowTest(Start::Shown)
    { }

private slots:
    void choice();
    void chooseWithTheMouse();
    void legend_data();
    void legend();
    void tooltips_data();
    void tooltips();
    void findThenRefreshOrRecolour_data();
    void findThenRefreshOrRecolour();
    void viewSwitchAndLocale();
    void stateControls();
    void temperature_data();
    void temperature();
    void typedTemperatures_data();
    void typedTemperatures();
    void statesAlikeInEveryScale_data();
    void statesAlikeInEveryScale();
    void textReadableOnEveryDesktop_data();
    void textReadableOnEveryDesktop();

private:
    // The lowest contrast of a text with what it is drawn on: a surface of its own, or the
    // window's background under a caption.
    static double surfaceContrast(const QWidget *surface, QPalette::ColorRole text,
                                  QPalette::ColorRole back);
    double captionContrast(QWidget *caption) const;
    // Each step an entry chosen with the arrow keys on the closed list, the name of a control
    // to click, or a temperature typed into its box ("1000 °C").
    void act(const QStringList &steps);
    void choose(const QString &entry) { act({entry}); }
    QList<QColor> tileColours() const;
    // Whether one of these overlaps another visible control or leaves the given room.
    bool crowded(const QList<QWidget *> &controls, const TwipsRect &room) const;
};

void TestColouring::act(const QStringList &steps)
{
    QComboBox *choice = m_window->colouring().cboColourBy;
    for (const QString &step : steps) {
        if (auto *control = m_window->findChild<QWidget *>(step)) {
            click(control);
            continue;
        }
        if (step.endsWith(QStringLiteral(" °C"))) {
            QSpinBox *box = m_window->colouring().spnTemperature;
            QVERIFY(box && box->isVisible());
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, step.chopped(3));
            QCOMPARE(box->text(), step);
            continue;
        }
        const int wanted = choice->findText(step);
        QVERIFY2(wanted >= 0, qPrintable(step));
        choice->setFocus();
        for (int k = 0; k < choice->count() && choice->currentIndex() != wanted; ++k) {
            QTest::keyClick(choice, wanted > choice->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
        }
        QCOMPARE(choice->currentIndex(), wanted);
    }
}

QList<QColor> TestColouring::tileColours() const
{
    QList<QColor> colours;
    for (int i = 1; i < Morvik::TileCount; ++i) {
        colours << tileColour(i);
    }
    return colours;
}

bool TestColouring::crowded(const QList<QWidget *> &controls, const TwipsRect &room) const
{
    for (QWidget *control : controls) {
        if (!room.toPixels().contains(control->geometry())) {
            return true;
        }
        for (QWidget *other : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != control && other->isVisible()
                && other->geometry().intersects(control->geometry())) {
                return true;
            }
        }
    }
    return false;
}

void TestColouring::choice()
{
    QStringList entries;
    for (int i = 0; i < m_window->colouring().cboColourBy->count(); ++i) {
        entries << m_window->colouring().cboColourBy->itemText(i);
    }
    QCOMPARE(entries.join('|'),
             "Class|Atomic no.|Atomic wt. [amu]|Atomic radius [A]|Boiling point [C]|"
             "Melting point [C]|Density [kg/m^3]|Latent ht. of vapor [kJ/mol]|"
             "Latent ht. of fusion [kJ/mol]|Elect. cond. [10^6/ohm-cm]|Thermal cond. [W/m-C]|"
             "Sp ht capacity [kJ/kg-C]|Ionization potential [V]|Electro negativity|Valency|"
             "Equivalent weight [amu]|Year of discovery|State at temperature");
    QCOMPARE(m_window->colouring().cboColourBy->currentText(), QStringLiteral("Class"));
    QCOMPARE(m_window->colouring().cboColourBy->accessibleName(), QStringLiteral("Colour by"));
    QCOMPARE(m_window->colouring().lblColourBy->text(), QStringLiteral("Colour by"));
    QVERIFY(!m_window->colouring().chkLog->isEnabled());
    QVERIFY(!m_window->colouring().picScale); // built on first use
    // Row 1's empty stretch between hydrogen and helium.
    QVERIFY(!crowded({m_window->colouring().lblColourBy, m_window->colouring().cboColourBy,
                      m_window->colouring().chkLog},
                     {990, 330, 8865 - 990, 300}));

    // Ctrl+L, then the arrow keys on the closed list; Tab goes on to the Log box.
    QTest::keyClick(m_window, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), m_window->colouring().cboColourBy);
    QTest::keyClick(m_window->colouring().cboColourBy, Qt::Key_Down);
    QCOMPARE(tileColour(1), fromBgr(Colouring::scaleColour(0)));
    QTest::keyClick(m_window->colouring().cboColourBy, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->colouring().chkLog);
}

void TestColouring::chooseWithTheMouse()
{
    click(m_window->colouring().cboColourBy);
    QAbstractItemView *list = m_window->colouring().cboColourBy->view();
    QTRY_VERIFY(list->isVisible());
    const QPoint density = list->visualRect(list->model()->index(6, 0)).center();
    QTest::mouseMove(list->viewport(), density); // the pointer moves to the entry, then clicks
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, density);
    QTRY_COMPARE(m_window->colouring().cboColourBy->currentText(),
                 QStringLiteral("Density [kg/m^3]"));
    // White on osmium's dark tile, the dark text on hydrogen's light one.
    QCOMPARE(m_window->lblElem[76]->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(m_window->lblElem[1]->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TestColouring::legend_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("ends"); // the texts at the bar's ends, "|" between
    QTest::addColumn<bool>("log");
    QTest::newRow("density") << QStringList{"Density [kg/m^3]"} << "71 kg/m^3|22600 kg/m^3"
                             << false;
    QTest::newRow("density, log, after a sheet")
            << QStringList{"lblElem(26)", "Density [kg/m^3]", "chkLog"} << "71 kg/m^3|22600 kg/m^3"
            << true;
    QTest::newRow("widest texts") << QStringList{"Sp ht capacity [kJ/kg-C]", "chkLog"}
                                  << "0.121 kJ/kg-C|14.442 kJ/kg-C" << true;
}

void TestColouring::legend()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, ends);
    QFETCH(bool, log);
    act(steps);
    QCOMPARE(m_window->colouring().lblScaleLow->text() + '|'
                     + m_window->colouring().lblScaleHigh->text(),
             ends);
    QCOMPARE(m_window->colouring().lblScaleLog->isVisible(), log);
    QCOMPARE(m_window->colouring().lblNoData->text(), QStringLiteral("No data"));
    QCOMPARE(m_window->colouring().picNoData->palette().color(QPalette::Window),
             fromBgr(Colouring::NoData));
    QVERIFY(!m_window->Picture1[0]->isVisible() && !m_window->Legend[2]->isVisible());
    // In the class legend's row, every text whole and read out by a screen reader.
    QVERIFY(!crowded({m_window->colouring().lblScaleLow, m_window->colouring().picScale,
                      m_window->colouring().lblScaleHigh, m_window->colouring().lblScaleLog,
                      m_window->colouring().picNoData, m_window->colouring().lblNoData},
                     {2250, 660, 6390 - 2250, 250}));
    for (QLabel *text : {m_window->colouring().lblScaleLow, m_window->colouring().lblScaleHigh,
                         m_window->colouring().lblScaleLog, m_window->colouring().lblNoData}) {
        QVERIFY(text->fontMetrics().horizontalAdvance(text->text()) <= text->width());
        QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name),
                 text->text());
    }
    choose(QStringLiteral("Class"));
    QVERIFY(m_window->Picture1[0]->isVisible() && m_window->Legend[2]->isVisible());
    QVERIFY(!m_window->colouring().picScale->isVisible()
            && !m_window->colouring().lblScaleLow->isVisible());
}

void TestColouring::tooltips_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("description");
    QTest::newRow("iron") << QStringList{"Density [kg/m^3]"} << 26
                          << " 26. Iron (Fe)\nDensity: 7860 kg/m^3"
                          << "Metal, Density: 7860 kg/m^3";
    QTest::newRow("technetium") << QStringList{"Density [kg/m^3]"} << 43
                                << " 43. Technetium (Tc)\nDensity: no data"
                                << "Metal, Density: no data";
    QTest::newRow("back to class") << QStringList{"Class"} << 8 << " 8. Oxygen (O)"
                                   << "Non-metal";
    const QString mercury = "Liquid at 25 °C (melts at -39 C, boils at 357 C)";
    QTest::newRow("mercury") << QStringList{"State at temperature"} << 80
                             << " 80. Mercury (Hg)\n" + mercury << "Metal, " + mercury;
    QTest::newRow("plutonium, no b")
            << QStringList{"State at temperature", "1000 °C"} << 94
            << " 94. Plutonium (Pu)\nUnknown at 1000 °C (melts at 641 C, boiling point not known)"
            << "Metal, Unknown at 1000 °C (melts at 641 C, boiling point not known)";
    QTest::newRow("curium, neither")
            << QStringList{"State at temperature", "-273 °C"} << 96
            << " 96. Curium (Cm)\nUnknown at -273 °C (melting and boiling points not known)"
            << "Metal, Unknown at -273 °C (melting and boiling points not known)";
}

void TestColouring::tooltips()
{
    QFETCH(QStringList, steps);
    QFETCH(int, element);
    QFETCH(QString, tooltip);
    QFETCH(QString, description);
    choose(QStringLiteral("Valency"));
    act(steps);
    QCOMPARE(m_window->lblElem[element]->toolTip(), tooltip);
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window->lblElem[element])
                     ->text(QAccessible::Description),
             description);
}

void TestColouring::findThenRefreshOrRecolour_data()
{
    QTest::addColumn<QStringList>("from");
    QTest::addColumn<QString>("then"); // Refresh, or a recolouring
    const QStringList density{"Density [kg/m^3]"};
    const QStringList states{"State at temperature", "25 °C"};
    QTest::newRow("refresh") << density << "Command6";
    QTest::newRow("class to property") << QStringList{"Class"} << "Density [kg/m^3]";
    QTest::newRow("property to property") << density << "Melting point [C]";
    QTest::newRow("log box") << density << "chkLog";
    QTest::newRow("property to class") << density << "Class";
    QTest::newRow("states: refresh") << states << "Command6";
    QTest::newRow("class to states") << QStringList{"Class"} << "State at temperature";
    QTest::newRow("temperature step") << states << "1000 °C";
}

void TestColouring::findThenRefreshOrRecolour()
{
    QFETCH(QStringList, from);
    QFETCH(QString, then);
    // What the chart shows without marks, before and after.
    act(from);
    const QList<QColor> before = tileColours();
    act({then});
    const QList<QColor> after = tileColours();
    act(QStringList{"Class"} + from); // back to the start, the Log box cleared

    find(QStringLiteral("h"));
    QCOMPARE(tilesColoured(Palette::Found), (ElementSet{1, 2, 67, 72, 80}));
    QFile file(findFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const auto &record : FindRecords::parse(file.readAll().toStdString())) {
        QCOMPARE(fromBgr(record.color), before[record.element - 1]);
    }
    file.close();
    act({then}); // undoes the marks first, as a new Find does
    QVERIFY(!file.exists());
    QCOMPARE(tileColours(), after);
    click(m_window->Command6);
    QCOMPARE(tileColours(), after);
}

void TestColouring::viewSwitchAndLocale()
{
    // A decimal comma in Qt's number format, and in the C library's where it is installed,
    // changes nothing.
    QLocale::setDefault(QLocale(QLocale::German));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    choose(QStringLiteral("Atomic radius [A]"));
    act({"chkLog"});
    const QList<QColor> coloured = tileColours();
    QCOMPARE(m_window->colouring().lblScaleLow->text(), QStringLiteral("0.490 A"));
    std::setlocale(LC_ALL, "C.UTF-8");
    QLocale::setDefault(QLocale::c());
    choose(QStringLiteral("Class"));
    choose(QStringLiteral("Atomic radius [A]"));
    act({"chkLog"});
    QCOMPARE(tileColours(), coloured);

    enterColumnView();
    QVERIFY(!m_window->colouring().cboColourBy->isVisible()
            && !m_window->colouring().picScale->isVisible());
    QVERIFY(!m_window->colouring().lblScaleLog->isVisible() && !m_window->Legend[0]->isVisible());
    QTest::keyClick(m_window, Qt::Key_L, Qt::ControlModifier); // nothing to focus here
    QVERIFY(QApplication::focusWidget() != m_window->colouring().cboColourBy);
    click(m_window->Command1);
    QCOMPARE(tileColours(), coloured);
    QVERIFY(m_window->colouring().picScale->isVisible()
            && m_window->colouring().lblScaleLog->isVisible());
    QVERIFY(!m_window->Picture1[1]->isVisible() && m_window->colouring().chkLog->isChecked());
}

void TestColouring::stateControls()
{
    QVERIFY(!m_window->colouring().spnTemperature
            && !m_window->colouring().picState[0]); // built on first use
    choose(QStringLiteral("State at temperature"));
    QSpinBox *box = m_window->colouring().spnTemperature;
    QSlider *slider = m_window->colouring().sldTemperature;
    QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
             QStringLiteral("Temperature"));
    QCOMPARE(box->text(), QStringLiteral("25 °C"));
    QCOMPARE(m_window->colouring().lblKelvin->text(), QStringLiteral("298.15 K"));

    // Four swatches and captions in the legend row, the temperature in the strip below it;
    // every text whole at its widest and read out by a screen reader.
    QStringList captions;
    QList<QWidget *> legend;
    for (int s = 0; s < Colouring::StateCount; ++s) {
        QLabel *caption = m_window->colouring().lblState[s];
        captions << QAccessible::queryAccessibleInterface(caption)->text(QAccessible::Name);
        QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
        legend << m_window->colouring().picState[s] << caption;
    }
    QCOMPARE(captions.join('|'), QStringLiteral("Solid|Liquid|Gas|Unknown"));
    QVERIFY(!crowded(legend, {2250, 660, 6390 - 2250, 250}));
    QVERIFY(!crowded({box, m_window->colouring().lblKelvin, slider},
                     {1485, 930, 6390 - 1485, 360}));
    QVERIFY(box->sizeHint().width() <= box->width());
    QVERIFY(m_window->colouring().lblKelvin->fontMetrics().horizontalAdvance("6273.15 K")
            <= m_window->colouring().lblKelvin->width());

    // Tab goes on from "Colour by" (Log is off for the states) to the box, then the slider,
    // then the plot's button beside them.
    m_window->colouring().cboColourBy->setFocus();
    QList<QWidget *> reached;
    for (int k = 0; k < 3; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QCOMPARE(reached, (QList<QWidget *>{box, slider, m_window->plot().cmdPlot}));

    // The view switch hides and shows them with the chart; "Class" takes them away.
    enterColumnView();
    QVERIFY(!box->isVisible() && !slider->isVisible()
            && !m_window->colouring().lblState[3]->isVisible());
    click(m_window->Command1);
    QVERIFY(box->isVisible() && m_window->colouring().lblKelvin->isVisible()
            && m_window->colouring().picState[0]->isVisible());
    choose(QStringLiteral("Class"));
    QVERIFY(!box->isVisible() && !slider->isVisible()
            && !m_window->colouring().picState[1]->isVisible());
    QVERIFY(m_window->Picture1[0]->isVisible() && m_window->Legend[2]->isVisible());
}

void TestColouring::temperature_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QTestEventList>("input");
    QTest::addColumn<int>("celsius");
    QTest::addColumn<QString>("kelvin");
    QTestEventList typed;
    typed.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    typed.addKeyClicks(QStringLiteral("1000"));
    const auto key = [](Qt::Key k) {
        QTestEventList keys;
        keys.addKeyClick(k);
        return keys;
    };
    QTest::newRow("typed") << "spnTemperature" << typed << 1000 << "1273.15 K";
    QTest::newRow("box, up") << "spnTemperature" << key(Qt::Key_Up) << 26 << "299.15 K";
    QTest::newRow("box, page down")
            << "spnTemperature" << key(Qt::Key_PageDown) << 15 << "288.15 K";
    QTest::newRow("slider, page up")
            << "sldTemperature" << key(Qt::Key_PageUp) << 125 << "398.15 K";
    QTest::newRow("slider, home") << "sldTemperature" << key(Qt::Key_Home) << -273 << "0.15 K";
}

void TestColouring::temperature()
{
    QFETCH(QString, control);
    QFETCH(QTestEventList, input);
    QFETCH(int, celsius);
    QFETCH(QString, kelvin);
    choose(QStringLiteral("State at temperature"));
    auto *target = m_window->findChild<QWidget *>(control);
    target->setFocus();
    input.simulate(target);
    // The box and the slider in step, and every tile in its state's colour there.
    QCOMPARE(m_window->colouring().spnTemperature->value(), celsius);
    QCOMPARE(m_window->colouring().sldTemperature->value(), celsius);
    QCOMPARE(m_window->colouring().lblKelvin->text(), kelvin);
    const Colouring::StateColours states = Colouring::byState(celsius);
    for (int i = 1; i < Morvik::TileCount; ++i) {
        QCOMPARE(tileColour(i), fromBgr(states.tiles[i]));
    }
}

void TestColouring::textReadableOnEveryDesktop_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::addColumn<double>("scale");
    QTest::newRow("light default") << QApplication::palette() << 1.0;
    QTest::newRow("dark theme") << darkDesktop() << 1.0;
    // Larger, the option and check boxes carry a style sheet for their boxes' size.
    QTest::newRow("dark theme, twice the size") << darkDesktop() << 2.0;
}

void TestColouring::textReadableOnEveryDesktop()
{
    QFETCH(QPalette, desktop);
    QFETCH(double, scale);
    const DesktopPalette theme(desktop);
    // The window as it opens on that desktop, then made larger.
    delete m_window;
    m_window = new Morvik(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->resize((QSizeF(m_window->size()) * scale).toSize());
    QTRY_COMPARE(m_window->parts().scale(), scale);
    constexpr double Readable = 4.5; // WCAG AA for text
    click(m_window->lblElem[26]);
    const auto tilesReadable = [this] {
        for (int i = 1; i < Morvik::TileCount; ++i) {
            const QWidget *tile = m_window->lblElem[i];
            QVERIFY2(surfaceContrast(tile, QPalette::WindowText, QPalette::Window) >= Readable,
                     qPrintable(tile->objectName()));
        }
    };
    tilesReadable();
    for (int g = 1; g < Morvik::GroupCount; ++g) {
        const QWidget *number = m_window->Label1[g];
        QVERIFY2(surfaceContrast(number, QPalette::WindowText, QPalette::Window) >= Readable,
                 qPrintable(number->objectName()));
    }
    QVERIFY(surfaceContrast(m_window->PropsList, QPalette::Text, QPalette::Base) >= Readable);
    QList<QWidget *> captions{m_window->Label2[0], m_window->Label2[1], m_window->Label3,
                              m_window->Label5, m_window->Label7};
    captions << QList<QWidget *>(m_window->Legend.begin(), m_window->Legend.end())
             << QList<QWidget *>(m_window->Label6.begin(), m_window->Label6.end())
             << QList<QWidget *>(m_window->units().optScale.begin(),
                                 m_window->units().optScale.end())
             << m_window->colouring().chkLog;
    for (QWidget *caption : captions) {
        QVERIFY2(captionContrast(caption) >= Readable, qPrintable(caption->objectName()));
    }
    // The states' tiles and legend, and the temperature in kelvin.
    m_window->colouring().cboColourBy->setFocus();
    QTest::keyClick(m_window->colouring().cboColourBy, Qt::Key_End);
    captions = {m_window->colouring().lblKelvin};
    captions << QList<QWidget *>(m_window->colouring().lblState.begin(),
                                 m_window->colouring().lblState.end());
    for (QWidget *caption : captions) {
        QVERIFY2(captionContrast(caption) >= Readable, qPrintable(caption->objectName()));
    }
    tilesReadable();

    enterColumnView();
    for (const QListWidget *list : m_window->List1) {
        QVERIFY2(surfaceContrast(list, QPalette::Text, QPalette::Base) >= Readable,
                 qPrintable(list->objectName()));
    }
    for (QWidget *caption : QList<QWidget *>{m_window->Label4, m_window->lblRankBy}) {
        QVERIFY2(captionContrast(caption) >= Readable, qPrintable(caption->objectName()));
    }
}

double TestColouring::surfaceContrast(const QWidget *surface, QPalette::ColorRole text,
                                      QPalette::ColorRole back)
{
    return contrast(surface->palette().color(text), surface->palette().color(back));
}

double TestColouring::captionContrast(QWidget *caption) const
{
    caption->hide();
    const QImage under = m_window->grab(caption->geometry()).toImage();
    caption->show();
    const QColor text = caption->palette().color(caption->foregroundRole());
    double lowest = 21;
    for (int y = 0; y < under.height(); ++y) {
        for (int x = 0; x < under.width(); ++x) {
            lowest = std::min(lowest, contrast(text, under.pixelColor(x, y)));
        }
    }
    return lowest;
}

void TestColouring::typedTemperatures_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("degrees"); // what the box then holds
    QTest::addColumn<QString>("word"); // the start of what it says beside itself, if anything
    QTest::newRow("German decimal comma") << "de_DE"
                                          << "25,5" << 26 << QString();
    QTest::newRow("a point in German") << "de_DE"
                                       << "25.5" << 26 << QString();
    QTest::newRow("German thousands") << "de_DE"
                                      << "5.000" << 5000 << QString();
    QTest::newRow("English thousands") << "en_US"
                                       << "5,000" << 5000 << QString();
    QTest::newRow("a comma in English") << "en_US"
                                        << "25,5" << 26 << QString();
    QTest::newRow("the minus sign") << "en_US"
                                    << "\u2212"
                                       "40"
                                    << -40 << QString();
    QTest::newRow("below absolute zero") << "en_US"
                                         << "-300" << -273 << "-273 °C is the lowest";
    QTest::newRow("above the range") << "de_DE"
                                     << "6001" << 6000 << "6000 °C is the highest";
    QTest::newRow("an exponent") << "en_US"
                                 << "1e9" << 6000 << "6000 °C is the highest";
    QTest::newRow("no number: back to what it was") << "en_US"
                                                    << "-" << 25 << QString();
}

void TestColouring::typedTemperatures()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(int, degrees);
    QFETCH(QString, word);
    ChartColouring &colouring = m_window->colouring();
    colouring.cboColourBy->setCurrentIndex(colouring.cboColourBy->count() - 1);
    QSpinBox *box = colouring.spnTemperature;
    box->setLocale(QLocale(locale));
    QToolTip::hideText();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : typed) { // as a keyboard types them, the minus sign too
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, Qt::NoModifier);
    }
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->value(), degrees);
    QCOMPARE(box->text(), QString::number(degrees) + QStringLiteral(" °C"));
    if (word.isEmpty()) {
        QVERIFY(!QToolTip::isVisible());
    } else {
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().startsWith(word), qPrintable(QToolTip::text()));
    }
    // The chart shows the states at what the box says.
    QVERIFY(m_window->lblElem[26]->toolTip().contains(QString::number(degrees) + " °C"));
}

void TestColouring::statesAlikeInEveryScale_data()
{
    QTest::addColumn<int>("scale"); // 1 kelvin, 2 Fahrenheit
    QTest::addColumn<int>("room"); // room temperature there
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("beside"); // the temperature beside the box, exact
    QTest::addColumn<QString>("typed"); // ... once room temperature is typed in that scale
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("298 K") << 1 << 298 << " K"
                           << "25.00 °C"
                           << "24.85 °C" << 0 << 6273;
    QTest::newRow("77 °F") << 2 << 77 << " °F"
                           << "298.15 K"
                           << "298.15 K" << -459 << 10832;
}

void TestColouring::statesAlikeInEveryScale()
{
    QFETCH(int, scale);
    QFETCH(int, room);
    QFETCH(QString, suffix);
    QFETCH(QString, beside);
    QFETCH(QString, typed);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    ChartColouring &colouring = m_window->colouring();
    colouring.cboColourBy->setCurrentIndex(colouring.cboColourBy->count() - 1);
    QList<QColor> at25;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        at25 << tileColour(i);
    }
    const auto sameStates = [&] {
        for (int i = 1; i <= Module1::ElemCount; ++i) {
            QVERIFY2(tileColour(i) == at25[i - 1], qPrintable(QString::number(i)));
        }
    };
    // Changing the scale changes what the box says, never the temperature.
    m_window->units().optScale_Click(scale);
    QSpinBox *box = colouring.spnTemperature;
    QCOMPARE(box->value(), room);
    QCOMPARE(box->suffix(), suffix);
    QCOMPARE(box->minimum(), lowest);
    QCOMPARE(box->maximum(), highest);
    QCOMPARE(colouring.lblKelvin->text(), beside);
    QVERIFY(m_window->lblElem[80]->toolTip().contains(QString::number(room) + suffix));
    sameStates();
    // Typed in that scale, room temperature gives the chart of 25 °C too.
    box->setValue(room + 500);
    box->setValue(room);
    sameStates();
    QCOMPARE(colouring.sldTemperature->value(), room);
    QCOMPARE(colouring.lblKelvin->text(), typed);
}

QTEST_MAIN(TestColouring)
#include "tst_colouring.moc"
