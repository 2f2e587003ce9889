#pragma once

#include <QLabel>

// A label that reports a click, as the element tiles and the "Export" link need. When it takes
// keyboard focus it shows a focus frame, Enter or Space click it, and the arrow keys are
// reported so the window can move focus across the chart.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();
    void arrowPressed(Qt::Key key);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
