#pragma once

#include "platform/filters.h"
#include "platform/platform.h"
#include "plot/customplotcanvas.h"

#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

// Answers the window's dialogs from a script and records what it was asked, with real folders
// that live as long as the test.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };
    struct Prompt
    {
        QString prompt;
        QString title;
        QString defaultText;
    };

    struct SaveRequest
    {
        QString title;
        QString suggestedName;
        QString filter;
    };

    std::deque<std::optional<QString>> answers; // what the input box returns, in turn
    std::deque<std::optional<QString>> savePaths; // what the save dialog returns, in turn
    // The file type chosen with each of them; where none is given, the type of the path's
    // ending, or the first offered.
    std::deque<QString> saveFilters;
    QList<SaveRequest> saveRequests;
    // The PDF file each print dialog prints to, in turn, standing in for a printer; an empty
    // optional cancels.
    std::deque<std::optional<QString>> printPaths;
    // Whether the user presses "Print…" in each preview, in turn; closes it when none is left.
    std::deque<bool> previewPrints;
    std::optional<QPageSize> printPaper; // the paper chosen in the print dialog, if any
    int printDialogs = 0;
    int printPreviews = 0;
    QList<Message> messages;
    QList<Prompt> prompts;
    QStringList editorLaunches;
    bool editorStarts = true;
    // The failure report of each editor that started, in turn: calling one is that editor
    // giving up; one never called is an editor that runs on or ended well.
    std::vector<std::function<void()>> editorFailures;
    // Runs once inside the next message box, while that message is open.
    std::function<void()> whileMessageOpen;
    // Why the plotting library cannot be loaded; empty when it can, as the tests link it.
    QString plotMissing;
    QString programFolderOverride; // when set, used instead of programDir
    std::optional<QString> tempFolderOverride; // when set, used instead of tempDir

    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    QTemporaryDir tempDir;

    void messageBox(QWidget *, const QString &text, const QString &title, Icon icon) override
    {
        messages.append({text, title, icon});
        if (const auto during = std::exchange(whileMessageOpen, nullptr)) {
            during();
        }
    }

    std::optional<QString> inputBox(QWidget *, const QString &prompt, const QString &title,
                                    const QString &defaultText) override
    {
        prompts.append({prompt, title, defaultText});
        if (answers.empty() || prompts.size() > 50) {
            return std::nullopt; // a script that runs out cancels, so a test can never hang
        }
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString programFolder() override
    {
        return programFolderOverride.isEmpty() ? programDir.path() : programFolderOverride;
    }
    QString userDataFolder() override { return dataDir.path() + QStringLiteral("/morvik"); }
    QString tempFolder() override
    {
        return tempFolderOverride.value_or(tempDir.path() + QLatin1Char('/'));
    }
    QString ShortPath(const QString &LongPath) override { return LongPath; }

    bool openInEditor(const QString &path, std::function<void()> failed) override
    {
        editorLaunches.append(path);
        if (editorStarts) {
            editorFailures.push_back(std::move(failed));
        }
        return editorStarts;
    }

    std::optional<SaveChoice> saveFileName(QWidget *, const QString &title,
                                           const QString &suggestedName,
                                           const QString &filter) override
    {
        saveRequests.append({title, suggestedName, filter});
        if (savePaths.empty()) {
            return std::nullopt; // a script that runs out cancels
        }
        const std::optional<QString> path = savePaths.front();
        savePaths.pop_front();
        if (!path) {
            return std::nullopt;
        }
        const QStringList offered = filter.split(QStringLiteral(";;"));
        QString chosen = offered.constFirst();
        if (!saveFilters.empty()) {
            chosen = saveFilters.front();
            saveFilters.pop_front();
        } else {
            for (const QString &type : offered) {
                if (path->endsWith('.' + Filters::endingOf(type), Qt::CaseInsensitive)) {
                    chosen = type;
                }
            }
        }
        return SaveChoice{*path, chosen};
    }

    bool printDialog(QWidget *, QPrinter &printer) override
    {
        ++printDialogs;
        return printToNextPath(printer);
    }

    // The user looks at the preview (its pages drawn into preview.pdf in the temporary
    // folder) and prints from it, or closes it.
    bool printPreview(QWidget *, QPrinter &printer, std::function<void(QPrinter &)> paint) override
    {
        ++printPreviews;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(tempDir.filePath(QStringLiteral("preview.pdf")));
        paint(printer);
        if (previewPrints.empty()) {
            return false;
        }
        const bool print = previewPrints.front();
        previewPrints.pop_front();
        return print;
    }

    std::unique_ptr<PlotCanvas> plotCanvas(QWidget *parent, QString &why) override
    {
        if (!plotMissing.isEmpty()) {
            why = plotMissing;
            return nullptr;
        }
        return std::make_unique<CustomPlotCanvas>(parent);
    }

private:
    bool printToNextPath(QPrinter &printer)
    {
        if (printPaths.empty()) {
            return false; // a script that runs out cancels
        }
        const std::optional<QString> path = printPaths.front();
        printPaths.pop_front();
        if (path) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(*path);
            if (printPaper) {
                printer.setPageSize(*printPaper);
            }
        }
        return path.has_value();
    }
};
