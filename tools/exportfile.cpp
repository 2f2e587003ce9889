#include "exportfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Why an existing file must not be replaced, or nothing when it may be.
std::optional<QString> refusalFor(const QFileInfo &target)
{
    if (target.isSymLink()) {
        return QCoreApplication::translate("ExportFile", "a symbolic link stands at that name");
    }
#ifdef Q_OS_UNIX
    if (target.exists() && target.ownerId() != ::geteuid()) {
        return QCoreApplication::translate("ExportFile", "the file belongs to another user");
    }
#endif
    return std::nullopt;
}

// Opens a new file beside the target, for this user only, to write the draft in. Returns the
// system's own reason when it cannot (not QTemporaryFile: it may make a file without a name
// and name it only later, so a path too long for the system showed up as a missing file).
std::optional<QString> openDraft(QFile &draft, const QFileInfo &target)
{
    const QString stem = target.absolutePath() + QLatin1String("/.") + target.completeBaseName()
                         + QLatin1Char('-');
    for (int attempt = 1;; ++attempt) {
        draft.setFileName(stem + QString::number(QRandomGenerator::global()->generate(), 36));
        if (draft.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            return std::nullopt;
        }
        const QFileInfo taken(draft.fileName());
        if (attempt == 10 || !(taken.exists() || taken.isSymLink())) {
            return draft.errorString();
        }
    }
}

// The draft is this user's alone while it is written; once whole, it gets what the file it
// replaces had, or what a new file of this user gets, so that a saved image or table reads
// like any other file the user saves.
void giveFinalPermissions(QFile &draft, const QFileInfo &target)
{
#ifdef Q_OS_UNIX
    struct stat replaced = {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &replaced) == 0) {
        mode = replaced.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(draft.handle(), mode);
#else
    Q_UNUSED(draft);
    Q_UNUSED(target);
#endif
}

} // namespace

QByteArray exportFileText(const QStringList &lines)
{
    QByteArray text;
    for (const QString &line : lines) {
        text += line.toUtf8();
        text += "\r\n";
    }
    return text;
}

std::optional<QString> replaceFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (const std::optional<QString> refusal = refusalFor(target)) {
        return refusal;
    }
    QFile draft;
    if (const std::optional<QString> failure = openDraft(draft, target)) {
        return failure;
    }
    if (draft.write(bytes) != bytes.size() || !draft.flush()) {
        const QString reason = draft.errorString();
        draft.remove();
        return reason;
    }
    giveFinalPermissions(draft, target);
    draft.close();
    // rename() replaces the name itself, never what a link planted there points to.
    if (std::rename(QFile::encodeName(draft.fileName()).constData(),
                    QFile::encodeName(path).constData())
        != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        draft.remove();
        return reason;
    }
    return std::nullopt;
}
