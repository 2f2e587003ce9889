#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines, as the column headers' long property
// names need within their narrow width. A unit in brackets never breaks: "[kg/m^3]" stays on
// one line, where the line breaking rules would part it after the slash.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // The caption as drawn: a word joiner (U+2060, invisible) between the characters in
    // brackets, so that the text breaks before a unit but never within it.
    static QString keepUnitsWhole(const QString &caption);

    // The box the caption wraps in, and the font it is drawn in there: the button's own, or
    // smaller by half points, down to the floor of every caption, where it would not fit.
    QRect captionBox() const;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
