#pragma once
// The placing of appended and pasted objects (they arrive tagged).

namespace kel {

class ToolRegistry;

void registerPlacementTool(ToolRegistry& tools);

} // namespace kel
