#pragma once

#include <QFrame>

// The legend's bar for a colouring by a property: the whole scale from its lightest colour at
// the left (the lowest value) to its darkest at the right, framed like the class swatches.
class ColourBar : public QFrame
{
    Q_OBJECT

public:
    explicit ColourBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
