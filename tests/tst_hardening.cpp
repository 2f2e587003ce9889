// The window in a hostile setting: blanks around an answer, a ranking's order replaced by
// another, things planted at find.txt, records edited behind its back, overlong paths, an editor
// that gives up, and a dark desktop theme.

#include "colouring/chartcolouring.h"
#include "colouring/colouring.h"
#include "platform/qtplatform.h"
#include "window/clicklabel.h"
#include "windowtest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// An xdg-open of the test's own first on the PATH, for as long as it lives.
class StandInOpener
{
public:
    explicit StandInOpener(const QByteArray &script)
        : m_path(qgetenv("PATH"))
    {
        QFile opener(m_bin.filePath(QStringLiteral("xdg-open")));
        if (opener.open(QIODevice::WriteOnly)) {
            opener.write("#!/bin/sh\n" + script + "\n");
            opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_path);
    }
    ~StandInOpener() { qputenv("PATH", m_path); }
    StandInOpener(const StandInOpener &) = delete;
    StandInOpener &operator=(const StandInOpener &) = delete;

    QString filePath(const QString &name) const { return m_bin.filePath(name); }

private:
    QTemporaryDir m_bin;
    QByteArray m_path;
};

// The desktop's palette for as long as it lives, as a desktop theme sets it.
class DesktopPalette
{
public:
    explicit DesktopPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~DesktopPalette() { QApplication::setPalette(m_before); }
    DesktopPalette(const DesktopPalette &) = delete;
    DesktopPalette &operator=(const DesktopPalette &) = delete;

private:
    QPalette m_before = QApplication::palette();
};

// A dark desktop theme's palette, as Qt takes it from GNOME's Adwaita dark.
QPalette darkDesktop()
{
    QPalette dark;
    for (const auto &[role, colour] : {std::pair{QPalette::Window, "#323232"},
                                       {QPalette::WindowText, "#f0f0f0"},
                                       {QPalette::Base, "#242424"},
                                       {QPalette::Text, "#f0f0f0"},
                                       {QPalette::Button, "#323232"},
                                       {QPalette::ButtonText, "#f0f0f0"}}) {
        dark.setColor(role, QColor(QLatin1String(colour)));
    }
    return dark;
}

// The contrast ratio of two colours (WCAG 2): 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    return Colouring::contrast(toBgr(a), toBgr(b));
}

// Plants something at find.txt; a second folder serves as another user's place.
using Plant = void (*)(const QString &findFile, const QString &elsewhere);

} // namespace

Q_DECLARE_METATYPE(Plant)

class TestHardening : public WindowTest
{
    Q_OBJECT

public:
    TestHardening()
        : WindowTest(Start::Shown)
    { }

private slots:
    void blanksAroundAnswer_data();
    void blanksAroundAnswer();
    void rankByShowsOnlyItsOwnOrder_data();
    void rankByShowsOnlyItsOwnOrder();
    void plantedFindFile_data();
    void plantedFindFile();
    void findFileOfAnotherUser();
    void recordedColourTrustedOnlyIfPossible_data();
    void recordedColourTrustedOnlyIfPossible();
    void exportNamesTheSystemsReason();
    void editorThatGivesUpWarns_data();
    void editorThatGivesUpWarns();
    void openerThatGivesUpReported();
    void closingLeavesEditorRunning();
    void textReadableOnEveryDesktop_data();
    void textReadableOnEveryDesktop();

private:
    QString findFileBesideProgram() const
    {
        return m_platform->programDir.filePath(QStringLiteral("find.txt"));
    }
    void findAndRefreshLeave(const QString &planted);
    // The lowest contrast of a text with what it is drawn on: a surface of its own, or the
    // window's background under a caption.
    static double surfaceContrast(const QWidget *surface, QPalette::ColorRole text,
                                  QPalette::ColorRole back);
    double captionContrast(QWidget *caption) const;
};

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

void TestHardening::plantedFindFile_data()
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

void TestHardening::plantedFindFile()
{
    QFETCH(Plant, plant);
    const QTemporaryDir elsewhere;
    plant(findFileBesideProgram(), elsewhere.path());
    const QStringList elsewhereBefore = QDir(elsewhere.path()).entryList(QDir::Files);
    findAndRefreshLeave(findFileBesideProgram());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files), elsewhereBefore);
}

void TestHardening::findFileOfAnotherUser()
{
    if (!canGiveFilesAway()) {
        QSKIP("needs root to give a file to another user");
    }
    QVERIFY(writeForeignFile(findFileBesideProgram(), "another user's file\n"));
    findAndRefreshLeave(findFileBesideProgram());
}

// Find and Refresh work as ever, through the user's data folder, and what stands at planted
// is left as it was; neither ever waits on it.
void TestHardening::findAndRefreshLeave(const QString &planted)
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

void TestHardening::recordedColourTrustedOnlyIfPossible_data()
{
    QTest::addColumn<QByteArray>("records"); // find.txt as it stands when Refresh reads it
    QTest::addColumn<QColor>("iron"); // iron's colour afterwards
    QTest::newRow("as Find wrote it") << QByteArray("26 12640511\n") << Palette::Metal;
    QTest::newRow("black") << QByteArray("26 0\n") << Palette::Metal;
    QTest::newRow("black with signs") << QByteArray("+26 +0\n") << Palette::Metal;
    QTest::newRow("another class's colour") << QByteArray("26 16761024\n") << Palette::Metal;
    QTest::newRow("red kept red") << QByteArray("26 255\n") << Palette::Metal;
}

void TestHardening::recordedColourTrustedOnlyIfPossible()
{
    QFETCH(QByteArray, records);
    QFETCH(QColor, iron);
    find(QStringLiteral("fe"));
    QVERIFY(writeFile(findFilePath(), records));
    click(m_window->Command6);
    QCOMPARE(tileColour(26), iron);
    QCOMPARE(tileColour(100), Palette::Metal); // its record lost
}

void TestHardening::exportNamesTheSystemsReason()
{
    // The temporary folder exists, but a file's path in it is longer than the system allows.
    QString folder = m_platform->tempDir.path();
    while (folder.size() < 4080) {
        folder += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    }
    folder.truncate(4080);
    QVERIFY(QDir().mkpath(folder));
    m_platform->tempFolderOverride = folder + QLatin1Char('/');
    click(m_window->lblElem[26]);
    click(m_window->Label7);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(m_platform->messages[0].text.endsWith(qt_error_string(ENAMETOOLONG) + '.'),
             qPrintable(m_platform->messages[0].text.right(80)));
    QVERIFY(m_platform->editorLaunches.isEmpty());
}

void TestHardening::editorThatGivesUpWarns_data()
{
    QTest::addColumn<bool>("starts");
    QTest::addColumn<int>("exports");
    QTest::addColumn<QList<int>>("givingUp"); // the editors that give up, in turn
    QTest::addColumn<QList<int>>("givingUpWhileWarned"); // ... while the first warning is open
    QTest::addColumn<int>("warnings");
    QTest::newRow("started and fine") << true << 1 << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("started, then failed") << true << 1 << QList<int>{0} << QList<int>{} << 1;
    QTest::newRow("could not start") << false << 1 << QList<int>{} << QList<int>{} << 1;
    QTest::newRow("two failed starts, one warning each")
            << true << 2 << QList<int>{0, 1} << QList<int>{} << 2;
    QTest::newRow("no second warning while one is open")
            << true << 2 << QList<int>{0} << QList<int>{1} << 1;
}

void TestHardening::editorThatGivesUpWarns()
{
    QFETCH(bool, starts);
    QFETCH(int, exports);
    QFETCH(QList<int>, givingUp);
    QFETCH(QList<int>, givingUpWhileWarned);
    QFETCH(int, warnings);
    m_platform->editorStarts = starts;
    click(m_window->lblElem[26]);
    for (int i = 0; i < exports; ++i) {
        click(m_window->Label7);
    }
    QCOMPARE(m_platform->editorLaunches.size(), exports);
    m_platform->whileMessageOpen = [this, givingUpWhileWarned] {
        for (const int editor : givingUpWhileWarned) {
            m_platform->editorFailures.at(static_cast<std::size_t>(editor))();
        }
    };
    for (const int editor : givingUp) {
        m_platform->editorFailures.at(static_cast<std::size_t>(editor))();
    }
    QCOMPARE(m_platform->messages.size(), warnings);
    const QString exported = m_platform->tempDir.filePath(QStringLiteral("Properties.txt"));
    for (const FakePlatform::Message &message : std::as_const(m_platform->messages)) {
        QCOMPARE(message.icon, Platform::Icon::Warning);
        QVERIFY(message.text.contains(exported));
    }
}

void TestHardening::openerThatGivesUpReported()
{
    // xdg-open on a desktop with no application for text files.
    const StandInOpener opener("exit 3");
    QtPlatform platform;
    int reports = 0;
    QVERIFY(platform.openInEditor(QStringLiteral("/tmp/Properties.txt"),
                                  [&reports] { ++reports; }));
    QTRY_COMPARE(reports, 1);
}

void TestHardening::closingLeavesEditorRunning()
{
    // An editor that stays: it tells its process number and waits.
    const StandInOpener opener("echo $$ > \"$(dirname \"$0\")/pid\"; exec sleep 60");
    QFile pidFile(opener.filePath(QStringLiteral("pid")));
    auto platform = std::make_unique<QtPlatform>();
    QVERIFY(platform->openInEditor(QStringLiteral("/tmp/Properties.txt"), [] {}));
    QTRY_VERIFY(pidFile.size() > 0);
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const pid_t editor = pidFile.readAll().trimmed().toInt();
    QVERIFY(editor > 0);
    platform.reset(); // as when Morvik closes
    const bool running = ::kill(editor, 0) == 0;
    ::kill(editor, SIGTERM);
    QVERIFY2(running, "closing ended the editor");
}

void TestHardening::textReadableOnEveryDesktop_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::newRow("light default") << QApplication::palette();
    QTest::newRow("dark theme") << darkDesktop();
}

void TestHardening::textReadableOnEveryDesktop()
{
    QFETCH(QPalette, desktop);
    const DesktopPalette theme(desktop);
    // The window as it opens on that desktop.
    delete m_window;
    m_window = new Morvik(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    constexpr double Readable = 4.5; // WCAG AA for text
    click(m_window->lblElem[26]);
    const auto tilesReadable = [this] {
        for (int i = 1; i < Morvik::TileCount; ++i) {
            const QWidget *tile = m_window->lblElem[i];
            QVERIFY2(surfaceContrast(tile, QPalette::WindowText, QPalette::Window) >= Readable,
                     qPrintable(tile->objectName()));
        }
    };
    tilesReadable();
    for (int g = 1; g < Morvik::GroupCount; ++g) {
        const QWidget *number = m_window->Label1[g];
        QVERIFY2(surfaceContrast(number, QPalette::WindowText, QPalette::Window) >= Readable,
                 qPrintable(number->objectName()));
    }
    QVERIFY(surfaceContrast(m_window->PropsList, QPalette::Text, QPalette::Base) >= Readable);
    QList<QWidget *> captions{m_window->Label2[0], m_window->Label2[1], m_window->Label3,
                              m_window->Label5, m_window->Label7};
    captions << QList<QWidget *>(m_window->Legend.begin(), m_window->Legend.end())
             << QList<QWidget *>(m_window->Label6.begin(), m_window->Label6.end());
    for (QWidget *caption : captions) {
        QVERIFY2(captionContrast(caption) >= Readable, qPrintable(caption->objectName()));
    }
    // The states' tiles and legend, and the temperature in kelvin.
    m_window->colouring().cboColourBy->setFocus();
    QTest::keyClick(m_window->colouring().cboColourBy, Qt::Key_End);
    captions = {m_window->colouring().lblKelvin};
    captions << QList<QWidget *>(m_window->colouring().lblState.begin(),
                                 m_window->colouring().lblState.end());
    for (QWidget *caption : captions) {
        QVERIFY2(captionContrast(caption) >= Readable, qPrintable(caption->objectName()));
    }
    tilesReadable();

    enterColumnView();
    for (const QListWidget *list : m_window->List1) {
        QVERIFY2(surfaceContrast(list, QPalette::Text, QPalette::Base) >= Readable,
                 qPrintable(list->objectName()));
    }
    for (QWidget *caption : QList<QWidget *>{m_window->Label4, m_window->lblRankBy}) {
        QVERIFY2(captionContrast(caption) >= Readable, qPrintable(caption->objectName()));
    }
}

double TestHardening::surfaceContrast(const QWidget *surface, QPalette::ColorRole text,
                                      QPalette::ColorRole back)
{
    return contrast(surface->palette().color(text), surface->palette().color(back));
}

double TestHardening::captionContrast(QWidget *caption) const
{
    caption->hide();
    const QImage under = m_window->grab(caption->geometry()).toImage();
    caption->show();
    const QColor text = caption->palette().color(caption->foregroundRole());
    double lowest = 21;
    for (int y = 0; y < under.height(); ++y) {
        for (int x = 0; x < under.width(); ++x) {
            lowest = std::min(lowest, contrast(text, under.pixelColor(x, y)));
        }
    }
    return lowest;
}

QTEST_MAIN(TestHardening)
#include "tst_hardening.moc"
