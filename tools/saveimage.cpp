// Saving the chart as coloured now, as a PNG or an SVG image: drawn from the pictured parts of
// the window, never grabbed from it, so that no control shows in it.

#include "window/morvik.h"

#include "colouring/chartcolouring.h"
#include "platform/filters.h"
#include "plot/trendplot.h"
#include "tools/chartimage.h"
#include "tools/exportfile.h"
#include "window/clicklabel.h"

#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

QRect Morvik::chartArea()
{
    // Read from the design rectangles, which are where the surfaces stand at scale 1.
    QRect drawn;
    for (const QWidget *surface : m_parts.pictured()) {
        drawn |= m_parts.rect(surface).toPixels();
    }
    // The designed window's width, and as much background below the detached rows as there is
    // above the group numbers.
    return QRect(0, 0, m_designSize.width(), drawn.bottom() + 1 + drawn.top());
}

void Morvik::paintChart(QPainter &painter)
{
    const Parts::AtDesignScale atDesign(m_parts);
    painter.fillRect(chartArea(), backgroundGradient());
    auto *focused = qobject_cast<ClickLabel *>(focusWidget());
    if (focused) {
        focused->setFocusFrameShown(false);
    }
    for (QWidget *surface : m_parts.pictured()) {
        // A caption has no background of its own: the rainbow shows through, as on screen.
        const auto background = surface->autoFillBackground() ? QWidget::DrawWindowBackground
                                                              : QWidget::RenderFlags();
        surface->render(&painter, surface->pos(), QRegion(), background);
    }
    if (focused) {
        focused->setFocusFrameShown(true);
    }
    paintLegendTitle(painter);
}

void Morvik::paintLegendTitle(QPainter &painter)
{
    // On screen "Colour by" names what the colours mean; the picture has no controls, so it
    // names it in their place, above the legend: "Density [kg/m^3]", "States at 25 °C".
    const QString title = m_colouring->legendTitle();
    if (title.isEmpty()) {
        return;
    }
    const QRect room = m_colouring->choiceArea();
    // The window's font at the size it has on screen, whatever the resolution painted at, as
    // the controls drawn around it are.
    QFont onScreen = font();
    onScreen.setPointSizeF(font().pointSizeF() * logicalDpiY() / painter.device()->logicalDpiY());
    painter.save();
    painter.setFont(onScreen);
    painter.setPen(fromBgr(Colors::DesignText));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(font()).elidedText(title, Qt::ElideRight, room.width()));
    painter.restore();
}

QString Morvik::chartTitle()
{
    //: The title of the chart's image and printout, and the suggested file name, without its
    //: ending, of the saved image.
    return tr("Morvik chart");
}

Morvik::Picture Morvik::picture()
{
    if (m_plot->isShowing()) {
        return {TrendPlot::title(), m_plot->designSize(),
                [this](QPainter &painter) {
                    const Parts::AtDesignScale atDesign(m_parts);
                    m_plot->paint(painter);
                },
                [this] {
                    const Parts::AtDesignScale atDesign(m_parts);
                    return m_plot->svg();
                }};
    }
    return {chartTitle(),
            chartArea().size(),
            [this](QPainter &painter) { paintChart(painter); },
            {}};
}

void Morvik::saveChartImage()
{
    const Picture shown = picture();
    const QString filters =
            tr("PNG image (*.png)") + QStringLiteral(";;") + tr("SVG image (*.svg)");
    const std::optional<Platform::SaveChoice> choice = m_platform.saveFileName(
            this, m_plot->isShowing() ? tr("Save plot as image") : tr("Save chart as image"),
            shown.title + QStringLiteral(".png"), filters);
    if (!choice) {
        return;
    }
    const QString path = Filters::withEnding(choice->path, choice->filter);
    // Twice the screen's own pixels, so that the chart stays sharp in a printed document.
    const QByteArray image =
            imageFormatOf(choice->filter) == ImageFormat::Svg
                    ? (shown.svg ? shown.svg()
                                 : svgImage(shown.size, logicalDpiX(), shown.title, shown.paint))
                    : pngImage(shown.size, 2 * devicePixelRatioF(), logicalDpiX(), shown.paint);
    const std::optional<QString> failure = image.isEmpty()
                                                   //: Why the chart could not be saved: the %2 of
                                                   //: "The chart could not be saved to %1: %2."
                                                   ? tr("there is not enough memory for the image")
                                                   : replaceFile(path, image);
    if (failure) {
        reportFailure(tr("The chart could not be saved to %1: %2.")
                              .arg(QDir::toNativeSeparators(path), *failure));
    }
}
