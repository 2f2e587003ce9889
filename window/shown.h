#pragma once

// The texts of the element data as the window shows them: stored values as they are; names,
// captions and labels in the user's language, through the installed translations (English
// when there are none).

#include <QString>
#include <QStringList>

#include <string>

namespace Shown {

// Whether a translation is installed: the names, captions and labels are then the user's
// language's rather than the stored English ones.
bool translated();

// A stored value, unchanged.
QString text(const std::string &stored);

// The name of element i (1..109).
QString name(int i);

// The column caption and the sheet label of property p (1..22).
QString caption(int p);
QString label(int p);

// The property sheet of element i: 22 lines of label, TABs and value with its unit, and its
// heading, "Iron (Fe)". In English exactly the data module's sheet; in another language the
// TABs follow the labels' lengths, so that every value starts at the first tab stop (every 8
// characters) past the longest label.
QStringList sheetLines(int i);
QString sheetCaption(int i);

// The TABs that bring a value after a label of labelLength characters to the first tab stop
// past longestLabel characters.
int sheetTabs(int labelLength, int longestLabel);

} // namespace Shown
