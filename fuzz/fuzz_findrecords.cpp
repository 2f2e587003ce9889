// Any bytes as find.txt: the reader must never crash, and may only yield records that name an
// element and a 24-bit colour, each of which reads back the same when written again.

#include "tools/findrecords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const FindRecords::Record &record : FindRecords::parse(text)) {
        if (record.element < 1 || record.element > 109 || record.color > 0xFFFFFF) {
            std::abort();
        }
        const auto again = FindRecords::parse(FindRecords::format(record));
        if (again.size() != 1 || !(again.front() == record)) {
            std::abort();
        }
    }
    return 0;
}
