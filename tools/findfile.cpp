#include "findfile.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString FindFileName = QStringLiteral("find.txt");

#ifdef Q_OS_UNIX
bool isOwnRegularFile(const struct stat &status)
{
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}
#endif

// Whether the name may hold the records: nothing is there yet, or a plain file of this user's
// (the name itself, not what a link there points to).
bool usableName(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return errno == ENOENT;
    }
    return isOwnRegularFile(status);
#else
    const QFileInfo name(path);
    return !name.isSymLink() && (!name.exists() || name.isFile());
#endif
}

} // namespace

QString findFilePath(const QString &programFolder, const QString &userDataFolder)
{
    const QString beside = QDir(programFolder).filePath(FindFileName);
    if (QFileInfo(programFolder).isWritable() && usableName(beside)) {
        return beside;
    }
    QDir().mkpath(userDataFolder);
    return QDir(userDataFolder).filePath(FindFileName);
}

bool openFindFile(QFile &file, const QString &path, QIODevice::OpenMode mode)
{
#ifdef Q_OS_UNIX
    // Something may have been planted since the name was checked, so the checks are made again
    // on what was opened. O_NONBLOCK keeps a pipe from waiting for its other end; on a regular
    // file it changes nothing.
    const bool appending = mode & (QIODevice::WriteOnly | QIODevice::Append);
    const int access = appending ? O_WRONLY | O_APPEND | O_CREAT : O_RDONLY;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          access | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !isOwnRegularFile(status)
        || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return usableName(path) && file.open(mode);
#endif
}
