#pragma once
// The registrations of the line constructions, one per family.

#include "interaction/core/Registrations.h"

namespace kel {

void registerPerpendicularTools(Registrations& registrations);
void registerLineCommands(Registrations& registrations);
void registerGapInMiddleTool(Registrations& registrations);
void registerParallelTools(Registrations& registrations);
void registerAngleTools(Registrations& registrations);
void registerFixedDistanceTool(Registrations& registrations);
void registerTwoLineTools(Registrations& registrations);

} // namespace kel
