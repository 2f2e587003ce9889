#pragma once

#include "tools/chartimage.h"

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// What one printout holds: the chart, painted over an area of its logical size, and the
// property sheet on show, if any, with its heading, in the sheet's fixed-width font.
struct Printout
{
    PaintFunction paintChart;
    QSize chartSize;
    QString heading;
    QStringList sheetLines; // as the sheet holds them, TABs included; empty without a sheet
    QFont sheetFont;
};

// The chart scaled to fit the page, and the sheet below it where it fits, else on a second
// page, its TABs expanded to stops every 8 characters. False when the device would not start.
bool paintPrintout(QPagedPaintDevice &device, const Printout &printout);
