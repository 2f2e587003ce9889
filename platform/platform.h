#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class PlotCanvas;
class QPrinter;
class QWidget;

// Everything the window needs from the desktop that a test must be able to answer: modal
// dialogs, folders, starting the text editor, and the plotting library. main() passes the real one
// (QtPlatform); tests pass a fake with scripted answers.
class Platform
{
public:
    enum class Icon { None, Warning, Critical };

    virtual ~Platform() = default;

    // A modal message with an OK button only.
    virtual void messageBox(QWidget *parent, const QString &text, const QString &title,
                            Icon icon) = 0;

    // A modal single-line input box. An empty optional means the user cancelled.
    virtual std::optional<QString> inputBox(QWidget *parent, const QString &prompt,
                                            const QString &title, const QString &defaultText) = 0;

    // Folder of the running program, and the user's own data folder (for files the program
    // keeps when its own folder is read-only). Neither ends with a separator.
    virtual QString programFolder() = 0;
    virtual QString userDataFolder() = 0;

    // The user's temporary directory, ending with a separator, or empty when there is none.
    virtual QString tempFolder() = 0;

    // The short form of a path; the path itself where the system has no short names.
    virtual QString ShortPath(const QString &LongPath) = 0;

    // Opens the file in the user's text editor without waiting. False when it cannot start.
    // When it starts but gives up with a failure within a few seconds (as xdg-open does where
    // no application opens text files), failed is called once, later, from the event loop. An
    // editor that keeps running or ends well is not reported, and is never ended by the program.
    virtual bool openInEditor(const QString &path, std::function<void()> failed) = 0;

    // What the user chose in a "save as" dialog: the path, and the file type ("SVG image
    // (*.svg)"), one of the filters offered.
    struct SaveChoice
    {
        QString path;
        QString filter;
    };

    // A modal "save as" dialog offering suggestedName, with file-type filters such as
    // "CSV file (*.csv)", several separated by ";;". An empty optional when the user cancelled.
    virtual std::optional<SaveChoice> saveFileName(QWidget *parent, const QString &title,
                                                   const QString &suggestedName,
                                                   const QString &filter) = 0;

    // The modal print dialog, which sets up printer as the user chooses. It offers printers
    // only: a file is saved through saveFileName, whose choice the program checks before it
    // writes anything, while Qt's dialog would open the file itself beforehand. False when the
    // user cancelled.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;

    // A modal print preview of what paint draws on printer, filling most of the screen with the
    // page fitted to it. True when the user asked to print from it.
    virtual bool printPreview(QWidget *parent, QPrinter &printer,
                              std::function<void(QPrinter &)> paint) = 0;

    // A canvas for the plot, parented to parent, from the plotting library's plugin, which is
    // loaded the first time it is asked for. Null, with why in the system's words, when the
    // plugin cannot be loaded.
    virtual std::unique_ptr<PlotCanvas> plotCanvas(QWidget *parent, QString &why) = 0;
};
