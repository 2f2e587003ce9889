#pragma once

// Temperatures in the scale the user thinks in. The table stores whole degrees Celsius; the
// other scales are worked out from them and shown in whole degrees, with their unit in the
// sheet's ASCII style (" K", " F").

#include <string>
#include <string_view>

namespace Module1 {

enum class TemperatureScale { Celsius, Kelvin, Fahrenheit };

// A temperature given in degrees Celsius, in the scale; and back.
double fromCelsius(double celsius, TemperatureScale scale);
double toCelsius(double degrees, TemperatureScale scale);

// Whether property p is a temperature (its stored unit is degrees Celsius).
bool isTemperature(int p);

// The unit suffix of property p in the scale, with its leading blank: " K" for a temperature
// in kelvin, the property's own suffix for anything else ("" where it has none).
std::string_view unitOf(int p, TemperatureScale scale);

// A stored value of property p as shown in the scale: a temperature converted and rounded to
// whole degrees, anything else (and "--", and a temperature in Celsius) exactly as stored.
std::string shownValue(std::string_view stored, int p, TemperatureScale scale);

} // namespace Module1
