#pragma once

#include <QStringList>

class QWidget;

// The design's sizes fit a narrow system font and English; where this desktop's font or the
// user's language is wider, a caption gets a slightly smaller size, down to a floor, rather
// than being cut off or pushing the layout apart. A caption that does not fit even at the floor
// is for its translator to shorten.
namespace CaptionFit {

constexpr double FloorPoints = 6.5;

// Shrinks the widget's font by half points (times the scale the window is drawn at) until each
// of the texts it shows fits room pixels. The widget keeps its texts and room, so that a later
// scale can fit them again.
void fit(QWidget *widget, const QStringList &texts, int room, double scale = 1);

// Fits again, at another scale, what fit() last fitted in the widget, from the font the widget
// has now: text does not grow quite in step with its font, and a caption that fitted at one
// size may not at another.
void refit(QWidget *widget, double scale);

// The room a push button gives its caption.
int buttonRoom(const QWidget *button);

} // namespace CaptionFit
