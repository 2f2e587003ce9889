// The built-in element table: the rules every value must keep, checked column by column.

#include "data/Module1.h"
#include "elementsets.h"

#include <QRegularExpression>
#include <QTest>

#include <set>

using Module1::ElemData;

namespace {

QString cell(int e, int p)
{
    return QString::fromStdString(ElemData[e][p]);
}

QStringList row(int e)
{
    QStringList values;
    for (int p = 1; p <= Module1::PropCount; ++p) {
        values << cell(e, p);
    }
    return values;
}

const QStringList crystalStructures{"Hexagonal",    "Face centered", "Body centered",
                                    "Orthorhombic", "Rhombohedral",  "Monoclinic",
                                    "Cubic",        "Tetragonal"};

} // namespace

class TestElementTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Module1::LoadElemData(); }

    void namesSymbolsAndNumbers_data();
    void namesSymbolsAndNumbers();
    void givenRows_data();
    void givenRows();
    void missingValues_data();
    void missingValues();
    void storedForms_data();
    void storedForms();
    void crystalStructureWords();
    void equivalentWeightIsWeightOverValency();
    void electronConfigurations();
    void discoveryFilledTogether();
    void unusedCellsStayEmpty();
    void outOfRangeReadsThrow_data();
    void outOfRangeReadsThrow();
    void loadingTwiceGivesTheSameTable();
};

void TestElementTable::namesSymbolsAndNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("symbol");
    const QStringList names =
            QStringLiteral(
                    "Hydrogen H,Helium He,Lithium Li,Beryllium Be,Boron B,Carbon C,Nitrogen "
                    "N,Oxygen O,"
                    "Fluorine F,Neon Ne,Sodium Na,Magnesium Mg,Aluminum Al,Silicon Si,Phosphorus P,"
                    "Sulfur S,Chlorine Cl,Argon Ar,Potassium K,Calcium Ca,Scandium Sc,Titanium Ti,"
                    "Vanadium V,Chromium Cr,Manganese Mn,Iron Fe,Cobalt Co,Nickel Ni,Copper "
                    "Cu,Zinc Zn,"
                    "Gallium Ga,Germanium Ge,Arsenic As,Selenium Se,Bromine Br,Krypton Kr,Rubidium "
                    "Rb,"
                    "Strontium Sr,Yttrium Y,Zirconium Zr,Niobium Nb,Molybdenum Mo,Technetium Tc,"
                    "Ruthenium Ru,Rhodium Rh,Palladium Pd,Silver Ag,Cadmium Cd,Indium In,Tin Sn,"
                    "Antimony Sb,Tellurium Te,Iodine I,Xenon Xe,Cesium Cs,Barium Ba,Lanthanum La,"
                    "Cerium Ce,Praseodymium Pr,Neodymium Nd,Promethium Pm,Samarium Sm,Europium Eu,"
                    "Gadolinium Gd,Terbium Tb,Dysprosium Dy,Holmium Ho,Erbium Er,Thulium Tm,"
                    "Ytterbium Yb,Lutetium Lu,Hafnium Hf,Tantalum Ta,Wolfram W,Rhenium Re,Osmium "
                    "Os,"
                    "Iridium Ir,Platinum Pt,Gold Au,Mercury Hg,Thallium Tl,Lead Pb,Bismuth Bi,"
                    "Polonium Po,Astatine At,Radon Rn,Francium Fr,Radium Ra,Actinium Ac,Thorium Th,"
                    "Protactinium Pa,Uranium U,Neptunium Np,Plutonium Pu,Americium Am,Curium Cm,"
                    "Berkelium Bk,Californium Cf,Einsteinium Es,Fermium Fm,Mendelevium Md,Nobelium "
                    "No,"
                    "Lawrencium Lr,Unnilquadium Unq,Unnilpentium Unp,Unnilhexium Unh,Unnilseptium "
                    "Uns,"
                    "Unniloctium Uno,Unnilennium Une")
                    .split(QLatin1Char(','));
    QCOMPARE(names.size(), Module1::ElemCount);
    for (int i = 0; i < names.size(); ++i) {
        const QStringList parts = names[i].split(QLatin1Char(' '));
        QTest::addRow("%d", i + 1) << i + 1 << parts[0] << parts[1];
    }
}

void TestElementTable::namesSymbolsAndNumbers()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QString, symbol);
    QCOMPARE(cell(number, 1), name);
    QCOMPARE(cell(number, 2), symbol);
    QCOMPARE(cell(number, 3), QString::number(number));
}

void TestElementTable::givenRows_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("values"); // properties 1..22 joined by " | "; 19 is skipped for H
    QTest::newRow("hydrogen")
            << 1
            << "Hydrogen | H | 1 | 1.008 | 0.790 | -253 | -259 | 71 | 0.5 | 0.1 | "
               "-- | 0.167 | 14.442 | 13.598 | 2.200 | 1 | 1.01 | Hexagonal | Cavendish | "
               "1766 | 1s1 | Rocket fuel";
    QTest::newRow("carbon") << 6
                            << "Carbon | C | 6 | 12.011 | 0.910 | 4830 | 3727 | 2260 | 718.7 | 0.0 "
                               "| 0.001 | 23.860 | 0.691 | 11.260 | 2.550 | 4 | 3.00 | Hexagonal | "
                               "-- | -- | [He] 2s2 2p2 | Pencil leads";
    QTest::newRow("iron")
            << 26
            << "Iron | Fe | 26 | 55.847 | 1.720 | 3000 | 1536 | 7860 | 354.1 | 15.4 | "
               "0.100 | 75.348 | 0.460 | 7.870 | 1.830 | 2 | 27.92 | Body centered | "
               "-- | -- | [Ar] 4s2 3d6 | Tools";
    QTest::newRow("gadolinium")
            << 64
            << "Gadolinium | Gd | 64 | 157.250 | 2.540 | 3000 | 1312 | 7890 | 301.4 | 15.5 | 0.007 "
               "| 8.791 | 0.297 | 6.150 | 1.200 | 3 | 52.42 | Hexagonal | -- | -- | [Xe] 6s2 4f7 "
               "5d1 | Memory chips";
    QTest::newRow("wolfram")
            << 74
            << "Wolfram | W | 74 | 183.850 | 2.020 | 5930 | 3410 | 19300 | 774.4 | "
               "33.7 | 0.181 | 167.440 | 0.134 | 7.980 | 2.360 | 6 | 30.64 | Body "
               "centered | -- | -- | [Xe] 6s2 4f14 5d4 | Lamp filaments";
    QTest::newRow("gold")
            << 79
            << "Gold | Au | 79 | 196.967 | 1.790 | 2970 | 1063 | 19300 | 342.4 | 12.7 "
               "| 0.420 | 297.206 | 0.130 | 9.225 | 2.540 | 3 | 65.66 | Face centered "
               "| -- | -- | [Xe] 6s1 4f14 5d10 | Jewellery";
    QTest::newRow("actinium")
            << 89
            << "Actinium | Ac | 89 | 227.028 | -- | 3200 | 1050 | -- | -- | -- |  "
               "| -- | -- | 5.170 | 1.100 | -- | -- | Face centered | -- | -- | "
               "[Rn] 7s2 6d1 | Neutron source";
    QTest::newRow("unnilennium") << 109
                                 << "Unnilennium | Une | 109 | 267.000 | -- | -- | -- | -- | -- | "
                                    "-- | -- | -- | -- | -- | -- | -- | -- | -- | -- | -- | [Rn] "
                                    "7s2 5f14 6d7 | Artificial metal";
}

void TestElementTable::givenRows()
{
    QFETCH(int, number);
    QFETCH(QString, values);
    const QStringList expected = values.split(QStringLiteral(" | "));
    QCOMPARE(expected.size(), Module1::PropCount);
    const QStringList actual = row(number);
    for (int p = 0; p < Module1::PropCount; ++p) {
        QCOMPARE(actual[p], expected[p].trimmed()); // the one empty cell is written as blanks
    }
}

void TestElementTable::missingValues_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<int>("count");
    QTest::addColumn<std::set<int>>("pattern"); // elements that must be "--"; empty: count only
    const std::set<int> none;
    const std::set<int> discovery = std::set<int>{6, 16, 26, 29, 47} + range(49, 109);
    const std::set<int> noValency = std::set<int>{15, 89, 91, 95} + range(97, 109);
    QTest::newRow("name") << 1 << 0 << none;
    QTest::newRow("symbol") << 2 << 0 << none;
    QTest::newRow("atomic number") << 3 << 0 << none;
    QTest::newRow("atomic weight") << 4 << 0 << none;
    QTest::newRow("atomic radius") << 5 << 23 << range(87, 109);
    QTest::newRow("boiling point") << 6 << 16 << none;
    QTest::newRow("melting point") << 7 << 14 << none;
    QTest::newRow("density") << 8 << 28 << none;
    QTest::newRow("latent heat of vapor") << 9 << 27 << none;
    QTest::newRow("latent heat of fusion") << 10 << 25 << none;
    QTest::newRow("electrical conductivity") << 11 << 42 << none;
    QTest::newRow("thermal conductivity") << 12 << 53 << none;
    QTest::newRow("specific heat") << 13 << 25 << none;
    QTest::newRow("ionization potential") << 14 << 8 << (std::set<int>{85} + range(103, 109));
    QTest::newRow("electronegativity") << 15 << 13 << none;
    QTest::newRow("valency") << 16 << 17 << noValency;
    QTest::newRow("equivalent weight")
            << 17 << 23 << (noValency + std::set<int>{2, 10, 18, 36, 54, 86});
    QTest::newRow("crystal structure") << 18 << 15 << (std::set<int>{85} + range(96, 109));
    QTest::newRow("discovered by") << 19 << 66 << discovery;
    QTest::newRow("year of discovery") << 20 << 66 << discovery;
    QTest::newRow("electronic config.") << 21 << 0 << none;
    QTest::newRow("applications") << 22 << 1 << std::set<int>{91};
}

void TestElementTable::missingValues()
{
    QFETCH(int, property);
    QFETCH(int, count);
    QFETCH(std::set<int>, pattern);
    std::set<int> missing;
    for (int e = 1; e <= Module1::ElemCount; ++e) {
        if (cell(e, property) == QLatin1String("--")) {
            missing.insert(e);
        } else if (!(e == 89 && property == 11)) {
            QVERIFY2(!cell(e, property).isEmpty(), qPrintable(QString::number(e)));
        }
    }
    QCOMPARE(static_cast<int>(missing.size()), count);
    // Where the pattern is given, it is the whole of it.
    QVERIFY(pattern.empty() || missing == pattern);
    // Element 109 has only properties 1 to 4, 21 and 22.
    const bool filledFor109 = property <= 4 || property >= 21;
    QCOMPARE(missing.count(109) == 0, filledFor109);
}

void TestElementTable::storedForms_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<QString>("form");
    const QString threeDecimals = QStringLiteral("^\\d+\\.\\d{3}$");
    QTest::newRow("atomic weight") << 4 << threeDecimals;
    QTest::newRow("atomic radius") << 5 << threeDecimals;
    QTest::newRow("boiling point") << 6 << "^-?\\d+$";
    QTest::newRow("melting point") << 7 << "^-?\\d+$";
    QTest::newRow("density") << 8 << "^\\d+$";
    QTest::newRow("latent heat of vapor") << 9 << "^\\d+\\.\\d$";
    QTest::newRow("latent heat of fusion") << 10 << "^\\d+\\.\\d$";
    QTest::newRow("electrical conductivity") << 11 << threeDecimals;
    QTest::newRow("thermal conductivity") << 12 << threeDecimals;
    QTest::newRow("specific heat") << 13 << threeDecimals;
    QTest::newRow("ionization potential") << 14 << threeDecimals;
    QTest::newRow("electronegativity") << 15 << threeDecimals;
    QTest::newRow("valency") << 16 << "^[0-8]$";
    QTest::newRow("equivalent weight") << 17 << "^\\d+\\.\\d{2}$";
    QTest::newRow("year of discovery") << 20 << "^\\d{4}$";
    QTest::newRow("applications") << 22 << "^[A-Z][A-Za-z ,-]+$";
    QTest::newRow("discovered by") << 19 << "^[A-Z][A-Za-z .,'-]+$";
}

void TestElementTable::storedForms()
{
    QFETCH(int, property);
    QFETCH(QString, form);
    const QRegularExpression pattern(form);
    for (int e = 1; e <= Module1::ElemCount; ++e) {
        const QString value = cell(e, property);
        if (value == QLatin1String("--") || (e == 89 && property == 11)) {
            continue;
        }
        QVERIFY2(pattern.match(value).hasMatch(),
                 qPrintable(QStringLiteral("element %1: \"%2\"").arg(e).arg(value)));
    }
}

void TestElementTable::crystalStructureWords()
{
    for (int e = 1; e <= Module1::ElemCount; ++e) {
        const QString value = cell(e, 18);
        QVERIFY2(value == QLatin1String("--") || crystalStructures.contains(value),
                 qPrintable(value));
    }
}

void TestElementTable::equivalentWeightIsWeightOverValency()
{
    for (int e = 1; e <= Module1::ElemCount; ++e) {
        const QString valency = cell(e, 16);
        if (valency == QLatin1String("--") || valency == QLatin1String("0")) {
            QCOMPARE(cell(e, 17), QStringLiteral("--"));
            continue;
        }
        // Worked in whole thousandths, rounded half up to hundredths.
        const long long weight = QString(cell(e, 4)).remove(QLatin1Char('.')).toLongLong();
        const long long v = valency.toLongLong();
        const long long hundredths = (weight + 5 * v) / (10 * v);
        const QString expected = QStringLiteral("%1.%2")
                                         .arg(hundredths / 100)
                                         .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
        QCOMPARE(cell(e, 17), expected);
    }
}

void TestElementTable::electronConfigurations()
{
    // "[Core] ns.. (n-2)f.. (n-1)d.. np..": a bracketed noble-gas core (none for H and He), then
    // subshells with their electron counts; the core plus the subshells hold Z electrons.
    const QHash<QString, int> cores{{"[He]", 2},  {"[Ne]", 10}, {"[Ar]", 18},
                                    {"[Kr]", 36}, {"[Xe]", 54}, {"[Rn]", 86}};
    const QRegularExpression subshell(QStringLiteral("^([1-7])([spdf])(\\d{1,2})$"));
    const QHash<QChar, int> capacity{{'s', 2}, {'p', 6}, {'d', 10}, {'f', 14}};
    for (int e = 1; e <= Module1::ElemCount; ++e) {
        const QString config = cell(e, 21);
        const QStringList parts = config.split(QLatin1Char(' '));
        QVERIFY2(!parts.contains(QString()), qPrintable(config)); // one blank between parts
        int electrons = 0;
        int first = 0;
        if (e > 2) {
            QVERIFY2(cores.contains(parts[0]), qPrintable(config));
            electrons = cores[parts[0]];
            first = 1;
        }
        for (int i = first; i < parts.size(); ++i) {
            const auto match = subshell.match(parts[i]);
            QVERIFY2(match.hasMatch(), qPrintable(config));
            const int count = match.captured(3).toInt();
            QVERIFY2(count >= 1 && count <= capacity[match.captured(2)[0]], qPrintable(config));
            electrons += count;
        }
        QVERIFY2(electrons == e, qPrintable(QStringLiteral("%1: %2").arg(e).arg(config)));
    }
    QCOMPARE(cell(1, 21), QStringLiteral("1s1"));
    QCOMPARE(cell(2, 21), QStringLiteral("1s2"));
}

void TestElementTable::discoveryFilledTogether()
{
    for (int e = 1; e <= Module1::ElemCount; ++e) {
        QCOMPARE(cell(e, 19) == QLatin1String("--"), cell(e, 20) == QLatin1String("--"));
    }
}

void TestElementTable::unusedCellsStayEmpty()
{
    for (int p = 0; p <= Module1::PropCount; ++p) {
        QVERIFY(ElemData[0][p].empty());
        QVERIFY(ElemData[Module1::UnitRow][p].empty());
    }
    for (int e = 0; e <= Module1::UnitRow; ++e) {
        QVERIFY(ElemData[e][0].empty());
    }
    QCOMPARE(cell(89, 11), QString());
    QCOMPARE(cell(2, 16), QStringLiteral("0"));
    QCOMPARE(cell(2, 17), QStringLiteral("--"));
}

void TestElementTable::outOfRangeReadsThrow_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("property");
    QTest::newRow("element -1") << -1 << 1;
    QTest::newRow("element 111") << 111 << 1;
    QTest::newRow("property -1") << 1 << -1;
    QTest::newRow("property 23") << 1 << 23;
    QTest::newRow("far out") << 1 << 1000000;
}

void TestElementTable::outOfRangeReadsThrow()
{
    QFETCH(int, element);
    QFETCH(int, property);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)ElemData[element][property]);
    // A sheet reads every property of its row: a row outside the table throws too.
    for (const int outside : {-1, Module1::UnitRow + 1}) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)Module1::SheetLines(outside));
    }
}

void TestElementTable::loadingTwiceGivesTheSameTable()
{
    std::vector<std::string> before;
    for (int e = 0; e <= Module1::UnitRow; ++e) {
        for (int p = 0; p <= Module1::PropCount; ++p) {
            before.push_back(ElemData[e][p]);
        }
    }
    Module1::LoadElemData();
    std::size_t i = 0;
    for (int e = 0; e <= Module1::UnitRow; ++e) {
        for (int p = 0; p <= Module1::PropCount; ++p) {
            QCOMPARE(ElemData[e][p], before[i++]);
        }
    }
}

QTEST_GUILESS_MAIN(TestElementTable)
#include "tst_elementtable.moc"
