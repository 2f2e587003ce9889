#include "captionfit.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace CaptionFit {

namespace {

// What fit() leaves with the widget for refit(): the texts, and the room at scale 1.
const char *const FittedTexts = "morvikFittedTexts";
const char *const FittedRoom = "morvikFittedRoom";

int widest(const QFont &font, const QStringList &texts)
{
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString &text : texts) {
        width = std::max(width, metrics.horizontalAdvance(text));
    }
    return width;
}

void shrink(QWidget *widget, const QStringList &texts, double room, double scale)
{
    QFont font = widget->font();
    const double floor = FloorPoints * scale;
    while (widest(font, texts) > room && font.pointSizeF() > floor) {
        font.setPointSizeF(std::max(floor, font.pointSizeF() - 0.5 * scale));
    }
    widget->setFont(font);
}

} // namespace

void fit(QWidget *widget, const QStringList &texts, int room, double scale)
{
    widget->setProperty(FittedTexts, texts);
    widget->setProperty(FittedRoom, room / scale);
    shrink(widget, texts, room, scale);
}

void refit(QWidget *widget, double scale)
{
    const QStringList texts = widget->property(FittedTexts).toStringList();
    if (!texts.isEmpty()) {
        shrink(widget, texts, widget->property(FittedRoom).toDouble() * scale, scale);
    }
}

int buttonRoom(const QWidget *button)
{
    return button->width() - 8;
}

} // namespace CaptionFit
