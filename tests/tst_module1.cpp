// The shared routines of the data module: numeric value, descending rank, range membership and
// the lines of the property sheet.

#include "data/Module1.h"
#include "data/classes.h"

#include <QTest>

#include <clocale>

using Module1::ElemData;

Q_DECLARE_METATYPE(std::vector<std::string>)
Q_DECLARE_METATYPE(std::vector<int>)

class TestModule1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Module1::LoadElemData(); }

    void numericValue_data();
    void numericValue();
    void numericValueIgnoresLocale();
    void rankDescending_data();
    void rankDescending();
    void rankBelowTheStartBound();
    void isInRange_data();
    void isInRange();
    void sheetLines_data();
    void sheetLines();
    void sheetValuesStartAtColumn24();
    void unitRowWrittenBySheet();
    void propertyTable_data();
    void propertyTable();
    void otherNames_data();
    void otherNames();
    void temperaturesInEachScale_data();
    void temperaturesInEachScale();
};

void TestModule1::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "3000" << 3000.0;
    QTest::newRow("negative") << "-253" << -253.0;
    QTest::newRow("decimals") << "55.847" << 55.847;
    QTest::newRow("missing") << "--" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("name") << "Hydrogen" << 0.0;
    QTest::newRow("leading number of a text") << "1766 and later" << 1766.0;
    QTest::newRow("configuration") << "[Ar] 4s2 3d6" << 0.0;
    QTest::newRow("leading blank") << "  12.5" << 12.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("comma is not a decimal separator") << "1,5" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("incomplete exponent") << "2e" << 2.0;
    QTest::newRow("huge") << "1e999" << 1.0e308;
    QTest::newRow("tiny") << "1e-999" << 0.0;
}

void TestModule1::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Module1::numericValue(text.toStdString()), value);
}

void TestModule1::numericValueIgnoresLocale()
{
    // A user whose locale writes a decimal comma still reads "." as the separator.
    const char *german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (german == nullptr) {
        german = std::setlocale(LC_NUMERIC, "C.UTF-8");
    }
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(Module1::numericValue("55.847"), 55.847);
    QCOMPARE(Module1::numericValue("1,5"), 1.0);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
}

void TestModule1::rankDescending_data()
{
    QTest::addColumn<std::vector<std::string>>("values"); // entry 0 unused
    QTest::addColumn<std::vector<int>>("ranks");
    QTest::newRow("ties: the higher index ranks first")
            << std::vector<std::string>{"", "3", "5", "5", "1"} << std::vector<int>{0, 3, 2, 1, 4};
    QTest::newRow("missing between negative and positive")
            << std::vector<std::string>{"", "-253", "--", "12"} << std::vector<int>{0, 3, 2, 1};
    QTest::newRow("all equal") << std::vector<std::string>{"", "7", "7", "7", "7"}
                               << std::vector<int>{0, 4, 3, 2, 1};
    QTest::newRow("texts count 0, above negatives")
            << std::vector<std::string>{"", "Iron", "-1", "", "0.5"}
            << std::vector<int>{0, 3, 4, 2, 1};
    QTest::newRow("decimals") << std::vector<std::string>{"", "1.008", "1.01", "1.0001"}
                              << std::vector<int>{0, 2, 1, 3};
}

void TestModule1::rankDescending()
{
    QFETCH(std::vector<std::string>, values);
    QFETCH(std::vector<int>, ranks);
    std::vector<int> result(values.size(), -5);
    Module1::RankDescending(static_cast<int>(values.size() - 1), values, result);
    result[0] = 0; // entry 0 is not the routine's
    QCOMPARE(result, ranks);
}

void TestModule1::rankBelowTheStartBound()
{
    // Values below -1000000 never appear in the table; they still get distinct ranks, last.
    const std::vector<std::string> values{"", "-2000000", "5", "-3000000"};
    std::vector<int> ranks(4, 0);
    Module1::RankDescending(3, values, ranks);
    QCOMPARE(ranks, (std::vector<int>{0, 2, 1, 3}));
    // Too few values for the count is refused, not read past the end.
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Module1::RankDescending(9, values, ranks));
}

void TestModule1::isInRange_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("result");
    // Items: 0 "", 1 "Iron", 2 "Gold", 3 "", 4 "Lead"
    QTest::newRow("found forward") << "Gold" << 1 << 4 << 1 << 1;
    QTest::newRow("outside the walk") << "Lead" << 1 << 3 << 1 << 0;
    QTest::newRow("found backward") << "Iron" << 4 << 1 << -1 << 1;
    QTest::newRow("empty walk forward") << "Iron" << 3 << 1 << 1 << 0;
    QTest::newRow("empty walk backward") << "Iron" << 1 << 3 << -1 << 0;
    QTest::newRow("exact, case matters") << "iron" << 1 << 4 << 1 << 0;
    QTest::newRow("step 2 skips") << "Gold" << 1 << 4 << 2 << 0;
    QTest::newRow("walk past the array") << "Lead" << 3 << 109 << 1 << 1;
    QTest::newRow("zero step") << "Iron" << 1 << 4 << 0 << 0;
}

void TestModule1::isInRange()
{
    QFETCH(QString, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, step);
    QFETCH(int, result);
    const std::vector<std::string> items{"", "Iron", "Gold", "", "Lead"};
    QCOMPARE(Module1::IsInRange(value.toStdString(), items, from, to, step), result);
}

void TestModule1::sheetLines_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("H name") << 1 << 0 << "Name\t\t\tHydrogen";
    QTest::newRow("H symbol") << 1 << 1 << "Symbol\t\t\tH";
    QTest::newRow("H number") << 1 << 2 << "Atomic number\t\t1";
    QTest::newRow("H weight") << 1 << 3 << "Atomic weight\t\t1.008 amu";
    QTest::newRow("H conductivity") << 1 << 10 << "Electrical conduct.\t-- 10^6/ohm-cm";
    QTest::newRow("H specific heat") << 1 << 12 << "Specific heat capacity\t14.442 kJ/kg-C";
    QTest::newRow("H applications") << 1 << 21 << "Applications\t\tRocket fuel";
    QTest::newRow("Fe density") << 26 << 7 << "Density\t\t\t7860 kg/m^3";
    QTest::newRow("Fe latent heat") << 26 << 8 << "Latent ht. of vapor\t354.1 kJ/mol";
    QTest::newRow("Fe thermal") << 26 << 11 << "Thermal conduct.\t75.348 W/m-C";
    QTest::newRow("Fe valency") << 26 << 15 << "Valency\t\t\t2";
    QTest::newRow("Fe equivalent weight") << 26 << 16 << "Equivalent weight\t27.92 amu";
    QTest::newRow("Fe crystal") << 26 << 17 << "Crystal structure\tBody centered";
    QTest::newRow("Fe discovered by") << 26 << 18 << "Discovered by\t\t--";
    QTest::newRow("Fe config") << 26 << 20 << "Electronic config.\t[Ar] 4s2 3d6";
    QTest::newRow("Ac empty conductivity") << 89 << 10 << "Electrical conduct.\t 10^6/ohm-cm";
    QTest::newRow("Ac missing radius") << 89 << 4 << "Atomic radius\t\t-- A";
    QTest::newRow("Ac missing heat") << 89 << 8 << "Latent ht. of vapor\t-- kJ/mol";
}

void TestModule1::sheetLines()
{
    QFETCH(int, element);
    QFETCH(int, line);
    QFETCH(QString, text);
    const std::vector<std::string> lines = Module1::SheetLines(element);
    QCOMPARE(static_cast<int>(lines.size()), 22);
    QCOMPARE(QString::fromStdString(lines[static_cast<std::size_t>(line)]), text);
}

void TestModule1::sheetValuesStartAtColumn24()
{
    // With tab stops every 8 cells every value starts at column 24, and a line without a unit
    // ends with its value.
    for (int e = 1; e <= Module1::ElemCount; ++e) {
        const std::vector<std::string> lines = Module1::SheetLines(e);
        for (int p = 1; p <= 22; ++p) {
            const std::string &line = lines[static_cast<std::size_t>(p - 1)];
            int column = 0;
            std::size_t i = 0;
            for (; i < line.size() && (line[i] != '\t' || column < 24); ++i) {
                column = line[i] == '\t' ? (column / 8 + 1) * 8 : column + 1;
                if (line[i] == '\t' && (i + 1 == line.size() || line[i + 1] != '\t')) {
                    ++i;
                    break;
                }
            }
            QCOMPARE(column, 24);
            QCOMPARE(line.substr(i, ElemData[e][p].size()), ElemData[e][p]);
            if (ElemData[Module1::UnitRow][p].empty()) {
                QVERIFY(line.back() != ' ');
            }
        }
    }
}

void TestModule1::unitRowWrittenBySheet()
{
    Module1::WriteUnitRow();
    const std::vector<std::string> units{
            "",       "",         "",        "",        " amu",    " A",
            " C",     " C",       " kg/m^3", " kJ/mol", " kJ/mol", " 10^6/ohm-cm",
            " W/m-C", " kJ/kg-C", " V",      "",        "",        " amu",
            "",       "",         "",        "",        ""};
    for (int p = 0; p <= 22; ++p) {
        QCOMPARE(ElemData[Module1::UnitRow][p], units[static_cast<std::size_t>(p)]);
    }
}

void TestModule1::propertyTable_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("flags"); // t: sorts as text, r: "Rank by" takes it, n: numeric
    const QStringList captions{"Name",
                               "Symbol",
                               "Atomic no.",
                               "Atomic wt. [amu]",
                               "Atomic radius [A]",
                               "Boiling point [C]",
                               "Melting point [C]",
                               "Density [kg/m^3]",
                               "Latent ht. of vapor [kJ/mol]",
                               "Latent ht. of fusion [kJ/mol]",
                               "Elect. cond. [10^6/ohm-cm]",
                               "Thermal cond. [W/m-C]",
                               "Sp ht capacity [kJ/kg-C]",
                               "Ionization potential [V]",
                               "Electro negativity",
                               "Valency",
                               "Equivalent weight [amu]",
                               "Crystal structure",
                               "Discovered by",
                               "Year of discovery",
                               "Electronic config.",
                               "Applications"};
    const QStringList flags{"t",  "tr", "rn", "rn", "rn", "rn", "rn", "rn", "rn", "rn", "rn",
                            "rn", "rn", "rn", "rn", "rn", "n",  "t",  "tr", "rn", "tr", "tr"};
    for (int p = 1; p <= Module1::PropCount; ++p) {
        QTest::addRow("%d", p) << p << captions[p - 1] << flags[p - 1];
    }
}

void TestModule1::propertyTable()
{
    QFETCH(int, property);
    QFETCH(QString, caption);
    QFETCH(QString, flags);
    const Module1::PropertyInfo &info = Module1::propertyInfo(property);
    // The caption is shown with its unit, as the sheet has it, in brackets.
    const QString unit = QString::fromLatin1(info.unit).trimmed();
    QCOMPARE(QString::fromLatin1(info.caption) + (unit.isEmpty() ? QString() : " [" + unit + ']'),
             caption);
    QCOMPARE(info.sortsAsText, flags.contains('t'));
    QCOMPARE(info.rankable, flags.contains('r'));
    QCOMPARE(info.numeric, flags.contains('n'));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Module1::propertyInfo(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Module1::propertyInfo(23));
}

void TestModule1::otherNames_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("element");
    QTest::newRow("tungsten") << "TUNGSTEN" << 74;
    QTest::newRow("aluminium") << "ALUMINIUM" << 13;
    QTest::newRow("caesium") << "CAESIUM" << 55;
    QTest::newRow("sulphur") << "SULPHUR" << 16;
    QTest::newRow("rutherfordium") << "RUTHERFORDIUM" << 104;
    QTest::newRow("meitnerium by symbol") << "MT" << 109;
    QTest::newRow("only whole answers") << "TUNG" << 0;
    QTest::newRow("upper-cased answers only") << "Tungsten" << 0;
    QTest::newRow("the stored name is no other name") << "WOLFRAM" << 0;
}

void TestModule1::otherNames()
{
    QFETCH(QString, answer);
    QFETCH(int, element);
    QCOMPARE(Module1::otherNameElement(answer.toStdString()), element);
}

void TestModule1::temperaturesInEachScale_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("property");
    QTest::addColumn<QString>("celsius"); // each with its unit, as the sheet appends it
    QTest::addColumn<QString>("kelvin");
    QTest::addColumn<QString>("fahrenheit");
    using Module1::BoilingPoint;
    using Module1::MeltingPoint;
    QTest::newRow("hydrogen boils") << "-253" << int(BoilingPoint) << "-253 C"
                                    << "20 K"
                                    << "-423 F";
    QTest::newRow("helium melts, near zero kelvin") << "-272" << int(MeltingPoint) << "-272 C"
                                                    << "1 K"
                                                    << "-458 F";
    QTest::newRow("rounds to zero Fahrenheit, not minus zero")
            << "-18" << int(MeltingPoint) << "-18 C"
            << "255 K"
            << "0 F";
    QTest::newRow("crosses zero Fahrenheit") << "-17" << int(MeltingPoint) << "-17 C"
                                             << "256 K"
                                             << "1 F";
    QTest::newRow("wolfram boils") << "5930" << int(BoilingPoint) << "5930 C"
                                   << "6203 K"
                                   << "10706 F";
    QTest::newRow("not known") << "--" << int(BoilingPoint) << "-- C"
                               << "-- K"
                               << "-- F";
    QTest::newRow("not a temperature") << "7860" << int(Module1::Density) << "7860 kg/m^3"
                                       << "7860 kg/m^3"
                                       << "7860 kg/m^3";
}

void TestModule1::temperaturesInEachScale()
{
    QFETCH(QString, stored);
    QFETCH(int, property);
    QFETCH(QString, celsius);
    QFETCH(QString, kelvin);
    QFETCH(QString, fahrenheit);
    using Module1::TemperatureScale;
    const auto shown = [&](TemperatureScale scale) {
        return QString::fromStdString(Module1::withUnit(stored.toStdString(), property, scale));
    };
    QCOMPARE(shown(TemperatureScale::Celsius), celsius);
    QCOMPARE(shown(TemperatureScale::Kelvin), kelvin);
    QCOMPARE(shown(TemperatureScale::Fahrenheit), fahrenheit);
    for (const auto scale : {TemperatureScale::Kelvin, TemperatureScale::Fahrenheit}) {
        QCOMPARE(Module1::toCelsius(Module1::fromCelsius(-40.5, scale), scale), -40.5);
    }
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"
