#include "captionfit.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace CaptionFit {

namespace {

int widest(const QFont &font, const QStringList &texts)
{
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString &text : texts) {
        width = std::max(width, metrics.horizontalAdvance(text));
    }
    return width;
}

} // namespace

void fit(QWidget *widget, const QStringList &texts, int room)
{
    QFont font = widget->font();
    while (widest(font, texts) > room && font.pointSizeF() > FloorPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    widget->setFont(font);
}

int buttonRoom(const QWidget *button)
{
    return button->width() - 8;
}

} // namespace CaptionFit
