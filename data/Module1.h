#pragma once

// The element table and the routines shared by the views. Plain C++: the window code and the
// tests use it alike, and nothing here knows about widgets.

#include "data/properties.h"

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Module1 {

constexpr int ElemCount = 109;
constexpr int PropCount = Applications;
constexpr int UnitRow = 110;

// A fixed array whose every read is bounds-checked: a bad index throws std::out_of_range
// instead of touching memory outside the table.
template<typename T, std::size_t N>
class CheckedArray
{
public:
    T &operator[](long long index) { return m_items.at(checked(index)); }
    const T &operator[](long long index) const { return m_items.at(checked(index)); }
    static constexpr std::size_t size() { return N; }

private:
    static std::size_t checked(long long index)
    {
        if (index < 0 || static_cast<unsigned long long>(index) >= N) {
            throw std::out_of_range("ElemData index " + std::to_string(index) + " out of range");
        }
        return static_cast<std::size_t>(index);
    }

    std::array<T, N> m_items{};
};

// Rows 0..110 (1..109 the elements, 110 the unit suffixes), columns 0..22 (1..22 the properties).
using ElemTable = CheckedArray<CheckedArray<std::string, PropCount + 1>, UnitRow + 1>;

extern ElemTable ElemData;

// Fills rows 1..109, properties 1..22, from the texts compiled into the program.
void LoadElemData();

// The numeric value of a stored text: its leading decimal number ("." always the separator,
// whatever the locale), or 0 when the text does not start with one.
double numericValue(std::string_view text);
// The same number, or nothing when the text does not start with one.
std::optional<double> leadingNumber(std::string_view text);

// Ranks Values[1..Count] from 1 (largest numeric value) to Count; among equal values the entry
// with the higher index ranks first. Ranks[1..Count] is overwritten; entry 0 is left alone.
void RankDescending(int Count, const std::vector<std::string> &Values, std::vector<int> &Ranks);

// 1 if some entry of Items visited by the counted loop From..To step Step equals Value, else 0.
int IsInRange(const std::string &Value, const std::vector<std::string> &Items, int From, int To,
              int Step);

// The property sheet of one element: SheetLines writes the unit row (row 110), then returns the
// 22 display lines (label, TABs, stored value, unit suffix).
void WriteUnitRow();
std::vector<std::string> SheetLines(int ElemNo);

} // namespace Module1
