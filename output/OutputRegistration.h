#pragma once
// The registration entry of output/: its tools and commands.

#include "interaction/core/Registrations.h"

namespace kel {

void registerOutput(Registrations& registrations);

} // namespace kel
