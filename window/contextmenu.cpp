// The context menus of the two views, offering the ways out of the window (their keys are set
// up with every other key of the window), and how a failure among them is told.

#include "window/morvik.h"

#include "units/temperatureunits.h"

#include <QContextMenuEvent>
#include <QMenu>

void Morvik::setupMenus()
{
    m_chartMenu = new QMenu(this);
    m_chartMenu->setObjectName(QStringLiteral("chartMenu"));
    m_chartMenu->addActions(
            {m_actions.saveImage, m_actions.print, m_actions.preview, m_actions.savePrintout});
    m_chartMenu->addSeparator();
    m_chartMenu->addAction(m_actions.saveTable);
    m_chartMenu->addSeparator();
    m_chartMenu->addMenu(m_units->menu());

    // The column view prints what the chart prints, so that Ctrl+P means the same in both
    // views: the chart as coloured now, and the sheet last shown.
    m_columnMenu = new QMenu(this);
    m_columnMenu->setObjectName(QStringLiteral("columnMenu"));
    m_columnMenu->addAction(m_actions.saveTable);
    m_columnMenu->addSeparator();
    m_columnMenu->addActions({m_actions.print, m_actions.preview, m_actions.savePrintout});
    m_columnMenu->addSeparator();
    m_columnMenu->addMenu(m_units->menu());
}

void Morvik::contextMenuEvent(QContextMenuEvent *event)
{
    // Not exec(): the menu stays open without holding up the event that opened it.
    (columnViewShowing() ? m_columnMenu : m_chartMenu)->popup(event->globalPos());
}

void Morvik::openContextMenu()
{
    // Where the Menu key opens it: over the control that has the focus.
    const QWidget *focus = focusWidget();
    const QPoint at = focus ? focus->mapToGlobal(focus->rect().center()) : mapToGlobal(QPoint());
    (columnViewShowing() ? m_columnMenu : m_chartMenu)->popup(at);
}

void Morvik::reportFailure(const QString &text)
{
    m_platform.messageBox(this, text, Title, Platform::Icon::Critical);
}
