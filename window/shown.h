#pragma once

// The texts of the element data as the window shows them: stored values as they are; names,
// captions and labels in the user's language, through the installed translations (English
// when there are none).

#include "data/temperature.h"

#include <QString>
#include <QStringList>

#include <string>

namespace Shown {

// Whether a translation is installed: the names, captions and labels are then the user's
// language's rather than the stored English ones.
bool translated();

// The scale every temperature of the window is shown in: Celsius, as stored, until the user
// chooses another.
Module1::TemperatureScale temperatureScale();
void setTemperatureScale(Module1::TemperatureScale scale);

// A stored value, unchanged.
QString text(const std::string &stored);

// The name of element i (1..109).
QString name(int i);

// Property p of element i as the lists show it, without its unit: the name in the user's
// language, a temperature in the scale in force, anything else as stored. With its unit, as
// the sheet, the legend and the tooltips show it: "7860 kg/m^3".
QString value(int i, int p);
QString valueWithUnit(int i, int p);

// The unit of property p in the scale in force, "kg/m^3" or "K"; empty where it has none.
QString unit(int p);

// The sheet's label of property p with its unit in brackets, as a table's header has it:
// "Atomic weight [amu]", "Name".
QString labelWithUnit(int p);

// The column caption of property p (1..22) with its unit, "Density [kg/m^3]", and its sheet
// label.
QString caption(int p);
QString label(int p);

// The property sheet of element i: 22 lines of label, TABs and value with its unit, and its
// heading, "Iron (Fe)". In English and degrees Celsius exactly the data module's sheet; in
// another language the TABs follow the labels' lengths, so that every value starts at the
// first tab stop (every 8 characters) past the longest label.
QStringList sheetLines(int i);
QString sheetCaption(int i);
// An element as its tile's tooltip, the plot and a screen reader name it: "26. Iron (Fe)".
QString tileName(int i);

// The TABs that bring a value after a label of labelLength characters to the first tab stop
// past longestLabel characters.
int sheetTabs(int labelLength, int longestLabel);

} // namespace Shown
