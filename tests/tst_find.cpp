// Find and Refresh with scripted dialogs: which tiles and rows match, the marks kept in
// find.txt, and files that are missing, misplaced or damaged.

#include "caselocale.h"
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
#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <stop_token>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

// Ends a wait in open() on a pipe: once the deadline has passed it opens the pipe at both ends
// itself, so that a window that froze on it lets the test go on and fail instead of hanging.
class PipeWatchdog
{
public:
    explicit PipeWatchdog(const QString &path)
        : m_thread([this, name = QFile::encodeName(path)](std::stop_token stop) {
            std::mutex mutex;
            std::unique_lock lock(mutex);
            std::condition_variable_any().wait_for(lock, stop, std::chrono::seconds(5),
                                                   [] { return false; });
            if (!stop.stop_requested()) {
                m_fired = true;
                ::close(::open(name.constData(), O_RDWR | O_NONBLOCK));
            }
        })
    { }

    bool fired() const { return m_fired; }

private:
    std::atomic<bool> m_fired = false;
    std::jthread m_thread;
};

// What stands at a name, told without opening anything that could block: its kind, where a
// link there points, and the content of a regular file (through the link).
QString describe(const QString &path)
{
    const QFileInfo name(path);
    QFile file(path);
    const QByteArray content =
            name.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return QStringLiteral("%1 %2 %3 %4")
            .arg(name.isSymLink())
            .arg(name.isFile())
            .arg(name.symLinkTarget(), QString::fromUtf8(content));
}

// Plants something at find.txt; a second folder serves as another user's place.
using Plant = void (*)(const QString &findFile, const QString &elsewhere);

} // namespace

Q_DECLARE_METATYPE(Plant)

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
    void blanksAroundAnswer_data();
    void blanksAroundAnswer();
    void plantedFindFile_data();
    void plantedFindFile();
    void findFileOfAnotherUser();
    void recordedColourTrustedOnlyIfPossible_data();
    void recordedColourTrustedOnlyIfPossible();
    void matchingIgnoresLocale_data();
    void matchingIgnoresLocale();

private:
    QString findFileBesideProgram() const
    {
        return m_platform->programDir.filePath(QStringLiteral("find.txt"));
    }
    // Find and Refresh work as ever, through the user's data folder, and what stands at planted
    // is left as it was; neither ever waits on it.
    void findAndRefreshLeave(const QString &planted);
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

void TestFind::blanksAroundAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<ElementSet>("marked");
    QTest::addColumn<QString>("remembered"); // the default of the next prompt
    QTest::newRow("blanks both sides") << "  fe  " << ElementSet{26, 100} << "FE";
    QTest::newRow("tab and blank") << "\tau " << ElementSet{79} << "AU";
    QTest::newRow("blanks only: ends as an empty answer") << "   " << ElementSet{} << "H";
}

void TestFind::blanksAroundAnswer()
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

void TestFind::plantedFindFile_data()
{
    QTest::addColumn<Plant>("plant");
    QTest::newRow("pipe") << Plant([](const QString &findFile, const QString &) {
        QCOMPARE(::mkfifo(QFile::encodeName(findFile).constData(), 0600), 0);
    });
    QTest::newRow("link to another file")
            << Plant([](const QString &findFile, const QString &elsewhere) {
                   QFile victim(QDir(elsewhere).filePath(QStringLiteral("victim")));
                   QVERIFY(victim.open(QIODevice::WriteOnly));
                   victim.write("keep me\n");
                   victim.close();
                   QVERIFY(QFile::link(victim.fileName(), findFile));
               });
    QTest::newRow("link to nothing yet")
            << Plant([](const QString &findFile, const QString &elsewhere) {
                   QVERIFY(QFile::link(QDir(elsewhere).filePath(QStringLiteral("new")), findFile));
               });
}

void TestFind::plantedFindFile()
{
    QFETCH(Plant, plant);
    const QTemporaryDir elsewhere;
    plant(findFileBesideProgram(), elsewhere.path());
    const QStringList elsewhereBefore = QDir(elsewhere.path()).entryList(QDir::Files);
    findAndRefreshLeave(findFileBesideProgram());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files), elsewhereBefore);
}

void TestFind::findFileOfAnotherUser()
{
    if (!canGiveFilesAway()) {
        QSKIP("needs root to give a file to another user");
    }
    QVERIFY(writeForeignFile(findFileBesideProgram(), "another user's file\n"));
    findAndRefreshLeave(findFileBesideProgram());
}

// Find and Refresh work as ever, through the user's data folder, and what stands at planted
// is left as it was; neither ever waits on it.
void TestFind::findAndRefreshLeave(const QString &planted)
{
    const QString before = describe(planted);
    {
        const PipeWatchdog watchdog(planted);
        find(QStringLiteral("fe"));
        QVERIFY2(!watchdog.fired(), "Find waited on what stands at find.txt");
        QCOMPARE(tilesColoured(Palette::Found), (ElementSet{26, 100}));
        QCOMPARE(describe(planted), before);
        QVERIFY(findFilePath().startsWith(m_platform->userDataFolder()));
        QFile records(findFilePath());
        QVERIFY(records.open(QIODevice::ReadOnly));
        QCOMPARE(records.readAll().count('\n'), 2);
        records.close();
        click(m_window->Command6);
        QVERIFY2(!watchdog.fired(), "Refresh waited on what stands at find.txt");
    }
    QVERIFY(tilesColoured(Palette::Found).empty());
    QVERIFY(!QFile::exists(findFilePath()));
    QCOMPARE(describe(planted), before);
}

void TestFind::recordedColourTrustedOnlyIfPossible_data()
{
    QTest::addColumn<QByteArray>("records"); // find.txt as it stands when Refresh reads it
    QTest::addColumn<QColor>("iron"); // iron's colour afterwards
    QTest::newRow("as Find wrote it") << QByteArray("26 12640511\n") << Palette::Metal;
    QTest::newRow("black") << QByteArray("26 0\n") << Palette::Metal;
    QTest::newRow("black with signs") << QByteArray("+26 +0\n") << Palette::Metal;
    QTest::newRow("another class's colour") << QByteArray("26 16761024\n") << Palette::Metal;
    QTest::newRow("red kept red") << QByteArray("26 255\n") << Palette::Metal;
}

void TestFind::recordedColourTrustedOnlyIfPossible()
{
    QFETCH(QByteArray, records);
    QFETCH(QColor, iron);
    find(QStringLiteral("fe"));
    QVERIFY(writeFile(findFilePath(), records));
    click(m_window->Command6);
    QCOMPARE(tileColour(26), iron);
    QCOMPARE(tileColour(100), Palette::Metal); // its record lost
}

void TestFind::matchingIgnoresLocale_data()
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

void TestFind::matchingIgnoresLocale()
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

QTEST_MAIN(TestFind)
#include "tst_find.moc"
