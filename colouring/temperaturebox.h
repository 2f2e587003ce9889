#pragma once

#include <QLocale>
#include <QSpinBox>

#include <optional>

// The number a person typed into the temperature box: "25,5" or "25.5" whatever the language,
// the minus sign of a text editor (U+2212) as well as the hyphen, an exponent ("1e9"), and the
// language's thousands' separator where three digits follow it ("6.000" in German). Nothing
// for text that is no number.
std::optional<double> typedNumber(QString text, const QLocale &locale);

// The states' temperature box, in whole degrees. It takes what typedNumber takes, rounded to
// the nearest degree, and a temperature outside its range becomes the nearest one it has, with
// a word beside the box that says so, never a number that was not typed.
class TemperatureBox : public QSpinBox
{
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    int valueFromText(const QString &text) const override;

private:
    // The typed text without the box's suffix.
    QString typed(const QString &input) const;
};
