#include "constructions/ConstructionsRegistration.h"

#include "constructions/circles/CircleTools.h"
#include "constructions/lines/LineTools.h"
#include "constructions/measure/MeasureTools.h"

namespace kel {

void registerConstructions(Registrations& registrations)
{
    registerPerpendicularTools(registrations);
    registerLineCommands(registrations);
    registerGapInMiddleTool(registrations);
    registerParallelTools(registrations);
    registerAngleTools(registrations);
    registerFixedDistanceTool(registrations);
    registerTwoLineTools(registrations);
    registerMeasureTools(registrations);
    registerCircleCommands(registrations);
    registerCircleTools(registrations);
    registerCircleEditTools(registrations);
}

} // namespace kel
