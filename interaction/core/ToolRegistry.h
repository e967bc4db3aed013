#pragma once
// Tools by mode. Each folder's registration adds the tools it builds.

#include "interaction/core/Tool.h"
#include "interaction/menus/ToolModes.h"

#include <array>
#include <initializer_list>
#include <memory>

namespace kel {

class ToolRegistry {
public:
    // The tool serves every mode in `modes`; a later add for a mode replaces
    // the earlier one.
    void add(std::shared_ptr<Tool> tool, std::initializer_list<ToolMode> modes);
    Tool* find(ToolMode mode) const;

private:
    static constexpr std::size_t kSlots = static_cast<std::size_t>(kLastToolMode) + 1;
    std::array<std::shared_ptr<Tool>, kSlots> tools_{};
};

} // namespace kel
