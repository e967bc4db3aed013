// Everything interaction/ brings to the editor.

#include "interaction/commands/FileCommands.h"
#include "interaction/commands/FrameCommands.h"
#include "interaction/commands/HistoryCommands.h"
#include "interaction/commands/TableCommands.h"
#include "interaction/core/AttributeControls.h"
#include "interaction/core/Registrations.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/editing/PickTools.h"
#include "interaction/tools/moving/PlaceObjectsTool.h"

namespace kel {

void registerInteraction(Registrations& registrations)
{
    CommandRegistry& commands = registrations.commands;
    registerFrameCommands(commands);
    registerFileCommands(commands);
    registerTableCommands(commands);
    registerHistoryCommands(commands);
    registerAttributeCommands(commands);

    ToolRegistry& tools = registrations.tools;
    registerPickTools(tools);
    registerPointTools(tools);
    registerLineTools(tools);
    registerCircleTools(tools);
    registerArcTools(tools);
    registerRectangleTools(tools);
    registerEllipseTools(tools);
    registerPolyTools(tools);
    registerGridFillTools(tools);
    registerTextTools(tools);
    registerGlyphTools(tools);
    registerBezierTools(tools);
    registerCurvatureTool(tools);
    registerGraphTool(tools);
    registerSineWaveTool(tools);
    registerStarPolygonTools(tools);
    registerSemicircleTool(tools);
    registerLineMarkTools(tools);
    registerPlacementTool(tools);
}

} // namespace kel
