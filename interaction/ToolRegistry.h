#pragma once
// Tools by mode number, and the table of every tool mode a command sets.

#include "interaction/Tool.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace kel {

// One tool mode as the commands know it.
struct ToolModeInfo {
    int mode = 0;
    QString command; // the menu path or popup item that sets it
    QString clicks;  // what completes the tool
};

// Every mode a command sets, in mode order.
const std::vector<ToolModeInfo>& toolModeTable();
const ToolModeInfo* findToolMode(int mode);

class ToolRegistry {
public:
    static constexpr int kMaxMode = 138;

    // The tool serves every mode in `modes`; a later add for a mode replaces
    // the earlier one.
    void add(std::shared_ptr<Tool> tool, std::initializer_list<int> modes);
    Tool* find(int mode) const;

private:
    std::array<std::shared_ptr<Tool>, kMaxMode + 1> tools_{};
};

} // namespace kel
