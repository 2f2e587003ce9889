// The ways out of the window: saving the chart as an image, printing it, and saving the whole
// table, each by its key anywhere in the window and from the context menu of either view; and
// how a failure among them is told.

#include "window/morvik.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

void Morvik::setupOutput()
{
    const auto action = [this](const QString &text, const QKeySequence &keys, auto handler) {
        auto *entry = new QAction(text, this);
        entry->setShortcut(keys);
        connect(entry, &QAction::triggered, this, handler);
        addAction(entry); // so that its key works wherever the focus is in the window
        return entry;
    };
    //: Context menu entry of the chart (Ctrl+S).
    QAction *saveImage =
            action(tr("Save chart as image…"), QKeySequence::Save, [this] { saveChartImage(); });
    //: Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.
    QAction *print = action(tr("Print…"), QKeySequence::Print, [this] { printChart(); });
    //: Context menu entry of both views: the printout as it will come out of the printer.
    QAction *preview = action(tr("Print preview…"), {}, [this] { previewPrint(); });
    //: Context menu entry of both views (Ctrl+Shift+S): all elements and properties.
    QAction *table =
            action(tr("Save table as CSV…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                   [this] { saveTable(); });

    m_chartMenu = new QMenu(this);
    m_chartMenu->setObjectName(QStringLiteral("chartMenu"));
    m_chartMenu->addActions({saveImage, print, preview});
    m_chartMenu->addSeparator();
    m_chartMenu->addAction(table);

    // The column view prints what the chart prints, so that Ctrl+P means the same in both
    // views: the chart as coloured now, and the sheet last shown.
    m_columnMenu = new QMenu(this);
    m_columnMenu->setObjectName(QStringLiteral("columnMenu"));
    m_columnMenu->addAction(table);
    m_columnMenu->addSeparator();
    m_columnMenu->addActions({print, preview});
}

void Morvik::contextMenuEvent(QContextMenuEvent *event)
{
    // Not exec(): the menu stays open without holding up the event that opened it.
    (columnViewShowing() ? m_columnMenu : m_chartMenu)->popup(event->globalPos());
}

void Morvik::reportFailure(const QString &text)
{
    m_platform.messageBox(this, text, Title, Platform::Icon::Critical);
}
