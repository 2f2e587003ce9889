#include "csvtable.h"

#include "data/Module1.h"
#include "window/shown.h"

#include <QStringList>

namespace {

void appendRow(QByteArray &csv, const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields) {
        quoted << csvField(field);
    }
    csv += quoted.join(QLatin1Char(',')).toUtf8();
    csv += "\r\n";
}

} // namespace

QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); })) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray csvText(const QList<QStringList> &rows)
{
    QByteArray csv;
    for (const QStringList &row : rows) {
        appendRow(csv, row);
    }
    return csv;
}

QByteArray csvTable(const std::vector<int> &elements)
{
    QList<QStringList> rows{{}};
    for (int p = 1; p <= Module1::PropCount; ++p) {
        rows.first() << Shown::labelWithUnit(p);
    }
    for (const int i : elements) {
        QStringList &row = rows.emplace_back();
        for (int p = 1; p <= Module1::PropCount; ++p) {
            row << Shown::value(i, p);
        }
    }
    return csvText(rows);
}
