#include "Module1.h"

namespace Module1 {

void WriteUnitRow()
{
    for (int p = 1; p <= PropCount; ++p) {
        const char *unit = propertyInfo(p).unit;
        if (*unit != '\0') {
            ElemData[UnitRow][p] = unit;
        }
    }
}

std::vector<std::string> SheetLines(int ElemNo)
{
    WriteUnitRow();
    const auto &row = ElemData[ElemNo]; // throws for a number outside 0..110
    std::vector<std::string> lines;
    lines.reserve(PropCount);
    for (int p = 1; p <= PropCount; ++p) {
        const PropertyInfo &property = propertyInfo(p);
        std::string line = property.label;
        line.append(static_cast<std::size_t>(property.tabs), '\t');
        line += withUnit(row[p], p);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace Module1
