#include "exportfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
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
    QTemporaryFile draft(target.absolutePath() + QLatin1String("/.") + target.completeBaseName()
                         + QStringLiteral("-XXXXXX"));
    if (!draft.open()) {
        return draft.errorString();
    }
    if (draft.write(bytes) != bytes.size() || !draft.flush()) {
        return draft.errorString();
    }
    draft.close();
    // rename() replaces the name itself, never what a link planted there points to.
    if (std::rename(QFile::encodeName(draft.fileName()).constData(),
                    QFile::encodeName(path).constData())
        != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    draft.setAutoRemove(false);
    return std::nullopt;
}
