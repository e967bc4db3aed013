#include "interaction/ToolRegistry.h"

namespace kel {

void ToolRegistry::add(std::shared_ptr<Tool> tool, std::initializer_list<int> modes)
{
    for (int mode : modes) {
        if (mode > 0 && mode <= kMaxMode)
            tools_[static_cast<size_t>(mode)] = tool;
    }
}

Tool* ToolRegistry::find(int mode) const
{
    if (mode <= 0 || mode > kMaxMode)
        return nullptr;
    return tools_[static_cast<size_t>(mode)].get();
}

const ToolModeInfo* findToolMode(int mode)
{
    for (const ToolModeInfo& info : toolModeTable()) {
        if (info.mode == mode)
            return &info;
    }
    return nullptr;
}

} // namespace kel
