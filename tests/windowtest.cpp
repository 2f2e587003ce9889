#include "windowtest.h"

#include "tools/findfile.h"
#include "window/clicklabel.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

WindowTest::WindowTest(Start start)
    : m_start(start)
{ }

void WindowTest::init()
{
    m_platform = new FakePlatform;
    rebuildWindow();
}

void WindowTest::rebuildWindow()
{
    delete m_window;
    m_window = new Morvik(*m_platform);
    if (m_start == Start::Shown) {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
}

void WindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_platform;
    m_platform = nullptr;
}

QStringList WindowTest::texts(const QListWidget *list)
{
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) {
        rows << list->item(row)->text();
    }
    return rows;
}

QStringList WindowTest::column(int i) const
{
    return texts(m_window->List1.at(static_cast<std::size_t>(i)));
}

QStringList WindowTest::sheet() const
{
    return texts(m_window->PropsList);
}

QList<int> WindowTest::selectedRows() const
{
    QList<int> rows;
    for (const QListWidget *list : m_window->List1) {
        rows << list->currentRow();
    }
    return rows;
}

QColor WindowTest::tileColour(int i) const
{
    return m_window->lblElem.at(static_cast<std::size_t>(i))->palette().color(QPalette::Window);
}

QRectF WindowTest::twipsOf(const QWidget *control) const
{
    const TwipsRect r = m_window->parts().rect(control);
    return QRectF(r.left, r.top, r.width, r.height);
}

QString WindowTest::findFilePath() const
{
    return ::findFilePath(m_platform->programFolder(), m_platform->userDataFolder());
}

ElementSet WindowTest::tilesColoured(const QColor &colour) const
{
    ElementSet tiles;
    for (int i = 1; i < Morvik::TileCount; ++i) {
        if (tileColour(i) == colour) {
            tiles.insert(i);
        }
    }
    return tiles;
}

void WindowTest::click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WindowTest::find(const QString &answer)
{
    m_platform->answers.push_back(answer);
    click(m_window->Command5);
}

void WindowTest::enterColumnView()
{
    click(m_window->Command1);
    QCOMPARE(m_window->Command1->text(), QCoreApplication::translate("Morvik", "Table format"));
}

bool WindowTest::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

bool WindowTest::canGiveFilesAway()
{
    return ::geteuid() == 0;
}

bool WindowTest::writeForeignFile(const QString &path, const QByteArray &bytes)
{
    constexpr uid_t nobody = 65534;
    return writeFile(path, bytes)
           && ::chown(QFile::encodeName(path).constData(), nobody, nobody) == 0;
}
