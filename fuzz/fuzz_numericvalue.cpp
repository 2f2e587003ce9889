// Any text as a stored value: its numeric value is a number (never NaN or infinite), and 0
// whenever the text does not begin with one.

#include "data/Module1.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = Module1::numericValue(text);
    if (!std::isfinite(value)) {
        std::abort();
    }
    const auto start = text.find_first_not_of(" \t");
    const bool mayBeNumber = start != std::string_view::npos
                             && (std::isdigit(static_cast<unsigned char>(text[start]))
                                 || text[start] == '-' || text[start] == '+' || text[start] == '.');
    if (!mayBeNumber && value != 0.0) {
        std::abort();
    }
    return 0;
}
