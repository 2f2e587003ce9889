// Printing the chart as coloured now, with the sheet on show, through the print dialog or the
// print preview; a PDF file is written whole or not at all, like every file the window saves.

#include "window/morvik.h"

#include "tools/exportfile.h"
#include "tools/printout.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrinter>

namespace {

// A preview paints into pictures of its pages; only a real print to a PDF file writes one.
bool printsToPdfFile(QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
           && printer.paintEngine()->type() != QPaintEngine::Picture;
}

} // namespace

void Morvik::printChart()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(chartTitle());
    if (m_platform.printDialog(this, printer)) {
        printout(printer);
    }
}

void Morvik::previewPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(chartTitle());
    m_platform.printPreview(this, printer, [this](QPrinter &pages) { printout(pages); });
}

void Morvik::printout(QPrinter &printer)
{
    const Printout pages{[this](QPainter &painter) { paintChart(painter); }, chartArea().size(),
                         Label5->text(), sheetOnShow(), PropsList->font()};
    if (!printsToPdfFile(printer)) {
        if (!paintPrintout(printer, pages)) {
            //: The printer refused the printout; %1 is the printer's name.
            reportFailure(tr("The chart could not be printed on %1.").arg(printer.printerName()));
        }
        return;
    }
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        paintPrintout(writer, pages);
    }
    const QString path = printer.outputFileName();
    if (const auto failure = replaceFile(path, pdf)) {
        reportFailure(tr("The chart could not be printed to %1: %2.")
                              .arg(QDir::toNativeSeparators(path), *failure));
    }
}
