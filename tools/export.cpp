// Export writes the property sheet on show to Properties.txt and opens it in the text editor.

#include "window/morvik.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString ExportFileName = QStringLiteral("Properties.txt");

QByteArray fileText(const QStringList &lines)
{
    QByteArray text;
    for (const QString &line : lines) {
        text += line.toUtf8();
        text += "\r\n";
    }
    return text;
}

// Why an existing file must not be replaced, or an empty text when it may be.
QString refusalFor(const QFileInfo &target)
{
    if (target.isSymLink()) {
        return QStringLiteral("a symbolic link stands at that name");
    }
#ifdef Q_OS_UNIX
    if (target.exists() && target.ownerId() != ::geteuid()) {
        return QStringLiteral("the file belongs to another user");
    }
#endif
    return {};
}

} // namespace

void Morvik::Label7_Click()
{
    const QString folder = m_platform.tempFolder();
    const QString exportPath = m_platform.ShortPath(folder + ExportFileName);
    if (PropsList->count() == 0) {
        m_platform.messageBox(this, QStringLiteral("Select an element first."), Title,
                              Platform::Icon::None);
        return;
    }
    QStringList lines;
    for (int i = 0; i < PropsList->count(); ++i) {
        lines.append(PropsList->item(i)->text());
    }
    if (folder.isEmpty()) {
        reportExportFailure(ExportFileName, QStringLiteral("there is no temporary folder"));
        return;
    }
    if (!writeExportFile(exportPath, lines)) {
        return;
    }
    if (!m_platform.openInEditor(exportPath)) {
        m_platform.messageBox(this,
                              QStringLiteral("The properties were saved in %1, but the text "
                                             "editor could not be started. Open the file "
                                             "yourself.")
                                      .arg(QDir::toNativeSeparators(exportPath)),
                              Title, Platform::Icon::Warning);
    }
}

bool Morvik::writeExportFile(const QString &path, const QStringList &lines)
{
    // The temporary folder may be shared with other users: never write through a link or
    // into someone else's file, and replace the file whole so no reader sees half of it.
    const QString refusal = refusalFor(QFileInfo(path));
    if (!refusal.isEmpty()) {
        reportExportFailure(path, refusal);
        return false;
    }
    QTemporaryFile draft(QFileInfo(path).absolutePath() + QStringLiteral("/.Properties-XXXXXX"));
    if (!draft.open()) {
        reportExportFailure(path, draft.errorString());
        return false;
    }
    const QByteArray text = fileText(lines);
    if (draft.write(text) != text.size() || !draft.flush()) {
        reportExportFailure(path, draft.errorString());
        return false;
    }
    draft.close();
    // rename() replaces the name itself, never what a link planted there points to.
    if (std::rename(QFile::encodeName(draft.fileName()).constData(),
                    QFile::encodeName(path).constData())
        != 0) {
        reportExportFailure(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    draft.setAutoRemove(false);
    return true;
}

void Morvik::reportExportFailure(const QString &path, const QString &reason)
{
    m_platform.messageBox(this,
                          QStringLiteral("The properties could not be exported to %1: %2.")
                                  .arg(QDir::toNativeSeparators(path), reason),
                          Title, Platform::Icon::Critical);
}
