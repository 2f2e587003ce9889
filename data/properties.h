#pragma once

// The 22 properties of an element in their fixed order, and everything the program says about
// each of them: one table, read by the sheet, the column view, the sorting, the ranking, Find
// and the colouring alike.

#include "data/temperature.h"

#include <string>
#include <string_view>

namespace Module1 {

// Property numbers, the column index of ElemData.
enum Property : int {
    Name = 1,
    Symbol,
    AtomicNumber,
    AtomicWeight,
    AtomicRadius,
    BoilingPoint,
    MeltingPoint,
    Density,
    LatentHeatOfVapor,
    LatentHeatOfFusion,
    ElectricalConductivity,
    ThermalConductivity,
    SpecificHeatCapacity,
    IonizationPotential,
    Electronegativity,
    Valency,
    EquivalentWeight,
    CrystalStructure,
    DiscoveredBy,
    YearOfDiscovery,
    ElectronicConfig,
    Applications,
};

struct PropertyInfo
{
    const char *caption; // the column header and the entry of the property list, before its unit
    const char *label; // the property sheet's label
    int tabs; // TABs after the label, bringing the value to character column 24
    const char *unit; // what the sheet appends to the value, with its own leading blank
    bool sortsAsText; // a header click orders it alphabetically, not by value
    bool rankable; // "Rank by" accepts it
    bool numeric; // its known values are numbers
};

// The entry of property p (1..22); std::out_of_range for any other number. Its texts are
// English: the window shows them through its translations (contexts "Property" for captions,
// "SheetLabel" for labels). A caption is shown with its unit in brackets, "Density [kg/m^3]".
const PropertyInfo &propertyInfo(int p);

// The context in which the translations know the stored texts of property p ("Element" for
// the names, "CrystalStructure", "Application"), or nothing where they are shown as stored.
const char *textContext(int p);

// A stored value of property p followed by the property's unit suffix, as every view shows
// it: "7860 kg/m^3", "Iron"; a temperature converted to the scale first ("3273 K").
std::string withUnit(std::string_view value, int p,
                     TemperatureScale scale = TemperatureScale::Celsius);

} // namespace Module1
