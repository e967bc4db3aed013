#pragma once
// The registration entry of constructions/: its tools and commands.

#include "interaction/Registrations.h"

namespace kel {

void registerConstructions(Registrations& registrations);

} // namespace kel
