#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The whole element table as a CSV file for a spreadsheet: a header row of the sheet's labels,
// each followed by the sheet's unit in brackets ("Atomic weight [amu]"), then one row per
// element in the given order with its 22 values as stored (the names as shown). RFC 4180:
// fields quoted where they must be, CR LF after every row, UTF-8 without a byte-order mark.
QByteArray csvTable(const std::vector<int> &elements);

// Any table as the same kind of file: each row's fields quoted where they must be, CR LF after
// every row.
QByteArray csvText(const QList<QStringList> &rows);

// One field as RFC 4180 writes it: in quotes, inner quotes doubled, when it holds a comma, a
// quote or a line break; as it is otherwise.
QString csvField(const QString &text);
