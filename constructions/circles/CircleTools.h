#pragma once
// The registrations of the circle and arc constructions.

#include "interaction/core/Registrations.h"

namespace kel {

void registerCircleCommands(Registrations& registrations);
void registerCircleTools(Registrations& registrations);
void registerCircleEditTools(Registrations& registrations);

} // namespace kel
