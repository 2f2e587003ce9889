// The window in a hostile setting: other locales' case rules, blanks around an answer, a
// ranking's order replaced by another.

#include "caselocale.h"
#include "windowtest.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class TestHardening : public WindowTest
{
    Q_OBJECT

public:
    TestHardening()
        : WindowTest(Start::Shown)
    { }

private slots:
    void findIgnoresLocale_data();
    void findIgnoresLocale();
    void nameSortIgnoresLocale_data();
    void nameSortIgnoresLocale();
    void blanksAroundAnswer_data();
    void blanksAroundAnswer();
    void rankByShowsOnlyItsOwnOrder_data();
    void rankByShowsOnlyItsOwnOrder();
};

void TestHardening::findIgnoresLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<ElementSet>("marked");
    QTest::newRow("tr_TR si") << QByteArray("tr_TR.UTF-8") << "si" << ElementSet{14, 47};
    QTest::newRow("tr_TR li") << QByteArray("tr_TR.UTF-8") << "li" << ElementSet{3};
    QTest::newRow("tr_TR helium") << QByteArray("tr_TR.UTF-8") << "helium" << ElementSet{2};
    QTest::newRow("de_DE si") << QByteArray("de_DE.UTF-8") << "si" << ElementSet{14, 47};
}

void TestHardening::findIgnoresLocale()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, answer);
    QFETCH(ElementSet, marked);
    const CaseLocale caseRules(locale.constData());
    QVERIFY2(caseRules.isSet(), "locale not installed");
    find(answer);
    QCOMPARE(tilesColoured(Palette::Found), marked);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestHardening::nameSortIgnoresLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QStringList>("first"); // the first rows after a click on "Name"
    QTest::newRow("tr_TR") << QByteArray("tr_TR.UTF-8")
                           << QStringList{"Actinium", "Aluminum", "Americium"};
    QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8")
                           << QStringList{"Actinium", "Aluminum", "Americium"};
}

void TestHardening::nameSortIgnoresLocale()
{
    QFETCH(QByteArray, locale);
    QFETCH(QStringList, first);
    const CaseLocale caseRules(locale.constData());
    QVERIFY2(caseRules.isSet(), "locale not installed");
    enterColumnView();
    click(m_window->command4[0]);
    QCOMPARE(column(0).mid(0, first.size()), first);
}

void TestHardening::blanksAroundAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<ElementSet>("marked");
    QTest::addColumn<QString>("remembered"); // the default of the next prompt
    QTest::newRow("blanks both sides") << "  fe  " << ElementSet{26, 100} << "FE";
    QTest::newRow("tab and blank") << "\tau " << ElementSet{79} << "AU";
    QTest::newRow("blanks only: ends as an empty answer") << "   " << ElementSet{} << "H";
}

void TestHardening::blanksAroundAnswer()
{
    QFETCH(QString, answer);
    QFETCH(ElementSet, marked);
    QFETCH(QString, remembered);
    find(answer);
    QCOMPARE(tilesColoured(Palette::Found), marked);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->prompts.size(), 1);
    click(m_window->Command5); // the script has run out: cancelled
    QCOMPARE(m_platform->prompts.last().defaultText, remembered);
}

void TestHardening::rankByShowsOnlyItsOwnOrder_data()
{
    QTest::addColumn<QString>("control"); // clicked in its middle after ranking
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("shown"); // Combo1's index afterwards; -1 is its placeholder
    QTest::newRow("ranking alone") << "HScroll1" << 0 << 2;
    QTest::newRow("horizontal scroll") << "HScroll1" << 1 << -1;
    QTest::newRow("header sort") << "command4(3)" << 1 << -1;
    QTest::newRow("leaving and entering again") << "Command1" << 2 << -1;
}

void TestHardening::rankByShowsOnlyItsOwnOrder()
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

QTEST_MAIN(TestHardening)
#include "tst_hardening.moc"
