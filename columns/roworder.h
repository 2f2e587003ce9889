#pragma once

#include <string>
#include <vector>

// Orders of the column view's rows, as lists of element numbers. Plain functions over the
// element table, so they can be tested without a window.
namespace RowOrder {

// Elements 1..109 in number order.
std::vector<int> byNumber();

// "forward" walks the positions 1..109, otherwise 109..1: the two directions a header click
// alternates between.

// By the numeric value of one property: forward lists the largest value first.
std::vector<int> byValue(int property, bool forward);

// The texts of one property in case-insensitive order, entered element by element in the
// walk's order (equal texts keep their entry order).
std::vector<std::string> sortedTexts(int property, bool forward);

// By the text of one property: forward lists A to Z, each element once; elements sharing one
// text appear in element-number order.
std::vector<int> byText(int property, bool forward);

} // namespace RowOrder
