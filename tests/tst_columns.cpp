// The column view: switching views, scrolling, the row kept in line, header sorting and the
// ranking chosen from the property list.

#include "caselocale.h"
#include "colouring/chartcolouring.h"
#include "columns/roworder.h"
#include "data/Module1.h"
#include "units/temperatureunits.h"
#include "window/clicklabel.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {

// The element number of a name as the table stores it.
int elementNamed(const QString &name)
{
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (QString::fromStdString(Module1::ElemData[i][Module1::Name]) == name) {
            return i;
        }
    }
    return 0;
}

} // namespace

class TestColumns : public WindowTest
{
    Q_OBJECT

public:
    TestColumns()
        : WindowTest(Start::Shown)
    { }

private slots:
    void enterShowsColumns();
    void leaveRestoresTable();
    void eachViewHidesTheOther_data();
    void eachViewHidesTheOther();
    void scrollRefillsColumnsAndHeaders_data();
    void scrollRefillsColumnsAndHeaders();
    void reenterKeepsScrollPosition();
    void verticalScrollMovesEightRows_data();
    void verticalScrollMovesEightRows();
    void rowClickSelectsAcrossColumns_data();
    void rowClickSelectsAcrossColumns();
    void numericSortAndReverse_data();
    void numericSortAndReverse();
    void directionSharedAcrossHeaders();
    void missingValuesRankAsZero();
    void textSortListsEachElementOnce_data();
    void textSortListsEachElementOnce();
    void firstHeaderWhenScrolled();
    void scrollAfterSortRestoresOrder();
    void rankingByProperty_data();
    void rankingByProperty();
    void rankingRefusesTextProperties_data();
    void rankingRefusesTextProperties();
    void rankByShowsOnlyItsOwnOrder_data();
    void rankByShowsOnlyItsOwnOrder();
    void nameSortIgnoresLocale_data();
    void nameSortIgnoresLocale();
    void convertedColumnSortsAlike_data();
    void convertedColumnSortsAlike();
};

void TestColumns::enterShowsColumns()
{
    click(m_window->lblElem[26]);
    enterColumnView();
    for (int i = 0; i < Morvik::ColumnCount; ++i) {
        QVERIFY(m_window->List1[i]->isVisible());
        QVERIFY(m_window->command4[i]->isVisible());
        QCOMPARE(m_window->List1[i]->count(), 109);
    }
    for (QWidget *shown : std::initializer_list<QWidget *>{m_window->HScroll1, m_window->VScroll1,
                                                           m_window->Label4}) {
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    }
    for (QWidget *hidden : std::initializer_list<QWidget *>{
                 m_window->PropsList, m_window->lblElem[1], m_window->lblElem[109],
                 m_window->Label1[1], m_window->Label1[18], m_window->Check1, m_window->Label3,
                 m_window->Legend[0], m_window->Picture1[2], m_window->Label2[0]}) {
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    }
    QVERIFY(m_window->Label5->isVisible()); // only the list of the sheet is hidden
    QCOMPARE(m_window->Label4->text(),
             QStringLiteral("Click on a button to sort list by that property. Click again to sort "
                            "in reverse order."));
    const QStringList firstRow{"Hydrogen", "H", "1", "1.008", "0.790", "-253"};
    for (int i = 0; i < Morvik::ColumnCount; ++i) {
        QCOMPARE(column(i).first(), firstRow[i]);
    }
    QCOMPARE(column(0).last(), QStringLiteral("Unnilennium"));
    QCOMPARE(selectedRows(), QList<int>(6, 0));
}

void TestColumns::leaveRestoresTable()
{
    enterColumnView();
    click(m_window->Command1);
    QCOMPARE(m_window->Command1->text(), QStringLiteral("Column format"));
    for (QWidget *shown : std::initializer_list<QWidget *>{
                 m_window->PropsList, m_window->lblElem[1], m_window->Label1[18], m_window->Check1,
                 m_window->Option1[1], m_window->Label6[2], m_window->Legend[1],
                 m_window->Picture1[0], m_window->Label2[1]}) {
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    }
    for (int i = 0; i < Morvik::ColumnCount; ++i) {
        QVERIFY(!m_window->List1[i]->isVisible());
        QVERIFY(!m_window->command4[i]->isVisible());
        QCOMPARE(m_window->List1[i]->count(), 109); // not cleared
    }
    QVERIFY(!m_window->HScroll1->isVisible());
    QVERIFY(!m_window->VScroll1->isVisible());
    QVERIFY(!m_window->Label4->isVisible());
    QVERIFY(!m_window->lblElem[0]->isVisible());
    QVERIFY(!m_window->Label1[0]->isVisible());
}

void TestColumns::eachViewHidesTheOther_data()
{
    QTest::addColumn<QString>("colouredBy"); // an entry of "Colour by", empty for the classes
    QTest::newRow("class colours") << QString();
    QTest::newRow("coloured by density, log") << "Density [kg/m^3]";
    QTest::newRow("states at a temperature") << "State at temperature";
}

void TestColumns::eachViewHidesTheOther()
{
    QFETCH(QString, colouredBy);
    QComboBox *choice = m_window->colouring().cboColourBy;
    if (!colouredBy.isEmpty()) {
        choice->setCurrentIndex(choice->findText(colouredBy));
    }
    if (m_window->colouring().chkLog->isEnabled()) {
        click(m_window->colouring().chkLog);
    }
    // The window's real children on show, whatever made them: only the buttons, Export and the
    // sheet's heading belong to both views.
    const auto onShow = [this] {
        QSet<QWidget *> shown;
        for (QWidget *control : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible()) {
                shown << control;
            }
        }
        return shown;
    };
    const QSet<QWidget *> chart = onShow();
    enterColumnView();
    const QSet<QWidget *> columns = onShow();
    QCOMPARE(chart & columns,
             (QSet<QWidget *>{m_window->Command5, m_window->Command6, m_window->Command1,
                              m_window->Label5, m_window->Label7}));
    QVERIFY(columns.contains(m_window->List1[0]) && chart.contains(m_window->lblElem[1]));
    click(m_window->Command1);
    QCOMPARE(onShow(), chart);
}

void TestColumns::scrollRefillsColumnsAndHeaders_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("ironRow");
    QTest::newRow("0") << 0 << QStringList{"Name",
                                           "Symbol",
                                           "Atomic no.",
                                           "Atomic wt. [amu]",
                                           "Atomic radius [A]",
                                           "Boiling point [C]"}
                       << QStringList{"Iron", "Fe", "26", "55.847", "1.720", "3000"};
    QTest::newRow("5") << 5
                       << QStringList{"Name",
                                      "Melting point [C]",
                                      "Density [kg/m^3]",
                                      "Latent ht. of vapor [kJ/mol]",
                                      "Latent ht. of fusion [kJ/mol]",
                                      "Elect. cond. [10^6/ohm-cm]"}
                       << QStringList{"Iron", "1536", "7860", "354.1", "15.4", "0.100"};
    QTest::newRow("16") << 16 << QStringList{"Name",
                                             "Crystal structure",
                                             "Discovered by",
                                             "Year of discovery",
                                             "Electronic config.",
                                             "Applications"}
                        << QStringList{"Iron", "Body centered", "--",
                                       "--",   "[Ar] 4s2 3d6",  "Tools"};
}

void TestColumns::scrollRefillsColumnsAndHeaders()
{
    QFETCH(int, position);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, ironRow);
    enterColumnView();
    m_window->List1[2]->setCurrentRow(40);
    m_window->HScroll1->setValue(3); // a change first, so that 0 is a change too
    m_window->HScroll1->setValue(position);
    for (int i = 0; i < Morvik::ColumnCount; ++i) {
        QCOMPARE(m_window->command4[i]->text(), headers[i]);
        QCOMPARE(column(i)[25], ironRow[i]);
    }
    QCOMPARE(selectedRows(), QList<int>(6, 40)); // the selected row survives
}

void TestColumns::reenterKeepsScrollPosition()
{
    enterColumnView();
    m_window->HScroll1->setValue(5);
    click(m_window->Command1);
    enterColumnView();
    QCOMPARE(m_window->HScroll1->value(), 5);
    QCOMPARE(column(0)[25], QStringLiteral("Iron"));
    QCOMPARE(column(1)[25], QStringLiteral("1536")); // property 7 under "Melting point [C]"
    QCOMPARE(m_window->command4[1]->text(), QStringLiteral("Melting point [C]"));
}

void TestColumns::verticalScrollMovesEightRows_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("row");
    QTest::newRow("1") << 1 << 8;
    QTest::newRow("3") << 3 << 24;
    QTest::newRow("13") << 13 << 104;
    QTest::newRow("14, past the end") << 14 << 108;
}

void TestColumns::verticalScrollMovesEightRows()
{
    QFETCH(int, position);
    QFETCH(int, row);
    enterColumnView();
    m_window->VScroll1->setValue(position);
    QCOMPARE(selectedRows(), QList<int>(6, row));
}

void TestColumns::rowClickSelectsAcrossColumns_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::newRow("names") << 0 << 3;
    QTest::newRow("symbols") << 1 << 7;
    QTest::newRow("last column") << 5 << 5;
}

void TestColumns::rowClickSelectsAcrossColumns()
{
    QFETCH(int, list);
    QFETCH(int, row);
    enterColumnView();
    QListWidget *target = m_window->List1[list];
    const QRect item = target->visualItemRect(target->item(row));
    QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(selectedRows(), QList<int>(6, row));
}

void TestColumns::numericSortAndReverse_data()
{
    QTest::addColumn<int>("header");
    QTest::addColumn<QString>("firstThenLast");
    QTest::addColumn<QString>("reversed");
    QTest::newRow("atomic number") << 2 << "Unnilennium Hydrogen"
                                   << "Hydrogen Unnilennium";
    QTest::newRow("boiling point") << 5 << "Wolfram Helium"
                                   << "Helium Wolfram";
}

void TestColumns::numericSortAndReverse()
{
    QFETCH(int, header);
    QFETCH(QString, firstThenLast);
    QFETCH(QString, reversed);
    enterColumnView();
    click(m_window->command4[header]);
    QCOMPARE(column(0).first() + ' ' + column(0).last(), firstThenLast);
    click(m_window->command4[header]);
    QCOMPARE(column(0).first() + ' ' + column(0).last(), reversed);
    // Rows stay whole: each name still stands beside its own symbol.
    for (int row = 0; row < 109; ++row) {
        QCOMPARE(column(2)[row].toInt() > 0, true);
        QCOMPARE(column(1)[row],
                 m_window->lblElem[column(2)[row].toInt()]->toolTip().section('(', 1).chopped(1));
    }
    QCOMPARE(selectedRows(), QList<int>(6, 0));
    QCOMPARE(m_window->VScroll1->value(), 0);
}

void TestColumns::directionSharedAcrossHeaders()
{
    enterColumnView();
    click(m_window->command4[2]); // largest number first
    QCOMPARE(column(2).first(), QStringLiteral("109"));
    click(m_window->command4[3]); // the flag flips again
    QCOMPARE(column(0).first(), QStringLiteral("Hydrogen")); // lightest first
    QCOMPARE(column(0).last(), QStringLiteral("Unnilennium"));
}

void TestColumns::missingValuesRankAsZero()
{
    enterColumnView();
    click(m_window->command4[5]); // boiling point, largest first
    const QStringList boiling = column(5);
    const int firstMissing = boiling.indexOf(QStringLiteral("--"));
    const int lastMissing = boiling.lastIndexOf(QStringLiteral("--"));
    QCOMPARE(lastMissing - firstMissing + 1, 16); // all together
    QVERIFY(boiling[firstMissing - 1].toInt() > 0);
    QVERIFY(boiling[lastMissing + 1].toInt() < 0);
    // Among equal values the higher element number comes first.
    QCOMPARE(column(0)[firstMissing], QStringLiteral("Unnilennium"));
}

void TestColumns::textSortListsEachElementOnce_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("header");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("names") << 0 << 0 << "Actinium"
                           << "Zirconium";
    QTest::newRow("symbols") << 0 << 1 << "Actinium"
                             << "Zirconium";
    QTest::newRow("crystal structures") << 12 << 5 << "Astatine"
                                        << "Protactinium";
}

void TestColumns::textSortListsEachElementOnce()
{
    QFETCH(int, position);
    QFETCH(int, header);
    QFETCH(QString, first);
    QFETCH(QString, last);
    enterColumnView();
    m_window->HScroll1->setValue(position);
    click(m_window->command4[header]);
    QStringList names = column(0);
    QCOMPARE(names.first(), first);
    QCOMPARE(names.last(), last);
    const QStringList texts = column(header);
    for (int row = 1; row < texts.size(); ++row) {
        QVERIFY(QString::compare(texts[row - 1], texts[row], Qt::CaseInsensitive) <= 0);
    }
    QCOMPARE(m_window->List2->count(), 109);
    names.removeDuplicates();
    QCOMPARE(names.size(), 109);

    // Reversed: Z first, and within one text still in element order.
    click(m_window->command4[header]);
    QCOMPARE(column(0).size(), 109);
    const QStringList reversed = column(header);
    const QStringList reversedNames = column(0);
    for (int row = 1; row < reversed.size(); ++row) {
        QVERIFY(QString::compare(reversed[row - 1], reversed[row], Qt::CaseInsensitive) >= 0);
        if (reversed[row - 1] == reversed[row]) {
            QVERIFY2(elementNamed(reversedNames[row - 1]) < elementNamed(reversedNames[row]),
                     qPrintable(reversedNames[row]));
        }
    }
}

void TestColumns::firstHeaderWhenScrolled()
{
    enterColumnView();
    m_window->HScroll1->setValue(4);
    m_window->VScroll1->setValue(5);
    const QStringList before = column(0);
    click(m_window->command4[0]);
    QCOMPARE(column(0), before);
    QCOMPARE(m_window->VScroll1->value(), 0);
    QCOMPARE(selectedRows(), QList<int>(6, 0));
    // The click still flipped the shared direction: the next header lists the smallest boiling
    // point (column 1 is property 6 here) first, where a first click lists the largest.
    click(m_window->command4[1]);
    QCOMPARE(column(0).first(), QStringLiteral("Helium"));
}

void TestColumns::scrollAfterSortRestoresOrder()
{
    enterColumnView();
    click(m_window->command4[3]);
    QCOMPARE(column(0).first(), QStringLiteral("Unnilennium"));
    m_window->HScroll1->setValue(1);
    QCOMPARE(column(0).first(), QStringLiteral("Hydrogen"));
    QCOMPARE(column(0)[25], QStringLiteral("Iron"));
}

void TestColumns::rankingByProperty_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QString>("lastInColumn0");
    QTest::newRow("atomic number")
            << 0 << 2 << QStringList{"Unnilennium", "Une", "109", "267.000", "--", "--"}
            << "Hydrogen";
    QTest::newRow("density: the missing values last, the lowest number first")
            << 0 << 7 << QStringList{"Osmium", "Os", "76"} << "Technetium";
    // Scrolled, column 0 still shows the names its header names, the others properties 18 to 22.
    QTest::newRow("scrolled to the end: names, then properties 18 to 22")
            << 16 << 2
            << QStringList{"Unnilennium", "--", "--", "--", "[Rn] 7s2 5f14 6d7", "Artificial metal"}
            << "Hydrogen";
    QTest::newRow("scrolled five: names, then the melting points")
            << 5 << 13 << QStringList{"Helium", "-272"} << "Astatine";
}

void TestColumns::rankingByProperty()
{
    QFETCH(int, position);
    QFETCH(int, choice);
    QFETCH(QStringList, firstRow);
    QFETCH(QString, lastInColumn0);
    enterColumnView();
    m_window->HScroll1->setValue(position);
    m_window->Combo1->setCurrentIndex(choice);
    emit m_window->Combo1->activated(choice);
    for (int i = 0; i < firstRow.size(); ++i) {
        QCOMPARE(column(i).first(), firstRow[i]);
    }
    QCOMPARE(column(0).size(), 109);
    QCOMPARE(column(0).last(), lastInColumn0);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestColumns::rankingRefusesTextProperties_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("nothing chosen") << -1;
    QTest::newRow("name") << 0;
    QTest::newRow("equivalent weight") << 16;
    QTest::newRow("crystal structure") << 17;
}

void TestColumns::rankingRefusesTextProperties()
{
    QFETCH(int, choice);
    enterColumnView();
    click(m_window->command4[2]);
    const QStringList before = column(0);
    m_window->Combo1->setCurrentIndex(choice);
    m_window->Combo1_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Not yet supported"));
    QCOMPARE(column(0), before);
}

void TestColumns::rankByShowsOnlyItsOwnOrder_data()
{
    QTest::addColumn<QString>("control"); // clicked in its middle after ranking
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("shown"); // Combo1's index afterwards; -1 is its placeholder
    QTest::newRow("ranking alone") << "HScroll1" << 0 << 2;
    QTest::newRow("horizontal scroll") << "HScroll1" << 1 << -1;
    QTest::newRow("header sort") << "command4(3)" << 1 << -1;
    QTest::newRow("leaving and entering again") << "Command1" << 2 << -1;
}

void TestColumns::rankByShowsOnlyItsOwnOrder()
{
    QFETCH(QString, control);
    QFETCH(int, clicks);
    QFETCH(int, shown);
    enterColumnView();
    m_window->Combo1->setCurrentIndex(2);
    emit m_window->Combo1->activated(2);
    QCOMPARE(column(0).first(), QStringLiteral("Unnilennium"));
    auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    for (int i = 0; i < clicks; ++i) {
        click(widget);
    }
    QCOMPARE(m_window->Combo1->currentIndex(), shown);
}

void TestColumns::nameSortIgnoresLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QList<int>>("first"); // the first three rows
    QTest::addColumn<QList<int>>("afterHydrogen"); // the three rows after hydrogen's
    QTest::newRow("tr_TR A to Z") << QByteArray("tr_TR.UTF-8") << true << QList<int>{89, 13, 95}
                                  << QList<int>{49, 53, 77};
    QTest::newRow("tr_TR Z to A") << QByteArray("tr_TR.UTF-8") << false << QList<int>{40, 30, 39}
                                  << QList<int>{67, 2, 72};
    QTest::newRow("de_DE A to Z") << QByteArray("de_DE.UTF-8") << true << QList<int>{89, 13, 95}
                                  << QList<int>{49, 53, 77};
}

void TestColumns::nameSortIgnoresLocale()
{
    QFETCH(QByteArray, locale);
    QFETCH(bool, forward);
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, afterHydrogen);
    const CaseLocale caseRules(locale.constData());
    QVERIFY2(caseRules.isSet(), "locale not installed");
    const std::vector<int> order = RowOrder::byText(Module1::Name, forward);
    QCOMPARE(QList<int>(order.begin(), order.begin() + 3), first);
    const auto hydrogen = std::find(order.begin(), order.end(), 1);
    QVERIFY(order.end() - hydrogen > 3);
    QCOMPARE(QList<int>(hydrogen + 1, hydrogen + 4), afterHydrogen);
}

void TestColumns::convertedColumnSortsAlike_data()
{
    QTest::addColumn<int>("scale"); // 1 kelvin, 2 Fahrenheit
    QTest::addColumn<int>("header"); // the boiling and melting points, unscrolled
    QTest::newRow("boiling point in K") << 1 << 5;
    QTest::newRow("melting point in °F") << 2 << 5;
}

void TestColumns::convertedColumnSortsAlike()
{
    QFETCH(int, scale);
    QFETCH(int, header);
    enterColumnView();
    click(m_window->command4[header]);
    const QStringList byCelsius = column(0);
    click(m_window->command4[header]); // the shared direction back where it was
    m_window->units().optScale_Click(scale);
    click(m_window->command4[header]);
    QCOMPARE(column(0), byCelsius);
    // And so does ranking by the property.
    m_window->Combo1->setCurrentIndex(Module1::MeltingPoint - 1);
    emit m_window->Combo1->activated(Module1::MeltingPoint - 1);
    const QStringList ranked = column(0);
    m_window->units().optScale_Click(0);
    QCOMPARE(column(0), ranked); // the ranking's order stays while its texts change
    emit m_window->Combo1->activated(Module1::MeltingPoint - 1);
    QCOMPARE(column(0), ranked);
}

QTEST_MAIN(TestColumns)
#include "tst_columns.moc"
