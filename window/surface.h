#pragma once

#include "window/units.h"

class QWidget;

// The colours of the window's own surfaces, set on their palettes: a background, and the text
// drawn on it.
namespace Surface {

// A filled background, for the widget's own area (Window) and a list's rows (Base) alike.
void setBackground(QWidget *widget, Bgr color);

// Text drawn on the window's own surfaces, labels (WindowText) and lists (Text) alike, but not
// on the standard controls' own faces (ButtonText), which follow the desktop.
void setText(QWidget *widget, Bgr color);

// The text of a caption and of a button face alike.
void setForeground(QWidget *widget, Bgr color);

} // namespace Surface
