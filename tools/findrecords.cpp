#include "findrecords.h"

#include "data/Module1.h"
#include "data/ascii.h"

#include <algorithm>
#include <charconv>

namespace FindRecords {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

void skipBlanks(std::string_view line, std::size_t &pos)
{
    while (pos < line.size() && isBlank(line[pos])) {
        ++pos;
    }
}

// Reads one whole number at pos; false when there is none or it does not fit.
bool readNumber(std::string_view line, std::size_t &pos, long long &value)
{
    skipBlanks(line, pos);
    const char *begin = line.data() + pos;
    const char *end = line.data() + line.size();
    if (begin != end && *begin == '+') {
        ++begin;
        ++pos;
    }
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc()) {
        return false;
    }
    pos += static_cast<std::size_t>(stop - begin);
    return true;
}

bool parseLine(std::string_view line, Record &record)
{
    std::size_t pos = 0;
    long long element = 0;
    long long color = 0;
    if (!readNumber(line, pos, element)) {
        return false;
    }
    skipBlanks(line, pos);
    const bool comma = pos < line.size() && line[pos] == ',';
    if (comma) {
        ++pos;
    } else if (pos < line.size() && !isBlank(line[pos - 1])) {
        return false; // the two numbers must be apart
    }
    if (!readNumber(line, pos, color)) {
        return false;
    }
    skipBlanks(line, pos);
    if (pos != line.size()) {
        return false;
    }
    if (element < 1 || element > Module1::ElemCount || color < 0 || color > 0xFFFFFF) {
        return false;
    }
    record = {static_cast<int>(element), static_cast<std::uint32_t>(color)};
    return true;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string format(const Record &record)
{
    return std::to_string(record.element) + " " + std::to_string(record.color);
}

std::vector<Record> parse(std::string_view text)
{
    std::vector<Record> records;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        Record record{};
        if (parseLine(line, record)) {
            records.push_back(record);
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return records;
}

bool matches(int i, std::string_view upperAnswer)
{
    const auto &row = Module1::ElemData[i];
    return std::any_of(SearchedProperties.begin(), SearchedProperties.end(),
                       [&](int p) { return startsWith(Ascii::upper(row[p]), upperAnswer); });
}

} // namespace FindRecords
