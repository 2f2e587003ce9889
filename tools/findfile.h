#pragma once

#include <QFile>
#include <QString>

// Where Find keeps find.txt: the program's own folder, as it always has, while the program can
// write there and nothing but a plain file of this user's stands at that name. Otherwise the
// user's data folder (made if missing) keeps the marks instead: an installed program cannot
// write beside itself, and a link, pipe or device planted there would freeze the window or
// carry the records into someone else's file.
QString findFilePath(const QString &programFolder, const QString &userDataFolder);

// Opens find.txt at path into file, for reading, or for appending and created if absent:
// without blocking and without following a link, and keeps it open only when what was opened
// is a regular file of this user's. False, with nothing open, otherwise. The file is opened
// from its descriptor and so does not know its name: remove it by the path.
bool openFindFile(QFile &file, const QString &path, QIODevice::OpenMode mode);
