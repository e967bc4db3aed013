#pragma once
// The registrations of the triangle and quadrilateral constructions.

#include "interaction/core/Registrations.h"

namespace kel {

void registerTrianglePageTool(Registrations& registrations);
void registerTriangleOnLineTools(Registrations& registrations);
void registerParallelogramTools(Registrations& registrations);
void registerSquareCommands(Registrations& registrations);
void registerRectangleOnSideTool(Registrations& registrations);
void registerConvertToLines(Registrations& registrations);
void registerValuePageDone(Registrations& registrations);

} // namespace kel
