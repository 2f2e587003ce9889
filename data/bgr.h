#pragma once

#include <cstdint>

// Every colour of the program is written as 0x00BBGGRR, blue in the high byte and red in the
// low one, so that each figure stays readable beside the design it comes from.
using Bgr = std::uint32_t;
