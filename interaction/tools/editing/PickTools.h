#pragma once
// The edit-by-pick tools of the EditObj menu: the object of one kind under
// the pointer is highlighted, and a click on it opens that kind's popup.

#include "interaction/core/Tool.h"

namespace kel {

class ToolRegistry;

// The popup menu of a record kind, empty for kinds without one.
QString kindPopup(QChar letter);

void registerPickTools(ToolRegistry& tools);

} // namespace kel
