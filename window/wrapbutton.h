#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines, as the column headers' long property
// names need within their narrow width.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
