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
    m_chartMenu->addAction(m_actions.switchPlot);

    // The column view prints what the chart prints, so that Ctrl+P means the same in both
    // views: the chart as coloured now, and the sheet last shown.
    m_columnMenu = new QMenu(this);
    m_columnMenu->setObjectName(QStringLiteral("columnMenu"));
    m_columnMenu->addAction(m_actions.saveTable);
    m_columnMenu->addSeparator();
    m_columnMenu->addActions({m_actions.print, m_actions.preview, m_actions.savePrintout});
    m_columnMenu->addSeparator();
    m_columnMenu->addMenu(m_units->menu());

    // The plot saves and prints itself where the chart does, and offers its own points.
    m_plotMenu = new QMenu(this);
    m_plotMenu->setObjectName(QStringLiteral("plotMenu"));
    m_plotMenu->addActions(
            {m_actions.saveImage, m_actions.print, m_actions.preview, m_actions.savePrintout});
    m_plotMenu->addSeparator();
    m_plotMenu->addActions({m_actions.savePlotTable, m_actions.saveTable});
    m_plotMenu->addSeparator();
    m_plotMenu->addMenu(m_units->menu());
    m_plotMenu->addAction(m_actions.switchPlot);
    // The entry names the way it goes: to the plot, or back to the chart.
    connect(m_plotMenu, &QMenu::aboutToShow, this,
            [this] { m_actions.switchPlot->setText(tr("Show the chart")); });
    connect(m_chartMenu, &QMenu::aboutToShow, this,
            [this] { m_actions.switchPlot->setText(tr("Plot a trend")); });
}

QMenu *Morvik::contextMenu() const
{
    switch (m_parts.view()) {
    case View::Columns:
        return m_columnMenu;
    case View::Plot:
        return m_plotMenu;
    case View::Chart:
        break;
    }
    return m_chartMenu;
}

void Morvik::contextMenuEvent(QContextMenuEvent *event)
{
    // Not exec(): the menu stays open without holding up the event that opened it.
    contextMenu()->popup(event->globalPos());
}

void Morvik::openContextMenu()
{
    // Where the Menu key opens it: over the control that has the focus.
    const QWidget *focus = focusWidget();
    const QPoint at = focus ? focus->mapToGlobal(focus->rect().center()) : mapToGlobal(QPoint());
    contextMenu()->popup(at);
}

void Morvik::reportFailure(const QString &text)
{
    m_platform.messageBox(this, text, Title, Platform::Icon::Critical);
}
