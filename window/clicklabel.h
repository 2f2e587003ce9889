#pragma once

#include <QWidget>

// A one-line caption that reports a click, as the element tiles and the "Export" link need.
// When it takes keyboard focus it shows a focus frame, Enter or Space click it, and the arrow
// keys are reported so the window can move focus across the chart.
//
// It draws its plain text itself rather than being a QLabel: a QLabel that accepts focus keeps
// a rich-text document behind its caption, and re-captioning 109 tiles then lays out and
// paints 109 documents.
class ClickLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    // The focus frame belongs on screen: a picture of the chart is drawn without it.
    void setFocusFrameShown(bool shown) { m_focusFrameShown = shown; }

public slots:
    void click();

signals:
    void clicked();
    void arrowPressed(Qt::Key key);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_focusFrameShown = true;
};
