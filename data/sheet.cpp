#include "Module1.h"

namespace Module1 {

namespace {

struct SheetRow
{
    const char *label;
    int tabs;
    const char *unit;
};

// Label and TAB count bring every value to character column 24 with tab stops every 8 cells.
constexpr std::array<SheetRow, PropCount> sheetRows{{
        {"Name", 3, ""},
        {"Symbol", 3, ""},
        {"Atomic number", 2, ""},
        {"Atomic weight", 2, " amu"},
        {"Atomic radius", 2, " A"},
        {"Boiling point", 2, " C"},
        {"Melting point", 2, " C"},
        {"Density", 3, " kg/m^3"},
        {"Latent ht. of vapor", 1, " kJ/kg"},
        {"Latent ht. of fusion", 1, " kJ/kg"},
        {"Electrical conduct.", 1, " abmho"},
        {"Thermal conduct.", 1, " W/m-C"},
        {"Specific heat capacity", 1, " kJ/kg-C"},
        {"Ionization potential", 1, " V"},
        {"Electronegativity", 1, ""},
        {"Valency", 3, ""},
        {"Equivalent weight", 1, " amu"},
        {"Crystal structure", 1, ""},
        {"Discovered by", 2, ""},
        {"Year of discovery", 1, ""},
        {"Electronic config.", 1, ""},
        {"Applications", 2, ""},
}};

} // namespace

void WriteUnitRow()
{
    for (int p = 1; p <= PropCount; ++p) {
        const char *unit = sheetRows[static_cast<std::size_t>(p - 1)].unit;
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
        const SheetRow &sheetRow = sheetRows[static_cast<std::size_t>(p - 1)];
        std::string line = sheetRow.label;
        line.append(static_cast<std::size_t>(sheetRow.tabs), '\t');
        line += row[p];
        line += ElemData[UnitRow][p];
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string SheetCaption(int ElemNo)
{
    return ElemData[ElemNo][1] + " (" + ElemData[ElemNo][2] + ")";
}

} // namespace Module1
