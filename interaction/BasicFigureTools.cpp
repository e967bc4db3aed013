#include "interaction/ArcTools.h"
#include "interaction/CircleTools.h"
#include "interaction/CreationTools.h"
#include "interaction/LineTools.h"
#include "interaction/PointTools.h"
#include "interaction/ToolRegistry.h"

#include <memory>

namespace kel {

void registerBasicFigureTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<PointByMouseTool>(), {1});
    tools.add(std::make_shared<PointByCoordinatesTool>(), {119});
    tools.add(std::make_shared<ArbitraryLineTool>(), {2});
    tools.add(std::make_shared<AxisLineTool>(false), {89});
    tools.add(std::make_shared<AxisLineTool>(true), {90});
    tools.add(std::make_shared<FixedLineTool>(), {113});
    tools.add(std::make_shared<CircleTool>(), {3});
    tools.add(std::make_shared<ThreePointCircleTool>(), {14});
    tools.add(std::make_shared<DiameterCircleTool>(), {15});
    tools.add(std::make_shared<PrecisionArcTool>(), {4});
    tools.add(std::make_shared<ThreePointArcTool>(), {24});
    tools.add(std::make_shared<EndPointsArcTool>(), {23});
    tools.add(std::make_shared<SweepArcTool>(), {44});
}

} // namespace kel
