#pragma once

#include "data/Module1.h"

namespace Module1 {

using ElementTexts = std::array<const char *, PropCount>;

// Properties 1..22 of elements 1..109, in table order.
extern const std::array<ElementTexts, ElemCount> elementTexts;

} // namespace Module1
