// Printing the chart as coloured now, with the sheet on show, through the print dialog or the
// print preview, and saving the same printout as a PDF file: chosen in the save dialog and
// written whole or not at all, like every file the window saves.

#include "window/morvik.h"

#include "platform/filters.h"
#include "tools/exportfile.h"
#include "tools/printout.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPdfWriter>
#include <QPrinter>

namespace {

// A saved printout's resolution, what Qt gives a PDF printer at high resolution: the same
// file whatever printer the desktop has.
constexpr int PdfResolution = 1200;

// The printout's page: landscape, as the chart is wide.
void setUpPage(QPrinter &printer, const QString &title)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(title);
}

} // namespace

void Morvik::printChart()
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, picture().title);
    if (m_platform.printDialog(this, printer) && !paintPrintout(printer, printout())) {
        //: The printer refused the printout; %1 is the printer's name.
        reportFailure(tr("The chart could not be printed on %1.").arg(printer.printerName()));
    }
}

void Morvik::previewPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, picture().title);
    const bool print = m_platform.printPreview(
            this, printer, [this](QPrinter &pages) { paintPrintout(pages, printout()); });
    if (print) {
        printChart();
    }
}

void Morvik::savePrintout()
{
    const QString name = picture().title + QStringLiteral(".pdf");
    //: Title of the dialog that saves the printout as a PDF file.
    const QString title = tr("Save printout as PDF");
    const std::optional<Platform::SaveChoice> choice =
            m_platform.saveFileName(this, title, name, tr("PDF file (*.pdf)"));
    if (!choice) {
        return;
    }
    const QString path = Filters::withEnding(choice->path, choice->filter);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setResolution(PdfResolution);
        writer.setTitle(picture().title);
        writer.setCreator(Title);
        paintPrintout(writer, printout());
    }
    if (const auto failure = replaceFile(path, pdf)) {
        reportFailure(tr("The printout could not be saved to %1: %2.")
                              .arg(QDir::toNativeSeparators(path), *failure));
    }
}

Printout Morvik::printout()
{
    const Picture shown = picture();
    return {shown.paint, shown.size, Label5->text(), sheetOnShow(), PropsList->font()};
}
