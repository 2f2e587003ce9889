#include "colourbar.h"

#include "colouring/colouring.h"
#include "window/units.h"

#include <QLinearGradient>
#include <QPainter>

ColourBar::ColourBar(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::Box);
}

void ColourBar::paintEvent(QPaintEvent *event)
{
    // A gradient through every step, so the bar stays smooth at any scale.
    const QRect inside = contentsRect();
    QLinearGradient scale(inside.topLeft(), inside.topRight());
    for (int step = 0; step < Colouring::ScaleSteps; ++step) {
        scale.setColorAt(static_cast<double>(step) / (Colouring::ScaleSteps - 1),
                         fromBgr(Colouring::scaleColour(step)));
    }
    QPainter(this).fillRect(inside, scale);
    QFrame::paintEvent(event);
}
