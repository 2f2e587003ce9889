#include "sheetline.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringView>

namespace SheetLine {

namespace {

// East Asian wide and full-width characters (Unicode's East Asian Width W and F), as terminals
// and editors count them.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E)
           || (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF)
           || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
           || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
           || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
           || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

int cellsOf(char32_t c)
{
    if (isWide(c)) {
        return 2;
    }
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ? 0 : 1;
}

bool hasWide(const QString &text)
{
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (isWide(c)) {
            return true;
        }
    }
    return false;
}

} // namespace

int cells(const QString &text)
{
    int count = 0;
    for (const char32_t c : QStringView(text).toUcs4()) {
        count += cellsOf(c);
    }
    return count;
}

int valueColumn(const QString &line)
{
    int column = 0;
    bool inTabs = false;
    for (const char32_t c : QStringView(line).toUcs4()) {
        if (c == U'\t') {
            column = (column / TabSize + 1) * TabSize;
            inTabs = true;
        } else if (inTabs) {
            break;
        } else {
            column += cellsOf(c);
        }
    }
    return column;
}

QString expandTabs(const QString &line)
{
    QString expanded;
    expanded.reserve(line.size() + qsizetype(3) * TabSize);
    int column = 0;
    for (const char32_t c : QStringView(line).toUcs4()) {
        if (c == U'\t') {
            const int next = (column / TabSize + 1) * TabSize;
            expanded.append(QString(next - column, QLatin1Char(' ')));
            column = next;
        } else {
            expanded.append(QString::fromUcs4(&c, 1));
            column += cellsOf(c);
        }
    }
    return expanded;
}

void draw(QPainter &painter, const QPointF &baseline, const QString &line, const QFont &font)
{
    painter.setFont(font);
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0 || !hasWide(line)) {
        painter.drawText(baseline, expandTabs(line));
        return;
    }
    qsizetype valueStart = tab;
    while (valueStart < line.size() && line[valueStart] == QLatin1Char('\t')) {
        ++valueStart;
    }
    const double cell = QFontMetricsF(font, painter.device()).horizontalAdvance(QLatin1Char('M'));
    painter.drawText(baseline, line.left(tab));
    painter.drawText(baseline + QPointF(valueColumn(line) * cell, 0), line.mid(valueStart));
}

} // namespace SheetLine
