// Everything interaction/ brings to the editor.

#include "interaction/AttributeControls.h"
#include "interaction/CreationTools.h"
#include "interaction/FileCommands.h"
#include "interaction/FrameCommands.h"
#include "interaction/PickTools.h"
#include "interaction/Registrations.h"

namespace kel {

void registerInteraction(Registrations& registrations)
{
    CommandRegistry& commands = registrations.commands;
    registerFrameCommands(commands);
    registerFileCommands(commands);
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
}

} // namespace kel
