#include "temperaturebox.h"

#include <QRegularExpression>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr QChar MinusSign(0x2212);

// The text as C would read it: one kind of minus, "." for the decimal point, no thousands.
QString plain(QString text, const QLocale &locale)
{
    text.replace(MinusSign, QLatin1Char('-'));
    text.remove(QLatin1Char(' '));
    const QString group = locale.groupSeparator();
    static const QRegularExpression thousands(QStringLiteral("^[-+]?\\d{1,3}(%1\\d{3})+$"));
    if (!group.isEmpty() && group.size() == 1 && group != locale.decimalPoint()) {
        const QRegularExpression grouped(
                thousands.pattern().arg(QRegularExpression::escape(group)));
        if (grouped.match(text).hasMatch()) {
            text.remove(group);
        }
    }
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

// What may still become a number as more is typed: "-", "25,", "1e".
bool startOfNumber(const QString &text)
{
    static const QRegularExpression start(QStringLiteral("^[-+]?\\d*([.,]\\d*)?([eE][-+]?\\d*)?$"));
    return start.match(text).hasMatch();
}

} // namespace

std::optional<double> typedNumber(QString text, const QLocale &locale)
{
    bool ok = false;
    const double number = plain(std::move(text), locale).toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

QString TemperatureBox::typed(const QString &input) const
{
    QString text = input;
    if (!suffix().isEmpty() && text.endsWith(suffix())) {
        text.chop(suffix().size());
    }
    return text.trimmed();
}

QValidator::State TemperatureBox::validate(QString &input, int &) const
{
    const QString text = typed(input);
    if (const std::optional<double> number = typedNumber(text, locale())) {
        const double degrees = std::round(*number);
        return degrees >= minimum() && degrees <= maximum() ? QValidator::Acceptable
                                                            : QValidator::Intermediate;
    }
    QString start = text;
    start.replace(MinusSign, QLatin1Char('-'));
    return startOfNumber(start) ? QValidator::Intermediate : QValidator::Invalid;
}

void TemperatureBox::fixup(QString &input) const
{
    const std::optional<double> number = typedNumber(typed(input), locale());
    if (!number) {
        return; // the box goes back to the temperature it had
    }
    const double degrees = std::round(*number);
    const int nearest = static_cast<int>(std::clamp(degrees, double(minimum()), double(maximum())));
    if (nearest != degrees) {
        const QString limit = QString::number(nearest) + suffix();
        const QString word =
                nearest == minimum()
                        //: Shown beside the temperature box when a lower one was typed.
                        ? tr("%1 is the lowest temperature the chart shows").arg(limit)
                        //: Shown beside the temperature box when a higher one was typed.
                        : tr("%1 is the highest temperature the chart shows").arg(limit);
        QToolTip::showText(mapToGlobal(QPoint(0, height())), word);
    }
    input = textFromValue(nearest) + suffix();
}

int TemperatureBox::valueFromText(const QString &text) const
{
    const std::optional<double> number = typedNumber(typed(text), locale());
    if (!number) {
        return value();
    }
    return static_cast<int>(std::clamp(std::round(*number), double(minimum()), double(maximum())));
}
