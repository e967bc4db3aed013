#include "interaction/core/ToolRegistry.h"

#include <optional>

namespace kel {

namespace {

// The slot of a mode; none for idle and values above the last mode.
std::optional<std::size_t> slotOf(ToolMode mode)
{
    if (mode == ToolMode::Idle || mode > kLastToolMode)
        return std::nullopt;
    return static_cast<std::size_t>(mode);
}

} // namespace

void ToolRegistry::add(std::shared_ptr<Tool> tool, std::initializer_list<ToolMode> modes)
{
    for (ToolMode mode : modes) {
        if (const std::optional<std::size_t> slot = slotOf(mode))
            tools_[*slot] = tool;
    }
}

Tool* ToolRegistry::find(ToolMode mode) const
{
    const std::optional<std::size_t> slot = slotOf(mode);
    return slot ? tools_[*slot].get() : nullptr;
}

} // namespace kel
