// Everything a keyboard user needs: shortcuts, moving focus across the chart with the arrow
// keys, a sensible Tab order, and copying what is on show.

#include "window/morvik.h"

#include "data/Module1.h"
#include "window/clicklabel.h"
#include "window/clipboardtext.h"
#include "window/gridlayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

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

void Morvik::setupKeyboard()
{
    const auto shortcut = [this](const QKeySequence &keys, auto handler) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence::Find, [this] { Command5_Click(); });
    shortcut(QKeySequence::Refresh, [this] { Command6_Click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { Label7_Click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_T), [this] { Command1_Click(); });
    shortcut(QKeySequence::Copy, [this] { copyToClipboard(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        if (cboColourBy->isVisible()) {
            cboColourBy->setFocus(Qt::ShortcutFocusReason);
        }
    });

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

    QList<QWidget *> order(lblElem.begin() + 1, lblElem.end());
    order << cboColourBy << chkLog << Option1[0] << Option1[1] << Check1 << Label7 << PropsList;
    for (QPushButton *header : command4) {
        order << header;
    }
    order << List1[0] << HScroll1 << VScroll1 << Combo1 << Command5 << Command6 << Command1;
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
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
    const TwipsRect tile = twipsOf(lblElem[from]);
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
        QStringList lines;
        for (int i = 0; i < PropsList->count(); ++i) {
            lines << PropsList->item(i)->text();
        }
        text = clipboardText(lines);
    }
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}
