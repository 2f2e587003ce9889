// Find and Refresh with scripted dialogs: which tiles and rows match, the marks kept in
// find.txt, and files that are missing, misplaced or damaged.

#include "tools/findfile.h"
#include "tools/findrecords.h"
#include "window/clicklabel.h"
#include "windowtest.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

// Records as Find writes them, one "element colour" per entry, joined by "|".
QString formatted(const std::vector<FindRecords::Record> &records)
{
    QStringList lines;
    for (const FindRecords::Record &record : records) {
        lines << QString::fromStdString(FindRecords::format(record));
    }
    return lines.join(QLatin1Char('|'));
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QString>)

class TestFind : public WindowTest
{
    Q_OBJECT

private slots:
    void promptAsked();
    void marksMatchingTiles_data();
    void marksMatchingTiles();
    void secondFindRestoresFirst();
    void noMatchWarnsAndAsksAgain();
    void cancelOrEmptyEnds_data();
    void cancelOrEmptyEnds();
    void columnViewSelectsWholeMatches_data();
    void columnViewSelectsWholeMatches();
    void refreshAfterColumnSearch();
    void readOnlyProgramFolder();
    void damagedFindFile_data();
    void damagedFindFile();
    void recordsParse_data();
    void recordsParse();
    void findFileFolder();

private:
    ElementSet redTiles() const { return tilesColoured(Palette::Found); }
};

void TestFind::promptAsked()
{
    find(QStringLiteral("h"));
    QCOMPARE(m_platform->prompts.size(), 1);
    QCOMPARE(m_platform->prompts[0].prompt,
             QStringLiteral(
                     "Enter partial or full \n\n ELEMENT NAME or\n SYMBOL or\n ATOMIC NUMBER"));
    QCOMPARE(m_platform->prompts[0].title, QStringLiteral("Morvik"));
    QCOMPARE(m_platform->prompts[0].defaultText, QStringLiteral("H"));
    find(QStringLiteral("fe"));
    QCOMPARE(m_platform->prompts[1].defaultText, QStringLiteral("H"));
    find(QStringLiteral("x"));
    QCOMPARE(m_platform->prompts[2].defaultText, QStringLiteral("FE")); // remembered, upper-cased
}

void TestFind::marksMatchingTiles_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<ElementSet>("marked");
    QTest::newRow("h: names and symbols starting with H") << "h" << ElementSet{1, 2, 67, 72, 80};
    QTest::newRow("1: numbers starting with 1")
            << "1" << (ElementSet{1} + range(10, 19) + range(100, 109));
    QTest::newRow("fe: iron by symbol, fermium by name") << "fe" << ElementSet{26, 100};
    QTest::newRow("26") << "26" << ElementSet{26};
    QTest::newRow("une: by symbol only") << "une" << ElementSet{109};
    QTest::newRow("whole name") << "Wolfram" << ElementSet{74};
    QTest::newRow("longer than any text") << "hydrogenium" << ElementSet{};
}

void TestFind::marksMatchingTiles()
{
    QFETCH(QString, answer);
    QFETCH(ElementSet, marked);
    std::vector<QColor> before;
    for (int i = 0; i < Morvik::TileCount; ++i) {
        before.push_back(m_window->lblElem[i]->palette().color(QPalette::Window));
    }
    find(answer);
    QCOMPARE(redTiles(), marked);

    // One record per marked tile, with its colour before.
    QFile file(findFilePath());
    QCOMPARE(file.exists(), true);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    ElementSet recorded;
    for (const auto &record : FindRecords::parse(text.toStdString())) {
        QVERIFY(recorded.insert(record.element).second);
        QCOMPARE(fromBgr(record.color), before[static_cast<std::size_t>(record.element)]);
    }
    QCOMPARE(recorded, marked);
    QCOMPARE(text.count('\n'), static_cast<qsizetype>(marked.size()));
    file.close();

    click(m_window->Command6);
    for (int i = 1; i < Morvik::TileCount; ++i) {
        QCOMPARE(tileColour(i), before[static_cast<std::size_t>(i)]);
    }
    QVERIFY(!QFile::exists(findFilePath()));
}

void TestFind::secondFindRestoresFirst()
{
    find(QStringLiteral("h"));
    find(QStringLiteral("26"));
    QCOMPARE(redTiles(), ElementSet{26});
    QCOMPARE(tileColour(1), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(tileColour(80), QColor(0xFF, 0xE0, 0xC0));
}

void TestFind::noMatchWarnsAndAsksAgain()
{
    m_platform->answers = {QStringLiteral("xyz"), QStringLiteral("au")};
    click(m_window->Command5);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Sorry, no matches found."));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Warning);
    QCOMPARE(m_platform->prompts.size(), 2);
    QCOMPARE(m_platform->prompts[1].defaultText, QStringLiteral("XYZ"));
    QCOMPARE(redTiles(), ElementSet{79});
}

void TestFind::cancelOrEmptyEnds_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("cancel") << std::optional<QString>();
    QTest::newRow("empty answer") << std::optional<QString>(QString());
}

void TestFind::cancelOrEmptyEnds()
{
    QFETCH(std::optional<QString>, answer);
    find(QStringLiteral("h"));
    m_platform->answers.push_back(answer);
    click(m_window->Command5);
    QCOMPARE(m_platform->prompts.size(), 2);
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(redTiles().empty()); // Refresh ran first
    QCOMPARE(m_platform->prompts.back().defaultText, QStringLiteral("H"));
}

void TestFind::columnViewSelectsWholeMatches_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("row"); // selected in all six lists afterwards
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("lastDefault"); // the default text of the last prompt
    QTest::newRow("name") << "iron" << 25 << 0 << "H";
    QTest::newRow("symbol") << "AU" << 78 << 0 << "H";
    QTest::newRow("number") << "109" << 108 << 0 << "H";
    QTest::newRow("partial name finds nothing") << "iro" << 0 << 1 << "IRO";
    QTest::newRow("other name") << "Caesium" << 54 << 0 << "H";
    QTest::newRow("current symbol") << "db" << 104 << 0 << "H";
}

void TestFind::columnViewSelectsWholeMatches()
{
    QFETCH(QString, answer);
    QFETCH(int, row);
    QFETCH(int, warnings);
    QFETCH(QString, lastDefault);
    m_window->show();
    enterColumnView();
    m_window->HScroll1->setValue(6);
    click(m_window->command4[3]); // sort: rows no longer in order
    find(answer);
    QCOMPARE(m_window->HScroll1->value(), 0);
    QVERIFY(redTiles().empty());
    QCOMPARE(m_platform->messages.size(), warnings);
    QCOMPARE(m_platform->prompts.size(), 1 + warnings); // a warning asks again
    QCOMPARE(m_platform->prompts.last().defaultText, lastDefault);
    QCOMPARE(selectedRows(), QList<int>(6, row));
}

void TestFind::refreshAfterColumnSearch()
{
    m_window->show();
    enterColumnView();
    find(QStringLiteral("iron"));
    QFile file(findFilePath());
    QVERIFY(file.exists());
    QCOMPARE(file.size(), 0);
    click(m_window->Command6);
    QVERIFY(!file.exists());
    QVERIFY(redTiles().empty());
}

void TestFind::readOnlyProgramFolder()
{
    // An installed program cannot write beside itself: the marks go to the user's data folder.
    m_platform->programFolderOverride = QStringLiteral("/nonexistent/morvik/bin");
    const QString path = findFilePath();
    QVERIFY(path.startsWith(m_platform->userDataFolder()));
    find(QStringLiteral("h"));
    QVERIFY(QFile::exists(path));
    click(m_window->Command6);
    QVERIFY(redTiles().empty());
    QVERIFY(!QFile::exists(path));
}

void TestFind::damagedFindFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QColor>("hydrogen"); // hydrogen's colour after Refresh
    QTest::addColumn<QColor>("iron"); // iron is not marked: it must keep its colour
    const QColor nonMetal(0xFF, 0xFF, 0xC0);
    const QColor metal(0xFF, 0xE0, 0xC0);
    QTest::newRow("garbage") << QByteArray("\x01\xff garbage\n\n;;;\n") << nonMetal << metal;
    QTest::newRow("out of range and huge")
            << QByteArray("0 5\n110 5\n-3 5\n99999999999999999999999 5\n1 99999999999\n")
            << nonMetal << metal;
    QTest::newRow("missing colour") << QByteArray("1\n1 \n1,\n") << nonMetal << metal;
    // A colour the tile could not have had gives way to its class colour.
    QTest::newRow("comma and blanks accepted")
            << QByteArray("  1 ,\t16711680 \r\n") << nonMetal << metal;
    QTest::newRow("unmarked tile left alone") << QByteArray("26 0\n1 65280\n") << nonMetal << metal;
    QTest::newRow("no final line end") << QByteArray("1 65535") << nonMetal << metal;
}

void TestFind::damagedFindFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QColor, hydrogen);
    QFETCH(QColor, iron);
    find(QStringLiteral("h"));
    QVERIFY(writeFile(findFilePath(), content));
    click(m_window->Command6);
    QCOMPARE(tileColour(1), hydrogen);
    QCOMPARE(tileColour(26), iron);
    QCOMPARE(tileColour(2), QColor(0xFF, 0xFF, 0xC0)); // marked, record lost: back to its class
    QCOMPARE(tileColour(80), QColor(0xFF, 0xE0, 0xC0));
    QVERIFY(!QFile::exists(findFilePath()));
}

void TestFind::recordsParse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("records"); // as written back, joined by "|"
    QTest::newRow("written form") << QByteArray("26 12640511\n1 12648447\n")
                                  << "26 12640511|1 12648447";
    QTest::newRow("comma") << QByteArray("26,12640511") << "26 12640511";
    QTest::newRow("blanks, tab and CR around a comma")
            << QByteArray("  1 ,\t16711680 \r\n") << "1 16711680";
    QTest::newRow("no final line end") << QByteArray("1 65535") << "1 65535";
    QTest::newRow("glued numbers") << QByteArray("2612640511") << "";
    QTest::newRow("three numbers") << QByteArray("26 1 2") << "";
    QTest::newRow("letters after") << QByteArray("26 5x") << "";
    QTest::newRow("negative colour") << QByteArray("26 -5") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestFind::recordsParse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, records);
    QCOMPARE(formatted(FindRecords::parse(text.toStdString())), records);
}

void TestFind::findFileFolder()
{
    // Beside the program while it can write there; else in the user's data folder, made first.
    const QString data = m_platform->dataDir.filePath(QStringLiteral("new/morvik"));
    QCOMPARE(::findFilePath(m_platform->programDir.path(), data),
             m_platform->programDir.filePath(QStringLiteral("find.txt")));
    QVERIFY(!QFileInfo::exists(data));
    QCOMPARE(::findFilePath(QStringLiteral("/nonexistent/morvik/bin"), data),
             QDir(data).filePath(QStringLiteral("find.txt")));
    QVERIFY(QFileInfo(data).isDir());
}

QTEST_MAIN(TestFind)
#include "tst_find.moc"
