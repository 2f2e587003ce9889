#pragma once

// The fixture of every window suite: a fresh Morvik on a fake platform for each test function,
// and readers for what it shows. A suite derives from WindowTest; its own init() and cleanup()
// are not needed.

#include "elementsets.h"
#include "fakeplatform.h"
#include "window/morvik.h"
#include "window/units.h"

#include <QColor>
#include <QObject>
#include <QStringList>

class QListWidget;

// The window's colours, from the program's own constants.
namespace Palette {
inline const QColor Metal = fromBgr(Colors::Metal);
inline const QColor Metalloid = fromBgr(Colors::Metalloid);
inline const QColor NonMetal = fromBgr(Colors::NonMetal);
inline const QColor Found = fromBgr(Colors::FoundMark);
} // namespace Palette

class WindowTest : public QObject
{
    Q_OBJECT

public:
    // Shown: on screen (offscreen) and active before each test function starts.
    enum class Start { Hidden, Shown };
    explicit WindowTest(Start start = Start::Hidden);

private slots:
    void init();
    void cleanup();

protected:
    // Rows of a list as texts; List1(i); the sheet's lines; the current row of each List1.
    static QStringList texts(const QListWidget *list);
    QStringList column(int i) const;
    QStringList sheet() const;
    QList<int> selectedRows() const;

    QColor tileColour(int i) const;
    // A control's rectangle as designed, in twips; where Find keeps its marks.
    QRectF twipsOf(const QWidget *control) const;
    QString findFilePath() const;
    ElementSet tilesColoured(const QColor &colour) const;

    // A new window in place of the one init() made, as after a restart: for a test that
    // changes what the window reads at construction (the translation, the palette).
    void rebuildWindow();

    // A file as someone else left it: bytes written at path in place of what was there, and
    // given to another user (nobody) where this process may do that (as root only).
    static bool writeFile(const QString &path, const QByteArray &bytes);
    static bool writeForeignFile(const QString &path, const QByteArray &bytes);
    static bool canGiveFilesAway();

    // The user's ways in: a left click, Find answered with the given text, the view switch.
    static void click(QWidget *widget);
    void find(const QString &answer);
    void enterColumnView();

    FakePlatform *m_platform = nullptr;
    Morvik *m_window = nullptr;

private:
    Start m_start;
};
