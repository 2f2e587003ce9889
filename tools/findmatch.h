#pragma once

#include <QString>

// Find's rule for the names the window shows. In English they are the stored names, which
// FindRecords::matches already covers. In a translated window an answer also matches the shown
// name ("EIS" finds Eisen), accents ignored on both sides ("FOSFORO" finds Fósforo).
namespace FindMatch {

// Whether the answer starts a word of the shown name (the chart's rule; in Chinese and Japanese,
// which write no spaces, any part of it), or is the whole shown name (the column view's),
// accents and case ignored; always false where the window is not translated.
bool startsShownName(int i, const QString &upperAnswer);
bool isShownName(int i, const QString &upperAnswer);

// The text case-folded by Unicode's rules, without accents: what both sides are compared as.
QString folded(const QString &text);

} // namespace FindMatch
