// Export: the file written byte for byte, the editor started on it, and every way the write can
// be refused or fail ending in a message with nothing else changed.

#include "fulldisk.h"
#include "platform/qtplatform.h"
#include "tools/exportfile.h"
#include "window/clicklabel.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

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

} // namespace

class TestExport : public WindowTest
{
    Q_OBJECT

private slots:
    void writesSheetByteForByte_data();
    void writesSheetByteForByte();
    void exportTwiceReplaces();
    void nothingSelected();
    void hiddenSheetStillExported_data();
    void hiddenSheetStillExported();
    void plantedLinkRefused();
    void missingTempFolder_data();
    void missingTempFolder();
    void foreignFileRefused();
    void editorNotStarted();
    void replaceFileWritesWhole_data();
    void replaceFileWritesWhole();
    void fullDiskLeavesNothing();
    void exportNamesTheSystemsReason_data();
    void exportNamesTheSystemsReason();
    void editorThatGivesUpWarns_data();
    void editorThatGivesUpWarns();
    void openerThatGivesUpReported();
    void closingLeavesEditorRunning();

private:
    QString exportPath() const { return m_platform->tempDir.filePath("Properties.txt"); }
    QByteArray exported() const;
    void exportElement(int element);
};

QByteArray TestExport::exported() const
{
    QFile file(exportPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void TestExport::exportElement(int element)
{
    click(m_window->lblElem[element]);
    click(m_window->Label7);
}

void TestExport::writesSheetByteForByte_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("iron first") << 26 << 0 << QByteArray("Name\t\t\tIron");
    QTest::newRow("iron weight") << 26 << 3 << QByteArray("Atomic weight\t\t55.847 amu");
    QTest::newRow("iron last") << 26 << 21 << QByteArray("Applications\t\tTools");
    QTest::newRow("actinium empty cell")
            << 89 << 10 << QByteArray("Electrical conduct.\t 10^6/ohm-cm");
    QTest::newRow("protactinium missing use") << 91 << 21 << QByteArray("Applications\t\t--");
}

void TestExport::writesSheetByteForByte()
{
    QFETCH(int, element);
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    exportElement(element);
    // Every line ends in CR LF, the last one too, and nothing else breaks a line.
    const QByteArray file = exported();
    QVERIFY(file.endsWith("\r\n"));
    QCOMPARE(file.count('\n'), 22);
    QCOMPARE(file.count("\r\n"), 22);
    const QStringList lines = QString::fromUtf8(file.chopped(2)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines, sheet());
    QCOMPARE(lines[line].toUtf8(), text);
    QCOMPARE(m_platform->editorLaunches, QStringList{exportPath()});
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"Properties.txt"}); // no draft left behind
}

void TestExport::exportTwiceReplaces()
{
    exportElement(1);
    const QByteArray hydrogen = exported();
    exportElement(26);
    const qsizetype once = exported().size();
    exportElement(26);
    QCOMPARE(exported().size(), once);
    QVERIFY(exported().startsWith("Name\t\t\tIron\r\n"));
    QCOMPARE(exported().count("\r\n"), 22);
    QVERIFY(hydrogen != exported());
}

void TestExport::nothingSelected()
{
    click(m_window->Label7);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Select an element first."));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::None);
    QVERIFY(!QFile::exists(exportPath()));
    QVERIFY(m_platform->editorLaunches.isEmpty());
}

void TestExport::hiddenSheetStillExported_data()
{
    QTest::addColumn<QString>("hiddenBy"); // the control whose click hides the sheet
    QTest::newRow("check box cleared") << "Check1";
    QTest::newRow("column view") << "Command1";
}

void TestExport::hiddenSheetStillExported()
{
    QFETCH(QString, hiddenBy);
    m_window->show();
    click(m_window->lblElem[79]);
    click(m_window->findChild<QWidget *>(hiddenBy));
    QVERIFY(!m_window->PropsList->isVisible());
    click(m_window->Label7);
    QVERIFY(exported().startsWith("Name\t\t\tGold\r\n"));
}

void TestExport::plantedLinkRefused()
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("victim"));
    QFile victim(target);
    QVERIFY(victim.open(QIODevice::WriteOnly));
    victim.write("keep me");
    victim.close();
    QVERIFY(QFile::link(target, exportPath()));

    exportElement(26);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(exportPath()));
    QVERIFY(m_platform->messages[0].text.contains(QStringLiteral("symbolic link")));
    QVERIFY(m_platform->editorLaunches.isEmpty());
    QVERIFY(victim.open(QIODevice::ReadOnly));
    QCOMPARE(victim.readAll(), QByteArray("keep me"));
    QVERIFY(QFileInfo(exportPath()).isSymLink());
}

void TestExport::missingTempFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("no such folder") << "/nonexistent/morvik-temp/";
    QTest::newRow("no folder at all") << "";
}

void TestExport::missingTempFolder()
{
    QFETCH(QString, folder);
    m_platform->tempFolderOverride = folder;
    exportElement(26);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Critical);
    QVERIFY(m_platform->messages[0].text.contains(folder + QStringLiteral("Properties.txt")));
    QVERIFY(m_platform->editorLaunches.isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("Properties.txt"))); // not in the working folder
    QCOMPARE(m_window->PropsList->count(), 22); // nothing else changes
}

void TestExport::foreignFileRefused()
{
    if (!canGiveFilesAway()) {
        QSKIP("needs root to give a file to another user");
    }
    QVERIFY(writeForeignFile(exportPath(), "another user's file"));
    exportElement(26);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(QStringLiteral("another user")));
    QCOMPARE(exported(), QByteArray("another user's file"));
    QVERIFY(m_platform->editorLaunches.isEmpty());
}

void TestExport::editorNotStarted()
{
    m_platform->editorStarts = false;
    exportElement(26);
    QVERIFY(exported().startsWith("Name\t\t\tIron"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Warning);
    QVERIFY(m_platform->messages[0].text.contains(exportPath()));
}

void TestExport::replaceFileWritesWhole_data()
{
    QTest::addColumn<QByteArray>("before"); // what stands at the name first
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("new file") << QByteArray() << QByteArray("Name\t\t\tIron\r\n");
    QTest::newRow("longer file replaced, not overwritten in place")
            << QByteArray(4096, 'x') << QByteArray("short\r\n");
    QTest::newRow("empty text") << QByteArray("old") << QByteArray();
}

void TestExport::replaceFileWritesWhole()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, bytes);
    const QString path = m_platform->tempDir.filePath(QStringLiteral("out.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(before);
    old.close();
    QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QCOMPARE(replaceFile(path, bytes), std::nullopt);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), bytes);
    // The replaced file's permissions, not the draft's owner-only ones.
    QCOMPARE(old.permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                        | QFile::WriteUser | QFile::ReadGroup);
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"out.txt"});
    QCOMPARE(exportFileText({"a\tb", "c"}), QByteArray("a\tb\r\nc\r\n"));

    // A new file gets what any new file of this user gets.
    const QString fresh = m_platform->tempDir.filePath(QStringLiteral("fresh.txt"));
    QFile plain(m_platform->tempDir.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QCOMPARE(replaceFile(fresh, bytes), std::nullopt);
    QCOMPARE(QFile::permissions(fresh), plain.permissions());
}

void TestExport::fullDiskLeavesNothing()
{
    click(m_window->lblElem[26]);
    {
        const FullDisk full;
        QVERIFY(full.isSet());
        click(m_window->Label7);
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.endsWith(qt_error_string(EFBIG) + '.'));
    QVERIFY(m_platform->editorLaunches.isEmpty());
    // Neither the file nor a hidden draft of it.
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestExport::exportNamesTheSystemsReason_data()
{
    QTest::addColumn<int>("folderLength");
    QTest::addColumn<bool>("written");
    // "/Properties.txt" is 15 bytes: the longest path the system takes is 4095 bytes.
    QTest::newRow("4095 bytes: the longest path, written") << 4080 << true;
    QTest::newRow("4100 bytes: too long, and the system says so") << 4085 << false;
}

void TestExport::exportNamesTheSystemsReason()
{
    QFETCH(int, folderLength);
    QFETCH(bool, written);
    QString folder = m_platform->tempDir.path();
    while (folder.size() < folderLength) {
        folder += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    }
    folder.truncate(folderLength);
    QVERIFY(QDir().mkpath(folder));
    m_platform->tempFolderOverride = folder + QLatin1Char('/');
    click(m_window->lblElem[26]);
    click(m_window->Label7);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             written ? QStringList{"Properties.txt"} : QStringList());
    QCOMPARE(m_platform->editorLaunches.size(), int(written));
    QCOMPARE(m_platform->messages.size(), int(!written));
    if (!written) {
        QVERIFY2(m_platform->messages[0].text.endsWith(qt_error_string(ENAMETOOLONG) + '.'),
                 qPrintable(m_platform->messages[0].text.right(80)));
    }
}

void TestExport::editorThatGivesUpWarns_data()
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

void TestExport::editorThatGivesUpWarns()
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

void TestExport::openerThatGivesUpReported()
{
    // xdg-open on a desktop with no application for text files.
    const StandInOpener opener("exit 3");
    QtPlatform platform;
    int reports = 0;
    QVERIFY(platform.openInEditor(QStringLiteral("/tmp/Properties.txt"),
                                  [&reports] { ++reports; }));
    QTRY_COMPARE(reports, 1);
}

void TestExport::closingLeavesEditorRunning()
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

QTEST_MAIN(TestExport)
#include "tst_export.moc"
