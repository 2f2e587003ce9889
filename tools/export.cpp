// Export writes the property sheet on show to Properties.txt and opens it in the text editor.

#include "window/morvik.h"

#include "tools/exportfile.h"

#include <QDir>
#include <QListWidget>
#include <QPointer>

namespace {

const QString ExportFileName = QStringLiteral("Properties.txt");

} // namespace

void Morvik::Label7_Click()
{
    const QString folder = m_platform.tempFolder();
    const QString exportPath = m_platform.ShortPath(folder + ExportFileName);
    if (PropsList->count() == 0) {
        m_platform.messageBox(this, tr("Select an element first."), Title, Platform::Icon::None);
        return;
    }
    QStringList lines;
    for (int i = 0; i < PropsList->count(); ++i) {
        lines.append(PropsList->item(i)->text());
    }
    if (folder.isEmpty()) {
        reportExportFailure(ExportFileName, tr("there is no temporary folder"));
        return;
    }
    if (const auto failure = replaceFile(exportPath, exportFileText(lines))) {
        reportExportFailure(exportPath, *failure);
        return;
    }
    const bool started =
            m_platform.openInEditor(exportPath, [window = QPointer<Morvik>(this), exportPath] {
                if (window) {
                    window->warnEditorNotStarted(exportPath);
                }
            });
    if (!started) {
        warnEditorNotStarted(exportPath);
    }
}

void Morvik::warnEditorNotStarted(const QString &path)
{
    // Editors that give up one after another while the warning is open need no second one.
    if (m_editorWarningOpen) {
        return;
    }
    m_editorWarningOpen = true;
    m_platform.messageBox(this,
                          tr("The properties were saved in %1, but the text editor could "
                             "not be started. Open the file yourself.")
                                  .arg(QDir::toNativeSeparators(path)),
                          Title, Platform::Icon::Warning);
    m_editorWarningOpen = false;
}

void Morvik::reportExportFailure(const QString &path, const QString &reason)
{
    m_platform.messageBox(this,
                          tr("The properties could not be exported to %1: %2.")
                                  .arg(QDir::toNativeSeparators(path), reason),
                          Title, Platform::Icon::Critical);
}
