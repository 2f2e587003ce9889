// The plot's view: in the tiles' place, reached from the chart by the plot's button, Ctrl+G or
// the context menu, and left the same ways.

#include "window/morvik.h"

#include "plot/trendplot.h"

#include <QPushButton>

void Morvik::showView(View view)
{
    if (view == View::Plot && !m_plot->build()) {
        return; // the user has been told why; the view stays as it was
    }
    m_parts.showView(view);
    m_plot->setShowing(view == View::Plot);
}

void Morvik::switchPlot()
{
    if (m_parts.view() == View::Plot) {
        showView(View::Chart);
        return;
    }
    if (!m_plot->build()) {
        return; // the user has been told why, and stays where they were
    }
    if (columnViewShowing()) {
        Command1_Click(); // back to the chart first, as its button does
    }
    showView(View::Plot);
}
