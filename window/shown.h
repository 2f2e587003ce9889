#pragma once

// The texts of the element data as the window shows them: stored values as they are, the
// program's own texts about them through the user's translation.

#include <QString>

#include <string>

namespace Shown {

// A stored value, unchanged.
QString text(const std::string &stored);

// The column caption of property p (1..22), as the property list and the headers show it.
QString caption(int p);

// The property sheet's label of property p (1..22): "Density".
QString label(int p);

} // namespace Shown
