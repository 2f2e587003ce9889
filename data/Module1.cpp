#include "Module1.h"

#include "data/elements.h"

#include <cctype>
#include <charconv>

namespace Module1 {

ElemTable ElemData;

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

void LoadElemData()
{
    for (int e = 1; e <= ElemCount; ++e) {
        const ElementTexts &texts = elementTexts[static_cast<std::size_t>(e - 1)];
        for (int p = 1; p <= PropCount; ++p) {
            ElemData[e][p] = texts[static_cast<std::size_t>(p - 1)];
        }
    }
}

double numericValue(std::string_view text)
{
    return leadingNumber(text).value_or(0.0);
}

std::optional<double> leadingNumber(std::string_view text)
{
    // Accept the leading part a number parser would: blanks, a sign, digits, one ".", digits,
    // and an exponent only when it is complete. Anything else ends the number.
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            ++exp;
        }
        if (exp < text.size() && isDigit(text[exp])) {
            while (exp < text.size() && isDigit(text[exp])) {
                ++exp;
            }
            pos = exp;
        }
    }
    std::string_view number = text.substr(start, pos - start);
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Beyond what a double holds: a negative exponent means the value is all but zero,
        // otherwise keep the sign and saturate.
        const auto e = number.find_first_of("eE");
        if (e != std::string_view::npos && number[e + 1] == '-') {
            return 0.0;
        }
        return number.front() == '-' ? -1.0e308 : 1.0e308;
    }
    return error == std::errc() ? value : 0.0;
}

} // namespace Module1
