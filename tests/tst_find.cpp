// Find and Refresh with scripted dialogs: which tiles and rows match, the marks kept in
// find.txt, and files that are missing, misplaced or damaged.

#include "elementsets.h"
#include "fakeplatform.h"
#include "tools/findrecords.h"
#include "window/clicklabel.h"
#include "window/morvik.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <set>

namespace {

const QColor red(255, 0, 0);

} // namespace

class TestFind : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

private:
    std::set<int> redTiles() const;
    QColor colour(int i) const;
    void find(const QString &answer);

    FakePlatform *m_platform = nullptr;
    Morvik *m_window = nullptr;
};

void TestFind::init()
{
    m_platform = new FakePlatform;
    m_window = new Morvik(*m_platform);
}

void TestFind::cleanup()
{
    delete m_window;
    delete m_platform;
}

QColor TestFind::colour(int i) const
{
    return m_window->lblElem[i]->palette().color(QPalette::Window);
}

std::set<int> TestFind::redTiles() const
{
    std::set<int> marked;
    for (int i = 1; i < Morvik::TileCount; ++i) {
        if (colour(i) == red) {
            marked.insert(i);
        }
    }
    return marked;
}

void TestFind::find(const QString &answer)
{
    m_platform->answers.push_back(answer);
    QTest::mouseClick(m_window->Command5, Qt::LeftButton);
}

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
    QTest::addColumn<std::set<int>>("marked");
    QTest::newRow("h: names and symbols starting with H") << "h" << std::set<int>{1, 2, 67, 72, 80};
    QTest::newRow("1: numbers starting with 1")
            << "1" << (std::set<int>{1} + range(10, 19) + range(100, 109));
    QTest::newRow("fe: iron by symbol, fermium by name") << "fe" << std::set<int>{26, 100};
    QTest::newRow("26") << "26" << std::set<int>{26};
    QTest::newRow("une: by symbol only") << "une" << std::set<int>{109};
    QTest::newRow("whole name") << "Wolfram" << std::set<int>{74};
    QTest::newRow("longer than any text") << "hydrogenium" << std::set<int>{};
}

void TestFind::marksMatchingTiles()
{
    QFETCH(QString, answer);
    QFETCH(std::set<int>, marked);
    std::vector<QColor> before;
    for (int i = 0; i < Morvik::TileCount; ++i) {
        before.push_back(m_window->lblElem[i]->palette().color(QPalette::Window));
    }
    find(answer);
    QCOMPARE(redTiles(), marked);

    // One record per marked tile, with its colour before.
    QFile file(m_window->findFilePath());
    QCOMPARE(file.exists(), true);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    std::set<int> recorded;
    for (const auto &record : FindRecords::parse(text.toStdString())) {
        QVERIFY(recorded.insert(record.element).second);
        QCOMPARE(fromBgr(record.color), before[static_cast<std::size_t>(record.element)]);
    }
    QCOMPARE(recorded, marked);
    QCOMPARE(text.count('\n'), static_cast<qsizetype>(marked.size()));
    file.close();

    QTest::mouseClick(m_window->Command6, Qt::LeftButton);
    for (int i = 1; i < Morvik::TileCount; ++i) {
        QCOMPARE(colour(i), before[static_cast<std::size_t>(i)]);
    }
    QVERIFY(!QFile::exists(m_window->findFilePath()));
}

void TestFind::secondFindRestoresFirst()
{
    find(QStringLiteral("h"));
    find(QStringLiteral("26"));
    QCOMPARE(redTiles(), std::set<int>{26});
    QCOMPARE(colour(1), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(colour(80), QColor(0xFF, 0xE0, 0xC0));
}

void TestFind::noMatchWarnsAndAsksAgain()
{
    m_platform->answers = {QStringLiteral("xyz"), QStringLiteral("au")};
    QTest::mouseClick(m_window->Command5, Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Sorry, no matches found."));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Warning);
    QCOMPARE(m_platform->prompts.size(), 2);
    QCOMPARE(m_platform->prompts[1].defaultText, QStringLiteral("XYZ"));
    QCOMPARE(redTiles(), std::set<int>{79});
}

void TestFind::cancelOrEmptyEnds_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancel") << true;
    QTest::newRow("empty answer") << false;
}

void TestFind::cancelOrEmptyEnds()
{
    QFETCH(bool, cancel);
    find(QStringLiteral("h"));
    m_platform->answers.push_back(cancel ? std::nullopt : std::optional<QString>(QString()));
    QTest::mouseClick(m_window->Command5, Qt::LeftButton);
    QCOMPARE(m_platform->prompts.size(), 2);
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(redTiles().empty()); // Refresh ran first
    QCOMPARE(m_platform->prompts.back().defaultText, QStringLiteral("H"));
}

void TestFind::columnViewSelectsWholeMatches_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("row");
    QTest::newRow("name") << "iron" << 25;
    QTest::newRow("symbol") << "AU" << 78;
    QTest::newRow("number") << "109" << 108;
    QTest::newRow("partial name finds nothing") << "iro" << -1;
    QTest::newRow("other name") << "Caesium" << 54;
    QTest::newRow("current symbol") << "db" << 104;
}

void TestFind::columnViewSelectsWholeMatches()
{
    QFETCH(QString, answer);
    QFETCH(int, row);
    m_window->show();
    QTest::mouseClick(m_window->Command1, Qt::LeftButton);
    m_window->HScroll1->setValue(6);
    QTest::mouseClick(m_window->command4[3], Qt::LeftButton); // sort: rows no longer in order
    m_platform->answers = {answer};
    QTest::mouseClick(m_window->Command5, Qt::LeftButton);
    QCOMPARE(m_window->HScroll1->value(), 0);
    QVERIFY(redTiles().empty());
    if (row < 0) {
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->prompts.size(), 2);
        QCOMPARE(m_platform->prompts[1].defaultText, answer.toUpper());
        return;
    }
    QVERIFY(m_platform->messages.isEmpty());
    for (const QListWidget *list : m_window->List1) {
        QCOMPARE(list->currentRow(), row);
    }
}

void TestFind::refreshAfterColumnSearch()
{
    m_window->show();
    QTest::mouseClick(m_window->Command1, Qt::LeftButton);
    find(QStringLiteral("iron"));
    QFile file(m_window->findFilePath());
    QVERIFY(file.exists());
    QCOMPARE(file.size(), 0);
    QTest::mouseClick(m_window->Command6, Qt::LeftButton);
    QVERIFY(!file.exists());
    QVERIFY(redTiles().empty());
}

void TestFind::readOnlyProgramFolder()
{
    // An installed program cannot write beside itself: the marks go to the user's data folder.
    m_platform->programFolderOverride = QStringLiteral("/nonexistent/morvik/bin");
    const QString path = m_window->findFilePath();
    QVERIFY(path.startsWith(m_platform->userDataFolder()));
    find(QStringLiteral("h"));
    QVERIFY(QFile::exists(path));
    QTest::mouseClick(m_window->Command6, Qt::LeftButton);
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
    QTest::newRow("comma and blanks accepted")
            << QByteArray("  1 ,\t16711680 \r\n") << QColor(0, 0, 255) << metal;
    QTest::newRow("unmarked tile left alone")
            << QByteArray("26 0\n1 65280\n") << QColor(0, 255, 0) << metal;
    QTest::newRow("no final line end") << QByteArray("1 65535") << QColor(255, 255, 0) << metal;
}

void TestFind::damagedFindFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QColor, hydrogen);
    QFETCH(QColor, iron);
    find(QStringLiteral("h"));
    QFile file(m_window->findFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    QTest::mouseClick(m_window->Command6, Qt::LeftButton);
    QCOMPARE(colour(1), hydrogen);
    QCOMPARE(colour(26), iron);
    QCOMPARE(colour(2), QColor(0xFF, 0xFF, 0xC0)); // marked, record lost: back to its class
    QCOMPARE(colour(80), QColor(0xFF, 0xE0, 0xC0));
    QVERIFY(!file.exists());
}

void TestFind::recordsParse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("written form") << QByteArray("26 12640511\n1 12648447\n") << 2;
    QTest::newRow("comma") << QByteArray("26,12640511") << 1;
    QTest::newRow("glued numbers") << QByteArray("2612640511") << 0;
    QTest::newRow("three numbers") << QByteArray("26 1 2") << 0;
    QTest::newRow("letters after") << QByteArray("26 5x") << 0;
    QTest::newRow("negative colour") << QByteArray("26 -5") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TestFind::recordsParse()
{
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    QCOMPARE(static_cast<int>(FindRecords::parse(text.toStdString()).size()), count);
    if (count > 0) {
        const FindRecords::Record first = FindRecords::parse(text.toStdString()).front();
        QCOMPARE(first.element, 26);
        QCOMPARE(first.color, 12640511u);
        QCOMPARE(FindRecords::format(first), std::string("26 12640511"));
    }
}

QTEST_MAIN(TestFind)
#include "tst_find.moc"
