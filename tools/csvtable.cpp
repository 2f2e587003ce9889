#include "csvtable.h"

#include "data/Module1.h"
#include "window/shown.h"

#include <QStringList>

namespace {

QString header(int p)
{
    const QString unit = Shown::unit(p);
    return unit.isEmpty() ? Shown::label(p) : Shown::label(p) + QStringLiteral(" [%1]").arg(unit);
}

void appendRow(QByteArray &csv, const QStringList &fields)
{
    csv += fields.join(QLatin1Char(',')).toUtf8();
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

QByteArray csvTable(const std::vector<int> &elements)
{
    QByteArray csv;
    QStringList fields;
    for (int p = 1; p <= Module1::PropCount; ++p) {
        fields << csvField(header(p));
    }
    appendRow(csv, fields);
    for (const int i : elements) {
        fields.clear();
        for (int p = 1; p <= Module1::PropCount; ++p) {
            fields << csvField(Shown::value(i, p));
        }
        appendRow(csv, fields);
    }
    return csv;
}
