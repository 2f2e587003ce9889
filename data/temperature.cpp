#include "temperature.h"

#include "Module1.h"

#include <cmath>

namespace Module1 {

namespace {

constexpr double KelvinAtZeroCelsius = 273.15;

} // namespace

double fromCelsius(double celsius, TemperatureScale scale)
{
    switch (scale) {
    case TemperatureScale::Kelvin:
        return celsius + KelvinAtZeroCelsius;
    case TemperatureScale::Fahrenheit:
        return celsius * 9.0 / 5.0 + 32.0;
    case TemperatureScale::Celsius:
        break;
    }
    return celsius;
}

double toCelsius(double degrees, TemperatureScale scale)
{
    switch (scale) {
    case TemperatureScale::Kelvin:
        return degrees - KelvinAtZeroCelsius;
    case TemperatureScale::Fahrenheit:
        return (degrees - 32.0) * 5.0 / 9.0;
    case TemperatureScale::Celsius:
        break;
    }
    return degrees;
}

bool isTemperature(int p)
{
    return std::string_view(propertyInfo(p).unit) == " C";
}

std::string_view unitOf(int p, TemperatureScale scale)
{
    if (isTemperature(p)) {
        switch (scale) {
        case TemperatureScale::Kelvin:
            return " K";
        case TemperatureScale::Fahrenheit:
            return " F";
        case TemperatureScale::Celsius:
            break;
        }
    }
    return propertyInfo(p).unit;
}

std::string shownValue(std::string_view stored, int p, TemperatureScale scale)
{
    if (scale == TemperatureScale::Celsius || !isTemperature(p)) {
        return std::string(stored);
    }
    const std::optional<double> celsius = leadingNumber(stored);
    if (!celsius) {
        return std::string(stored); // "--" stays "--"
    }
    const long degrees = std::lround(fromCelsius(*celsius, scale));
    return std::to_string(degrees);
}

} // namespace Module1
