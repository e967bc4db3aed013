#include "constructions/ConstructionsRegistration.h"

#include "constructions/circles/CircleTools.h"
#include "constructions/intersections/IntersectionTools.h"
#include "constructions/lines/LineTools.h"
#include "constructions/measure/MeasureTools.h"
#include "constructions/moving/MovingTools.h"
#include "constructions/popups/PopupCommands.h"
#include "constructions/triangles/TriangleTools.h"

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
    registerIntersectionTools(registrations);
    registerApproximateIntersectionTool(registrations);
    registerPointTools(registrations);
    registerGroupPointTools(registrations);
    registerPickedObjectMoves(registrations);
    registerTrianglePageTool(registrations);
    registerTriangleOnLineTools(registrations);
    registerParallelogramTools(registrations);
    registerSquareCommands(registrations);
    registerRectangleOnSideTool(registrations);
    registerConvertToLines(registrations);
    registerValuePageDone(registrations);
    registerStyleCommands(registrations);
    registerTextCommands(registrations);
    registerInfoCommands(registrations);
}

} // namespace kel
