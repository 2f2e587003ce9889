#include "classes.h"

#include <algorithm>

namespace Module1 {

namespace {

struct OtherName
{
    std::string_view text;
    int element;
};

// The table writes Wolfram, Aluminum, Cesium and Sulfur, and the systematic names of 104 to
// 109, which have since been named for good.
constexpr OtherName otherNames[]{
        {"TUNGSTEN", 74},       {"ALUMINIUM", 13}, {"CAESIUM", 55},     {"SULPHUR", 16},
        {"RUTHERFORDIUM", 104}, {"RF", 104},       {"DUBNIUM", 105},    {"DB", 105},
        {"SEABORGIUM", 106},    {"SG", 106},       {"BOHRIUM", 107},    {"BH", 107},
        {"HASSIUM", 108},       {"HS", 108},       {"MEITNERIUM", 109}, {"MT", 109},
};

template<std::size_t N>
bool listed(const std::array<int, N> &list, int i)
{
    return std::find(list.begin(), list.end(), i) != list.end();
}

} // namespace

ElementClass elementClass(int i)
{
    if (listed(Metalloids, i)) {
        return ElementClass::Metalloid;
    }
    if (listed(NonMetals, i)) {
        return ElementClass::NonMetal;
    }
    return ElementClass::Metal;
}

int otherNameElement(std::string_view upperAnswer)
{
    for (const OtherName &name : otherNames) {
        if (name.text == upperAnswer) {
            return name.element;
        }
    }
    return 0;
}

} // namespace Module1
