// Everything a keyboard user needs: shortcuts, moving focus across the chart with the arrow
// keys, a sensible Tab order, and copying what is on show.

#include "window/morvik.h"

#include "colouring/chartcolouring.h"
#include "data/Module1.h"
#include "window/clicklabel.h"
#include "window/clipboardtext.h"
#include "window/gridlayout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

GridLayout::Direction directionOf(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Left:
        return GridLayout::Direction::Left;
    case Qt::Key_Right:
        return GridLayout::Direction::Right;
    case Qt::Key_Up:
        return GridLayout::Direction::Up;
    default:
        return GridLayout::Direction::Down;
    }
}

// A horizontal scroll bar in Qt takes Left for "more" and Right for "less": its controls are
// inverted to suit the mouse wheel, and the arrow keys follow. This turns the arrows the way
// they point, and leaves the wheel alone.
class ArrowsAsTheyPoint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) {
            return false;
        }
        auto *bar = static_cast<QScrollBar *>(watched);
        const bool towardsEnd = (key == Qt::Key_Right) != bar->isRightToLeft();
        bar->triggerAction(towardsEnd ? QAbstractSlider::SliderSingleStepAdd
                                      : QAbstractSlider::SliderSingleStepSub);
        return true;
    }
};

} // namespace

void Morvik::setupActions()
{
    // Each key is an action of the window, so that it works wherever the focus is in it; the
    // context menus offer the same actions.
    const auto action = [this](const QString &text, const QKeySequence &keys, auto handler) {
        auto *entry = new QAction(text, this);
        entry->setShortcut(keys);
        connect(entry, &QAction::triggered, this, handler);
        addAction(entry);
        return entry;
    };
    action(Command5->text(), QKeySequence::Find, [this] { Command5_Click(); });
    action(Command6->text(), QKeySequence::Refresh, [this] { Command6_Click(); });
    action(Label7->text(), QKeySequence(Qt::CTRL | Qt::Key_E), [this] { Label7_Click(); });
    action(Command1->text(), QKeySequence(Qt::CTRL | Qt::Key_T), [this] { Command1_Click(); });
    action(QString(), QKeySequence::Copy, [this] { copyToClipboard(); });
    action(QString(), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { m_colouring->focusChoice(); });
    // Ctrl+Q ends programs on every desktop Morvik runs on; where the platform has no key of
    // its own for that (Windows' is Alt+F4, which closes the window anyway), Ctrl+Q all the same.
    QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quit.isEmpty()) {
        quit = {QKeySequence(Qt::CTRL | Qt::Key_Q)};
    }
    action(QString(), {}, [this] { close(); })->setShortcuts(quit);
    // The context menu's key on the keyboards that have no Menu key.
    action(QString(), QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { openContextMenu(); });
    //: Context menu entry of the chart (Ctrl+S).
    m_actions.saveImage =
            action(tr("Save chart as image…"), QKeySequence::Save, [this] { saveChartImage(); });
    //: Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.
    m_actions.print = action(tr("Print…"), QKeySequence::Print, [this] { printChart(); });
    //: Context menu entry of both views: the printout as it will come out of the printer.
    m_actions.preview = action(tr("Print preview…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                               [this] { previewPrint(); });
    //: Context menu entry of both views: the printout as a PDF file.
    m_actions.savePrintout = action(tr("Save printout as PDF…"), {}, [this] { savePrintout(); });
    //: Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.
    m_actions.switchPlot = action(tr("Plot a trend"), QKeySequence(Qt::CTRL | Qt::Key_G),
                                  [this] { switchPlot(); });
    //: Context menu entry of the plot: its points as a CSV file.
    m_actions.savePlotTable = action(tr("Save plot data as CSV…"), {}, [this] { savePlotTable(); });
    //: Context menu entry of both views (Ctrl+Shift+S): all elements and properties.
    m_actions.saveTable =
            action(tr("Save table as CSV…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                   [this] { saveTable(); });

    // The chart is one stop in the Tab order: the tile last visited takes the focus, and the
    // arrow keys move on from there.
    for (int i = 1; i < TileCount; ++i) {
        lblElem[i]->setFocusPolicy(i == 1 ? Qt::StrongFocus : Qt::ClickFocus);
        connect(lblElem[i], &ClickLabel::arrowPressed, this,
                [this, i](Qt::Key key) { moveTileFocus(i, key); });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (int i = 1; i < TileCount; ++i) {
            if (lblElem[i] == now) {
                makeTabStop(i);
            }
        }
    });
    Label7->setFocusPolicy(Qt::StrongFocus);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    HScroll1->installEventFilter(new ArrowsAsTheyPoint(HScroll1));
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    // One list of the six is enough in the Tab order: they move as one.
    for (int i = 1; i < ColumnCount; ++i) {
        List1[i]->setFocusPolicy(Qt::ClickFocus);
    }
}

void Morvik::makeTabStop(int tile)
{
    for (int i = 1; i < TileCount; ++i) {
        lblElem[i]->setFocusPolicy(i == tile ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void Morvik::moveTileFocus(int from, Qt::Key key)
{
    const TwipsRect tile = m_parts.rect(lblElem[from]);
    const int to = GridLayout::neighbour(from, directionOf(key), tile.width, tile.height);
    makeTabStop(to);
    lblElem[to]->setFocus(Qt::TabFocusReason);
}

void Morvik::copyToClipboard()
{
    QString text;
    if (columnViewShowing()) {
        const int row = List1[0]->currentRow();
        if (row < 0) {
            return;
        }
        QStringList cells;
        for (const QListWidget *list : List1) {
            cells << (row < list->count() ? list->item(row)->text() : QString());
        }
        text = clipboardRow(cells);
    } else {
        text = clipboardText(sheetOnShow());
    }
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}
