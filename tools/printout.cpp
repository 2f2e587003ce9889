#include "printout.h"

#include "window/sheetline.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The sheet from top, one line a step: the heading in bold, a blank line, then the lines.
void paintSheet(QPainter &painter, const Printout &printout, double top, double lineHeight,
                double ascent)
{
    QFont heading = printout.sheetFont;
    heading.setBold(true);
    painter.setFont(heading);
    painter.drawText(QPointF(0, top + ascent), printout.heading);
    painter.setFont(printout.sheetFont);
    double y = top + 2 * lineHeight;
    for (const QString &line : printout.sheetLines) {
        SheetLine::draw(painter, QPointF(0, y + ascent), line, printout.sheetFont);
        y += lineHeight;
    }
}

} // namespace

bool paintPrintout(QPagedPaintDevice &device, const Printout &printout)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const QSizeF chart = QSizeF(printout.chartSize).scaled(page, Qt::KeepAspectRatio);
    // Straight onto the page, scaled to fit: the chart's shapes and text stay vectors.
    painter.save();
    painter.scale(chart.width() / printout.chartSize.width(),
                  chart.height() / printout.chartSize.height());
    printout.paintChart(painter);
    painter.restore();
    if (printout.sheetLines.isEmpty()) {
        return true;
    }
    const QFontMetricsF metrics(printout.sheetFont, &device);
    const double lineHeight = metrics.lineSpacing();
    const double sheetHeight = (printout.sheetLines.size() + 2) * lineHeight;
    double top = chart.height() + lineHeight;
    if (top + sheetHeight > page.height()) {
        device.newPage();
        top = 0;
    }
    paintSheet(painter, printout, top, lineHeight, metrics.ascent());
    return true;
}
