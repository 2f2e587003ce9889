#include "exportfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
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
    if (target.exists() && !target.isFile()) {
        //: Why a file was not written: a pipe, a device or a folder has its name.
        return QCoreApplication::translate("ExportFile", "that name is not a plain file");
    }
#ifdef Q_OS_UNIX
    if (target.exists() && target.ownerId() != ::geteuid()) {
        return QCoreApplication::translate("ExportFile", "the file belongs to another user");
    }
#endif
    return std::nullopt;
}

// A hidden name for the draft, never longer than the target's in bytes, so that wherever the
// target's name and path fit the system's limits the draft's fit too: "." and random letters,
// then as much of the target's name as there is room for ("chart.png" gives ".k3x9q-ch").
QString draftName(const QFileInfo &target)
{
    constexpr int RandomLetters = 6;
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = ".";
    for (int i = 0; i < RandomLetters; ++i) {
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    }
    name += '-' + QFile::encodeName(target.fileName());
    const qsizetype room = std::max<qsizetype>(QFile::encodeName(target.fileName()).size(), 2);
    name.truncate(room);
    // Not in the middle of a character: the name must read back as it was written.
    while (!name.isEmpty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80) {
        name.chop(1);
    }
    if (!name.isEmpty() && (static_cast<unsigned char>(name.back()) & 0x80)) {
        name.chop(1); // the lead byte of the character cut
    }
    return QFile::decodeName(name);
}

// Takes a draft away whatever state it is in: a failed flush leaves data that a close would try
// to write again, fail, and then keep the file.
void discard(QFile &draft)
{
    const QString name = draft.fileName();
    draft.close();
    QFile::remove(name);
}

// Writes every byte to the draft straight to its descriptor, so that a failure (a full disk)
// is told in the system's own words rather than found later in a buffer.
std::optional<QString> writeAll(QFile &draft, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(draft.handle(), next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return QString::fromLocal8Bit(std::strerror(written < 0 ? errno : ENOSPC));
        }
        next += written;
        left -= written;
    }
    return std::nullopt;
#else
    if (draft.write(bytes) != bytes.size() || !draft.flush()) {
        return draft.errorString();
    }
    return std::nullopt;
#endif
}

// Opens a new file beside the target, for this user only, to write the draft in. Returns the
// system's own reason when it cannot (not QTemporaryFile: it may make a file without a name
// and name it only later, so a path too long for the system showed up as a missing file).
std::optional<QString> openDraft(QFile &draft, const QFileInfo &target)
{
    const QString folder = target.absolutePath() + QLatin1Char('/');
    for (int attempt = 1;; ++attempt) {
        draft.setFileName(folder + draftName(target));
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
    if (const std::optional<QString> failure = writeAll(draft, bytes)) {
        discard(draft);
        return failure;
    }
    giveFinalPermissions(draft, target);
    draft.close();
    if (draft.error() != QFileDevice::NoError) {
        const QString reason = draft.errorString();
        QFile::remove(draft.fileName());
        return reason;
    }
    // rename() replaces the name itself, never what a link planted there points to.
    if (std::rename(QFile::encodeName(draft.fileName()).constData(),
                    QFile::encodeName(path).constData())
        != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(draft.fileName());
        return reason;
    }
    return std::nullopt;
}
