// Export: the file written byte for byte, the editor started on it, and every way the write can
// be refused or fail ending in a message with nothing else changed.

#include "fakeplatform.h"
#include "window/clicklabel.h"
#include "window/morvik.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

private:
    QString exportPath() const { return m_platform->tempDir.filePath("Properties.txt"); }
    QByteArray exported() const;
    void exportElement(int element);

    FakePlatform *m_platform = nullptr;
    Morvik *m_window = nullptr;
};

void TestExport::init()
{
    m_platform = new FakePlatform;
    m_window = new Morvik(*m_platform);
}

void TestExport::cleanup()
{
    delete m_window;
    delete m_platform;
}

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
    QTest::mouseClick(m_window->lblElem[element], Qt::LeftButton);
    QTest::mouseClick(m_window->Label7, Qt::LeftButton);
}

void TestExport::writesSheetByteForByte_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("iron first") << 26 << 0 << QByteArray("Name\t\t\tIron");
    QTest::newRow("iron weight") << 26 << 3 << QByteArray("Atomic weight\t\t55.847 amu");
    QTest::newRow("iron last") << 26 << 21 << QByteArray("Applications\t\tTools");
    QTest::newRow("actinium empty cell") << 89 << 10 << QByteArray("Electrical conduct.\t abmho");
    QTest::newRow("protactinium missing use") << 91 << 21 << QByteArray("Applications\t\t--");
}

void TestExport::writesSheetByteForByte()
{
    QFETCH(int, element);
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    exportElement(element);
    const QByteArray file = exported();
    QVERIFY(file.endsWith("\r\n"));
    const QList<QByteArray> lines = file.chopped(2).split('\n');
    QCOMPARE(lines.size(), 22);
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY(lines[i].endsWith('\r') || i == lines.size() - 1);
        QCOMPARE(QString::fromUtf8(lines[i]).remove('\r'), m_window->PropsList->item(i)->text());
    }
    QCOMPARE(lines[line].chopped(line == 21 ? 0 : 1), text);
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
    QTest::mouseClick(m_window->Label7, Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Select an element first."));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::None);
    QVERIFY(!QFile::exists(exportPath()));
    QVERIFY(m_platform->editorLaunches.isEmpty());
}

void TestExport::hiddenSheetStillExported_data()
{
    QTest::addColumn<bool>("columnView");
    QTest::newRow("check box cleared") << false;
    QTest::newRow("column view") << true;
}

void TestExport::hiddenSheetStillExported()
{
    QFETCH(bool, columnView);
    m_window->show();
    QTest::mouseClick(m_window->lblElem[79], Qt::LeftButton);
    if (columnView) {
        QTest::mouseClick(m_window->Command1, Qt::LeftButton);
    } else {
        m_window->Check1->click();
    }
    QVERIFY(!m_window->PropsList->isVisible());
    m_window->Label7_Click();
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
    if (::geteuid() != 0) {
        QSKIP("needs root to give a file to another user");
    }
    QFile other(exportPath());
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("another user's file");
    other.close();
    QCOMPARE(::chown(QFile::encodeName(exportPath()).constData(), 65534, 65534), 0);
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

QTEST_MAIN(TestExport)
#include "tst_export.moc"
