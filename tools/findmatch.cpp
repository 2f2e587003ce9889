#include "findmatch.h"

#include "data/Module1.h"
#include "window/shown.h"

namespace FindMatch {

QString folded(const QString &text)
{
    // Decomposed, an accented letter is its base letter and a combining mark; dropping the marks
    // leaves the base letters.
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString base;
    base.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            base.append(c);
        }
    }
    return base.toUpper();
}

bool startsShownName(int i, const QString &upperAnswer)
{
    return Shown::translated() && folded(Shown::name(i)).startsWith(folded(upperAnswer));
}

bool isShownName(int i, const QString &upperAnswer)
{
    return Shown::translated() && folded(Shown::name(i)) == folded(upperAnswer);
}

} // namespace FindMatch
