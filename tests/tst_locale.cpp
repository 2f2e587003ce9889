// Find's matching and the case-insensitive sort of the column view give the same answers under
// every locale's case rules: Turkish maps "i" and "I" to dotted and dotless letters of its own.

#include "columns/roworder.h"
#include "data/Module1.h"
#include "elementsets.h"
#include "tools/findrecords.h"

#include <QTest>

#include <clocale>
#include <string>

namespace {

// Puts the process under another locale's case rules (LC_CTYPE) for as long as it lives, as
// Qt does from LANG and LC_ALL when a program starts.
class CaseLocale
{
public:
    explicit CaseLocale(const char *name)
        : m_before(std::setlocale(LC_CTYPE, nullptr))
        , m_set(std::setlocale(LC_CTYPE, name) != nullptr)
    { }
    ~CaseLocale() { std::setlocale(LC_CTYPE, m_before.c_str()); }
    CaseLocale(const CaseLocale &) = delete;
    CaseLocale &operator=(const CaseLocale &) = delete;

    // False when the locale is not installed (scripts/test.sh generates the ones the tests use).
    bool isSet() const { return m_set; }

private:
    std::string m_before;
    bool m_set;
};

} // namespace

class TestLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Module1::LoadElemData(); }

    void matchingIgnoresLocale_data();
    void matchingIgnoresLocale();
    void nameSortIgnoresLocale_data();
    void nameSortIgnoresLocale();
};

void TestLocale::matchingIgnoresLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("answer"); // upper-cased, as the window passes it
    QTest::addColumn<ElementSet>("matching");
    for (const char *locale : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        const auto row = [locale](const char *answer) -> QTestData & {
            return QTest::addRow("%s %s", locale, answer)
                   << QByteArray(locale) << QByteArray(answer);
        };
        row("LI") << ElementSet{3};
        row("SI") << ElementSet{14, 47};
        row("TI") << ElementSet{22, 50};
        row("NI") << ElementSet{7, 28, 41};
        row("BI") << ElementSet{83};
        row("SILICON") << ElementSet{14};
        row("HELIUM") << ElementSet{2};
        row("IR") << ElementSet{26, 77};
    }
}

void TestLocale::matchingIgnoresLocale()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, answer);
    QFETCH(ElementSet, matching);
    const CaseLocale caseRules(locale.constData());
    QVERIFY2(caseRules.isSet(), "locale not installed");
    ElementSet found;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (FindRecords::matches(i, answer.toStdString())) {
            found.insert(i);
        }
    }
    QCOMPARE(found, matching);
}

void TestLocale::nameSortIgnoresLocale_data()
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

void TestLocale::nameSortIgnoresLocale()
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

QTEST_APPLESS_MAIN(TestLocale)
#include "tst_locale.moc"
