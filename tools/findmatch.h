#pragma once

#include <QString>

// Find's rule for the names the window shows. In English they are the stored names, which
// FindRecords::matches already covers. In a translated window an answer also matches the shown
// name ("EIS" finds Eisen), accents ignored on both sides ("FOSFORO" finds Fósforo).
namespace FindMatch {

// Whether the upper-cased answer starts the shown name (the chart's rule) or is the whole shown
// name (the column view's), accents ignored; always false where the window is not translated.
bool startsShownName(int i, const QString &upperAnswer);
bool isShownName(int i, const QString &upperAnswer);

// The text upper-cased, without accents: what both sides are compared as.
QString folded(const QString &text);

} // namespace FindMatch
