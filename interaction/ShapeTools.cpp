#include "interaction/CreationTools.h"

#include "interaction/ShapeTools.h"
#include "interaction/ToolRegistry.h"

#include <memory>

namespace kel {

void registerShapeTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<RectangleTool>(), {5, 31, 36});
    tools.add(std::make_shared<FixedRectTool>(), {114});
    tools.add(std::make_shared<AxisEllipseTool>(), {134, 135});
    tools.add(std::make_shared<EllipsoidTool>(), {105});
    tools.add(std::make_shared<PolylineTool>(), {11});
    tools.add(std::make_shared<PolygonTool>(), {91});
    tools.add(std::make_shared<GridTool>(), {34});
    tools.add(std::make_shared<FillTool>(), {17});
    tools.add(std::make_shared<TextTool>(), {6});
    tools.add(std::make_shared<BorderedLabelTool>(), {136});
    tools.add(std::make_shared<FractionTool>(), {137});
    tools.add(std::make_shared<RadicalTool>(), {138});
}

} // namespace kel
