#pragma once
// The measuring tools of the Advanced menu's Measure submenu.

#include "interaction/core/Registrations.h"

namespace kel {

void registerMeasureTools(Registrations& registrations);

} // namespace kel
