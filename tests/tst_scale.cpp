// The colouring by a property without any window: where values land on the scale, missing
// values, the logarithmic scale, and captions that read on every colour; and the state of
// matter at a temperature, its rule at every boundary and the examples everyone knows.

#include "colouring/colouring.h"
#include "elementsets.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

using Colouring::scaleColour;
using Colouring::State;

namespace {

constexpr int Darkest = Colouring::ScaleSteps - 1;

int stepOf(Bgr colour)
{
    for (int step = 0; step <= Darkest; ++step) {
        if (scaleColour(step) == colour) {
            return step;
        }
    }
    return -1;
}

// A melting or boiling point, or none.
using Point = std::optional<double>;

} // namespace

Q_DECLARE_METATYPE(Point)
Q_DECLARE_METATYPE(Colouring::State)

class TestScale : public QObject
{
    Q_OBJECT

private slots:
    void init() { Module1::LoadElemData(); }
    void ends_data();
    void ends();
    void orderKept();
    void textWithoutNumberIsNoData();
    void scaleColours();
    void stateRule_data();
    void stateRule();
    void statesAtRoomTemperature();
    void stateExamples_data();
    void stateExamples();
};

void TestScale::ends_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<bool>("log"); // asked for
    QTest::addColumn<bool>("possible"); // all known values positive
    QTest::addColumn<int>("lowestElement");
    QTest::addColumn<int>("highestElement");
    QTest::addColumn<ElementSet>("missing");
    using namespace Module1;
    const ElementSet noDensity = ElementSet{43, 61} + range(84, 109);
    QTest::newRow("density") << int(Density) << false << true << 1 << 76 << noDensity;
    QTest::newRow("density, log") << int(Density) << true << true << 1 << 76 << noDensity;
    QTest::newRow("negative: no log")
            << int(MeltingPoint) << true << false << 2 << 6 << range(96, 109);
    QTest::newRow("zero: no log") << int(LatentHeatOfFusion) << true << false << 2 << 14
                                  << range(85, 109);
    // Element 89's value is the one empty cell.
    QTest::newRow("\"--\" and empty")
            << int(ElectricalConductivity) << false << false << 14 << 47
            << (ElementSet{1, 2, 5, 7, 8, 9, 10, 15, 16, 17, 18, 34, 35, 36, 43, 53, 54, 61}
                + range(84, 89) + range(91, 109));
}

void TestScale::ends()
{
    QFETCH(int, property);
    QFETCH(bool, log);
    QFETCH(bool, possible);
    QFETCH(int, lowestElement);
    QFETCH(int, highestElement);
    QFETCH(ElementSet, missing);
    const Colouring::PropertyColours colours = Colouring::byProperty(property, log);
    QCOMPARE(Colouring::logarithmicPossible(property), possible);
    QCOMPARE(colours.logarithmic, log && possible);
    QCOMPARE(colours.tiles[lowestElement], scaleColour(0));
    QCOMPARE(colours.tiles[highestElement], scaleColour(Darkest));
    ElementSet grey;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (colours.tiles[i] == Colouring::NoData) {
            grey.insert(i);
        }
    }
    QCOMPARE(grey, missing);
}

void TestScale::orderKept()
{
    // A higher value never gets a lighter colour, on either scale; log moves colours only.
    for (int p = 1; p <= Module1::PropCount; ++p) {
        if (!Module1::propertyInfo(p).numeric) {
            continue;
        }
        std::vector<std::pair<double, int>> byValue;
        for (int i = 1; i <= Module1::ElemCount; ++i) {
            if (const auto v = Colouring::knownValue(i, p)) {
                byValue.emplace_back(*v, i);
            }
        }
        std::sort(byValue.begin(), byValue.end());
        const auto linear = Colouring::byProperty(p, false);
        const auto logarithmic = Colouring::byProperty(p, true);
        QCOMPARE(linear.tiles != logarithmic.tiles, logarithmic.logarithmic);
        for (const auto &colours : {linear, logarithmic}) {
            for (std::size_t k = 1; k < byValue.size(); ++k) {
                const int before = stepOf(colours.tiles[byValue[k - 1].second]);
                QVERIFY(before >= 0 && before <= stepOf(colours.tiles[byValue[k].second]));
            }
        }
    }
}

void TestScale::textWithoutNumberIsNoData()
{
    // Not a value of 0; and one known value takes the lightest colour, without dividing by 0.
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        Module1::ElemData[i][Module1::Density] = i == 26 ? "7860" : i == 1 ? "abc" : "--";
    }
    const auto colours = Colouring::byProperty(Module1::Density, true);
    QCOMPARE(colours.tiles[26], scaleColour(0));
    QCOMPARE(colours.tiles[1], Colouring::NoData);
    QCOMPARE(colours.highest, 26);
    QCOMPARE(colours.lowest, 26);
}

void TestScale::scaleColours()
{
    // Viridis' published ends, light first; lightness falls all along (rounding the table to
    // 8 bits leaves a few neighbours level, within 0.2 %).
    QCOMPARE(scaleColour(0), Bgr(0x0025E7FD));
    QCOMPARE(scaleColour(Darkest), Bgr(0x00540144));
    const auto lightness = [](Bgr c) { return Colouring::contrast(c, 0); };
    for (int step = 1; step <= Darkest; ++step) {
        const Bgr colour = scaleColour(step);
        QVERIFY(lightness(colour) <= lightness(scaleColour(step - 1)) * 1.002);
        // Every colour is plainly coloured, the grey of missing values is not.
        const auto [low, high] = std::minmax({colour & 0xFF, colour >> 8 & 0xFF, colour >> 16});
        QVERIFY(high - low > 60);
    }
    QVERIFY(Colouring::NoData % 0x010101 == 0);
    // Captions read on every colour of the scale, on the grey, on Find's red and on the states.
    std::vector<Bgr> backgrounds{Colouring::NoData, 0x000000FF};
    backgrounds.insert(backgrounds.end(), Colouring::StateSwatches.begin(),
                       Colouring::StateSwatches.end());
    for (int step = 0; step <= Darkest; ++step) {
        backgrounds.push_back(scaleColour(step));
    }
    for (const Bgr back : backgrounds) {
        QVERIFY(Colouring::contrast(back, Colouring::captionColour(back)) >= 4.5);
    }
    QCOMPARE(Colouring::captionColour(scaleColour(Darkest)), Colouring::LightCaption);
}

void TestScale::stateRule_data()
{
    QTest::addColumn<Point>("m");
    QTest::addColumn<Point>("b");
    QTest::addColumn<double>("celsius");
    QTest::addColumn<State>("state");
    const Point none;
    // Mercury's points, then arsenic's, which sublimes at b, below its m.
    QTest::newRow("below m") << Point(-39) << Point(357) << -40.0 << State::Solid;
    QTest::newRow("exactly m") << Point(-39) << Point(357) << -39.0 << State::Liquid;
    QTest::newRow("just below b") << Point(-39) << Point(357) << 356.0 << State::Liquid;
    QTest::newRow("exactly b") << Point(-39) << Point(357) << 357.0 << State::Gas;
    QTest::newRow("b equal to m") << Point(100) << Point(100) << 100.0 << State::Gas;
    QTest::newRow("b below m: below b") << Point(817) << Point(613) << 612.0 << State::Solid;
    QTest::newRow("b below m: exactly b") << Point(817) << Point(613) << 613.0 << State::Gas;
    QTest::newRow("b below m: between") << Point(817) << Point(613) << 700.0 << State::Gas;
    QTest::newRow("no b: below m") << Point(641) << none << 640.0 << State::Solid;
    QTest::newRow("no b: exactly m") << Point(641) << none << 641.0 << State::Unknown;
    QTest::newRow("no m: below b") << none << Point(357) << 356.0 << State::Unknown;
    QTest::newRow("no m: exactly b") << none << Point(357) << 357.0 << State::Gas;
    QTest::newRow("neither") << none << none << 25.0 << State::Unknown;
}

void TestScale::stateRule()
{
    QFETCH(Point, m);
    QFETCH(Point, b);
    QFETCH(double, celsius);
    QFETCH(State, state);
    QCOMPARE(Colouring::stateAt(m, b, celsius), state);
}

void TestScale::statesAtRoomTemperature()
{
    std::array<ElementSet, Colouring::StateCount> inState;
    const Colouring::StateColours colours = Colouring::byState(25);
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        inState[static_cast<std::size_t>(colours.states[i])].insert(i);
        QCOMPARE(colours.tiles[i],
                 Colouring::StateSwatches[static_cast<std::size_t>(colours.states[i])]);
    }
    const ElementSet liquid{35, 80};
    const ElementSet gas{1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
    const ElementSet unknown = range(96, 109); // neither point known
    QCOMPARE(inState[int(State::Liquid)], liquid);
    QCOMPARE(inState[int(State::Gas)], gas);
    QCOMPARE(inState[int(State::Unknown)], unknown);
    QCOMPARE(inState[int(State::Solid)], range(1, 109) - liquid - gas - unknown);
}

void TestScale::stateExamples_data()
{
    QTest::addColumn<int>("celsius");
    QTest::addColumn<ElementSet>("elements");
    QTest::addColumn<State>("state");
    QTest::newRow("29: gallium") << 29 << ElementSet{31} << State::Solid;
    QTest::newRow("30: gallium") << 30 << ElementSet{31} << State::Liquid;
    QTest::newRow("1000: aluminium") << 1000 << ElementSet{13} << State::Liquid;
    QTest::newRow("1000: mercury, sodium") << 1000 << ElementSet{80, 11} << State::Gas;
    QTest::newRow("1000: iron, gold") << 1000 << ElementSet{26, 79} << State::Solid;
    QTest::newRow("1000: plutonium, above m, no b") << 1000 << ElementSet{94} << State::Unknown;
    QTest::newRow("613: arsenic, from its b below m") << 613 << ElementSet{33} << State::Gas;
}

void TestScale::stateExamples()
{
    QFETCH(int, celsius);
    QFETCH(ElementSet, elements);
    QFETCH(State, state);
    for (const int i : elements) {
        QVERIFY2(Colouring::stateOf(i, celsius) == state, qPrintable(QString::number(i)));
    }
}

QTEST_APPLESS_MAIN(TestScale)
#include "tst_scale.moc"
