#include "properties.h"

#include "Module1.h"
#include "translatable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace Module1 {

namespace {

// The three flags of an entry, by name.
constexpr bool ByText = true;
constexpr bool ByValue = false;
constexpr bool Ranks = true;
constexpr bool Refused = false;
constexpr bool Numeric = true;
constexpr bool NotNumeric = false;

// Caption, sheet label, TABs, unit; how a header click sorts it, whether "Rank by" takes it,
// whether it is numeric. The TAB counts bring every value to character column 24 with tab
// stops every 8 cells. The units are those of the stored values: the latent heats are per mole
// (iron's 354.1 kJ/mol; per kilogram it would be some 6,300), the electrical conductivity is in
// 10^6 siemens per centimetre (silver's 0.630), and the specific heat capacity in kJ/(kg K), as
// its unit per degree Celsius says. "Rank by" refuses the name, and
// the equivalent weight and crystal structure, which it has never supported.
constexpr std::array<PropertyInfo, PropCount> properties{{
        {TR_NOOP("Property", "Name"), TR_NOOP("SheetLabel", "Name"), 3, "", ByText, Refused,
         NotNumeric},
        {TR_NOOP("Property", "Symbol"), TR_NOOP("SheetLabel", "Symbol"), 3, "", ByText, Ranks,
         NotNumeric},
        {TR_NOOP("Property", "Atomic no."), TR_NOOP("SheetLabel", "Atomic number"), 2, "", ByValue,
         Ranks, Numeric},
        {TR_NOOP("Property", "Atomic wt."), TR_NOOP("SheetLabel", "Atomic weight"), 2, " amu",
         ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Atomic radius"), TR_NOOP("SheetLabel", "Atomic radius"), 2, " A",
         ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Boiling point"), TR_NOOP("SheetLabel", "Boiling point"), 2, " C",
         ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Melting point"), TR_NOOP("SheetLabel", "Melting point"), 2, " C",
         ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Density"), TR_NOOP("SheetLabel", "Density"), 3, " kg/m^3", ByValue,
         Ranks, Numeric},
        {TR_NOOP("Property", "Latent ht. of vapor"), TR_NOOP("SheetLabel", "Latent ht. of vapor"),
         1, " kJ/mol", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Latent ht. of fusion"), TR_NOOP("SheetLabel", "Latent ht. of fusion"),
         1, " kJ/mol", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Elect. cond."), TR_NOOP("SheetLabel", "Electrical conduct."), 1,
         " 10^6/ohm-cm", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Thermal cond."), TR_NOOP("SheetLabel", "Thermal conduct."), 1,
         " W/m-C", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Sp ht capacity"), TR_NOOP("SheetLabel", "Specific heat capacity"), 1,
         " kJ/kg-C", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Ionization potential"), TR_NOOP("SheetLabel", "Ionization potential"),
         1, " V", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Electro negativity"), TR_NOOP("SheetLabel", "Electronegativity"), 1,
         "", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Valency"), TR_NOOP("SheetLabel", "Valency"), 3, "", ByValue, Ranks,
         Numeric},
        {TR_NOOP("Property", "Equivalent weight"), TR_NOOP("SheetLabel", "Equivalent weight"), 1,
         " amu", ByValue, Refused, Numeric},
        {TR_NOOP("Property", "Crystal structure"), TR_NOOP("SheetLabel", "Crystal structure"), 1,
         "", ByText, Refused, NotNumeric},
        {TR_NOOP("Property", "Discovered by"), TR_NOOP("SheetLabel", "Discovered by"), 2, "",
         ByText, Ranks, NotNumeric},
        {TR_NOOP("Property", "Year of discovery"), TR_NOOP("SheetLabel", "Year of discovery"), 1,
         "", ByValue, Ranks, Numeric},
        {TR_NOOP("Property", "Electronic config."), TR_NOOP("SheetLabel", "Electronic config."), 1,
         "", ByText, Ranks, NotNumeric},
        {TR_NOOP("Property", "Applications"), TR_NOOP("SheetLabel", "Applications"), 2, "", ByText,
         Ranks, NotNumeric},
}};

} // namespace

const PropertyInfo &propertyInfo(int p)
{
    if (p < 1 || p > PropCount) {
        throw std::out_of_range("no property " + std::to_string(p));
    }
    return properties[static_cast<std::size_t>(p - 1)];
}

const char *textContext(int p)
{
    switch (p) {
    case Name:
        return "Element";
    case CrystalStructure:
        return "CrystalStructure";
    case Applications:
        return "Application";
    default:
        return nullptr;
    }
}

std::string withUnit(std::string_view value, int p, TemperatureScale scale)
{
    return shownValue(value, p, scale) + std::string(unitOf(p, scale));
}

} // namespace Module1
