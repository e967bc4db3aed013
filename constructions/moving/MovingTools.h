#pragma once
// The popup commands that move or duplicate the picked object.

#include "interaction/core/Registrations.h"

namespace kel {

void registerPickedObjectMoves(Registrations& registrations);

} // namespace kel
