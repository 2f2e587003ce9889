// Saving the whole table as a CSV file, in the order the column view last listed it.

#include "window/morvik.h"

#include "platform/filters.h"
#include "plot/trendplot.h"
#include "tools/csvtable.h"
#include "tools/exportfile.h"

#include <QDir>

void Morvik::saveTable()
{
    //: Suggested file name of the saved table, without its ending.
    const QString name = tr("Morvik table") + QStringLiteral(".csv");
    const std::optional<Platform::SaveChoice> choice =
            m_platform.saveFileName(this, tr("Save table as CSV"), name, tr("CSV file (*.csv)"));
    if (!choice) {
        return;
    }
    const QString path = Filters::withEnding(choice->path, choice->filter);
    if (const auto failure = replaceFile(path, csvTable(m_listedOrder))) {
        reportFailure(tr("The table could not be saved to %1: %2.")
                              .arg(QDir::toNativeSeparators(path), *failure));
    }
}

void Morvik::savePlotTable()
{
    if (!m_plot->isShowing()) {
        return;
    }
    const QString name = TrendPlot::title() + QStringLiteral(".csv");
    const std::optional<Platform::SaveChoice> choice = m_platform.saveFileName(
            this, tr("Save plot data as CSV"), name, tr("CSV file (*.csv)"));
    if (!choice) {
        return;
    }
    const QString path = Filters::withEnding(choice->path, choice->filter);
    if (const auto failure = replaceFile(path, csvText(m_plot->table()))) {
        reportFailure(tr("The plot's data could not be saved to %1: %2.")
                              .arg(QDir::toNativeSeparators(path), *failure));
    }
}
