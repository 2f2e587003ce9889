#include "surface.h"

#include <QWidget>

namespace Surface {

void setBackground(QWidget *widget, Bgr color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, fromBgr(color));
    palette.setColor(QPalette::Base, fromBgr(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setText(QWidget *widget, Bgr color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, fromBgr(color));
    palette.setColor(QPalette::Text, fromBgr(color));
    widget->setPalette(palette);
}

void setForeground(QWidget *widget, Bgr color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, fromBgr(color));
    palette.setColor(QPalette::ButtonText, fromBgr(color));
    widget->setPalette(palette);
}

} // namespace Surface
