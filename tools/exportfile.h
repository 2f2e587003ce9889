#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The text of the export file: each line as shown, TABs included, followed by CR LF.
QByteArray exportFileText(const QStringList &lines);

// Writes bytes to path whole, replacing what stood there: through a temporary file beside it
// and a rename, so that no reader ever sees half a file. The folder may be shared with other
// users, so a symbolic link or another user's file at that name is refused and left alone.
// Returns why the file could not be written, or nothing when it was.
//
// Not QSaveFile, which does the same draft-and-rename: it follows a symbolic link at the file
// name and replaces the file the link points to, which a program writing into a shared folder
// such as /tmp must refuse.
std::optional<QString> replaceFile(const QString &path, const QByteArray &bytes);
