#include "findmatch.h"

#include "window/shown.h"
#include "window/translation.h"

#include <QRegularExpression>

namespace FindMatch {

namespace {

// Chinese and Japanese write no spaces between words: there any part of a name is a start.
bool wordsUnspaced()
{
    const QString language = Translation::installed();
    return language.startsWith(QLatin1String("zh")) || language.startsWith(QLatin1String("ja"));
}

// The kana's voicing marks change the sound, not an accent: they stay.
bool isAccent(QChar c)
{
    return c.category() == QChar::Mark_NonSpacing && c.unicode() != 0x3099 && c.unicode() != 0x309A;
}

} // namespace

QString folded(const QString &text)
{
    // Decomposed, an accented letter is its base letter and a combining mark; dropping the marks
    // leaves the base letters. Case is folded by Unicode's rules, the same in every locale, so
    // that a Turkish desktop's dotless i changes nothing.
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString base;
    base.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (!isAccent(c)) {
            base.append(c);
        }
    }
    return base.normalized(QString::NormalizationForm_C).toCaseFolded();
}

bool startsShownName(int i, const QString &upperAnswer)
{
    if (!Shown::translated()) {
        return false;
    }
    const QString name = folded(Shown::name(i));
    const QString answer = folded(upperAnswer);
    if (wordsUnspaced()) {
        return name.contains(answer);
    }
    static const QRegularExpression between(QStringLiteral("[\\s\\-]+"));
    for (const QString &word : name.split(between, Qt::SkipEmptyParts)) {
        if (word.startsWith(answer)) {
            return true;
        }
    }
    return false;
}

bool isShownName(int i, const QString &upperAnswer)
{
    return Shown::translated() && folded(Shown::name(i)) == folded(upperAnswer);
}

} // namespace FindMatch
