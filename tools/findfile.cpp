#include "findfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString FindFileName = QStringLiteral("find.txt");

} // namespace

QString findFilePath(const QString &programFolder, const QString &userDataFolder)
{
    if (QFileInfo(programFolder).isWritable()) {
        return QDir(programFolder).filePath(FindFileName);
    }
    QDir().mkpath(userDataFolder);
    return QDir(userDataFolder).filePath(FindFileName);
}
