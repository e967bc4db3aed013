#pragma once
// The registration entry of windows/: the commands that open secondary
// windows. It needs no widget: the windows open when a command runs.

#include "interaction/core/Registrations.h"

namespace kel {

void registerWindows(Registrations& registrations);

} // namespace kel
