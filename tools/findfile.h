#pragma once

#include <QString>

// Where Find keeps find.txt: the program's own folder, as it always has; an installed program
// cannot write there, so then the user's data folder (made if missing) keeps the marks instead.
QString findFilePath(const QString &programFolder, const QString &userDataFolder);
