#pragma once
// The registration entry of constructions/: its tools and commands.

#include "interaction/core/Registrations.h"

namespace kel {

void registerConstructions(Registrations& registrations);

} // namespace kel
