#pragma once

#include <QString>
#include <QStringList>

// What Ctrl+C puts on the clipboard: lines joined by line ends, the last one ended too, as a
// text editor or a spreadsheet expects. A row of the column view is one line of TAB-separated
// cells. Nothing on show gives the empty text.
QString clipboardText(const QStringList &lines);
QString clipboardRow(const QStringList &cells);
