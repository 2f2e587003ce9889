#pragma once

#include "data/Module1.h"
#include "data/bgr.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The matching rule of Find and the records it leaves in find.txt. Plain C++, no widgets.
namespace FindRecords {

// One tile that Find painted red: its element number and its colour before (0x00BBGGRR).
struct Record
{
    int element;
    Bgr color;

    friend bool operator==(const Record &, const Record &) = default;
};

// The line written for a record, without its line end: "26 12640511".
std::string format(const Record &record);

// Every usable record of a find.txt text, in file order. A line holds two whole numbers
// separated by white space or a comma; lines that are damaged, or name no element (1..109) or
// no 24-bit colour, are skipped.
std::vector<Record> parse(std::string_view text);

// The texts of an element that an answer is matched against.
constexpr std::array<int, 3> SearchedProperties{Module1::Name, Module1::Symbol,
                                                Module1::AtomicNumber};

// Whether element i matches an upper-cased answer: the answer equals the start of one of its
// searched texts, upper-cased. The same in every locale: the answer is upper-cased by Qt, which
// follows no locale, and the stored texts by Ascii::upper().
bool matches(int i, std::string_view upperAnswer);

} // namespace FindRecords
