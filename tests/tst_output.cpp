// Getting the data out of the window: the whole table as CSV, in the order last listed, and
// every way the save can be cancelled or fail.

#include "tools/csvtable.h"
#include "window/clicklabel.h"
#include "windowtest.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

const QByteArray CsvHeader =
        "Name,Symbol,Atomic number,Atomic weight [amu],Atomic radius [A],Boiling point [C],"
        "Melting point [C],Density [kg/m^3],Latent ht. of vapor [kJ/kg],"
        "Latent ht. of fusion [kJ/kg],Electrical conduct. [abmho],Thermal conduct. [W/m-C],"
        "Specific heat capacity [kJ/kg-C],Ionization potential [V],Electronegativity,Valency,"
        "Equivalent weight [amu],Crystal structure,Discovered by,Year of discovery,"
        "Electronic config.,Applications\r\n";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestOutput : public WindowTest
{
    Q_OBJECT

public:
    TestOutput()
        : WindowTest(Start::Shown)
    { }

private slots:
    void csvFields_data();
    void csvFields();
    void csvInElementOrder();
    void csvAfterSort();
    void csvAfterRanking();
    void csvAfterScroll();
    void tableSaveCancelled();
    void tableSaveFails();
    void tableNeverWrittenThroughALink();

private:
    QString savePath() const { return m_platform->tempDir.filePath(QStringLiteral("t.csv")); }
    QByteArray saveTable(const QString &path);
    void checkCsv(const QByteArray &firstRowStart, const QByteArray &lastRowStart);
};

QByteArray TestOutput::saveTable(const QString &path)
{
    m_platform->savePaths.push_back(path);
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    return readFile(path);
}

void TestOutput::csvFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Iron"
                           << "Iron";
    QTest::newRow("comma") << "Gay-Lussac, Thenard, Davy"
                           << "\"Gay-Lussac, Thenard, Davy\"";
    QTest::newRow("quote") << "a \"b\""
                           << "\"a \"\"b\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks kept") << " abmho"
                                 << " abmho";
}

void TestOutput::csvFields()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(csvField(text), field);
}

void TestOutput::csvInElementOrder()
{
    checkCsv("Hydrogen,H,1,1.008,0.790,-253,-259,71,0.5,0.1,--,0.167,14.442,13.598,2.200,1,1.01,"
             "Hexagonal,Cavendish,1766,1s1,Rocket fuel",
             "Unnilennium,Une,109,267.000,--,");
}

void TestOutput::csvAfterSort()
{
    enterColumnView();
    click(m_window->command4[2]); // atomic number, largest first
    checkCsv("Unnilennium,Une,109,267.000,--,", "Hydrogen,H,1,");
}

void TestOutput::csvAfterRanking()
{
    enterColumnView();
    m_window->Combo1->setCurrentIndex(Module1::Density - 1);
    emit m_window->Combo1->activated(Module1::Density - 1);
    checkCsv("Osmium,Os,76,", "Technetium,Tc,43,");
}

void TestOutput::csvAfterScroll()
{
    enterColumnView();
    click(m_window->command4[2]);
    m_window->HScroll1->setFocus();
    QTest::keyClick(m_window->HScroll1, Qt::Key_Right); // refills in element order
    checkCsv("Hydrogen,H,1,", "Unnilennium,Une,109,");
}

void TestOutput::checkCsv(const QByteArray &firstRowStart, const QByteArray &lastRowStart)
{
    const QByteArray csv = saveTable(savePath());
    QVERIFY(csv.startsWith(CsvHeader)); // no byte-order mark
    const QList<QByteArray> rows = csv.mid(CsvHeader.size()).split('\n');
    QCOMPARE(rows.size(), Module1::ElemCount + 1); // the last line ends too
    QVERIFY(rows.last().isEmpty());
    QVERIFY2(rows.first().startsWith(firstRowStart), rows.first().constData());
    QVERIFY2(rows[108].startsWith(lastRowStart), rows[108].constData());
    QVERIFY(csv.contains(",\"Gay-Lussac, Thenard, Davy\",1808,"));
    QCOMPARE(csv.count("\r\n"), 110);
    QCOMPARE(csv.count('\n'), 110);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QVERIFY(m_platform->saveRequests[0].filter.contains(QLatin1String("*.csv")));
}

void TestOutput::tableSaveCancelled()
{
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestOutput::tableSaveFails()
{
    saveTable(QStringLiteral("/nonexistent/morvik/t.csv"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Critical);
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("The table could not be saved to /nonexistent/morvik/t.csv: No such "
                            "file or directory."));
}

void TestOutput::tableNeverWrittenThroughALink()
{
    const QString victim = m_platform->dataDir.filePath(QStringLiteral("victim"));
    QVERIFY(QFile::link(victim, savePath()));
    saveTable(savePath());
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(QLatin1String("symbolic link")));
    QVERIFY(!QFile::exists(victim));
    QVERIFY(QFileInfo(savePath()).isSymLink());
}

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
