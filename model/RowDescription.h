#pragma once
// The one-line description of an object row shown in the status bar.

#include "model/ObjectTable.h"

#include <QString>

namespace kel {

// Empty for the header row, a free row, a type without a description, or a
// measure too large for a 32-bit int.
QString RowDescription(const ObjectTable& table, int row);

} // namespace kel
