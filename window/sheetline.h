#pragma once

#include <QString>

class QFont;
class QPainter;
class QPointF;

// A line of the property sheet, "Density\t\t\t7860 kg/m^3", laid out in character cells as a
// fixed-width font and a text editor lay it out: TABs stop every 8 cells, and a character of
// Chinese or Japanese takes two cells, as it does in a terminal or an editor. So the values
// start in one column, in the window, on paper and in the exported file alike.
namespace SheetLine {

constexpr int TabSize = 8;

// The cells a text takes: two for a wide character, none for a combining mark, else one.
int cells(const QString &text);

// The cell at which the value of a line starts once its TABs are expanded.
int valueColumn(const QString &line);

// The line with each TAB as blanks to the next stop.
QString expandTabs(const QString &line);

// Draws the line from the baseline's left end in the font: where it holds wide characters, the
// value at its column of cells of the font's width, whatever width the label's own glyphs
// take; otherwise simply its TABs expanded.
void draw(QPainter &painter, const QPointF &baseline, const QString &line, const QFont &font);

} // namespace SheetLine
