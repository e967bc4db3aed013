#include "interaction/core/Editor.h"
#include "interaction/core/Registrations.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

// Stands in for a tool of a folder above interaction.
class StartCounter : public Tool {
public:
    void start(Editor&) override { ++starts; }
    int starts = 0;
};

std::shared_ptr<StartCounter>& adjustLengthTool()
{
    static std::shared_ptr<StartCounter> tool;
    return tool;
}

// An entry as constructions/ will have it: a tool for "Adjust Length", and
// its own command for an item whose mode interaction already serves.
void registerLaterFolder(Registrations& registrations)
{
    adjustLengthTool() = std::make_shared<StartCounter>();
    registrations.tools.add(adjustLengthTool(), {ToolMode::AdjustLength});
    registrations.commands.add(QStringLiteral("mnuArbitLine"),
                               [](Editor& editor) { editor.ui().message(QStringLiteral("own")); });
}

TEST(Registration, MenuItemsStartTheToolsOfEveryEntryInAnyOrder)
{
    const std::vector<std::vector<RegistrationEntry>> orders = {
        {registerInteraction, registerLaterFolder}, {registerLaterFolder, registerInteraction}};
    for (const std::vector<RegistrationEntry>& order : orders) {
        test::FakeUi ui;
        Editor editor{ui, {order[0], order[1]}};
        editor.runMenuItem(QStringLiteral("mnuAdjustLen"));
        EXPECT_EQ(editor.tool.mode, ToolMode::AdjustLength);
        EXPECT_EQ(adjustLengthTool()->starts, 1);
        // A command a folder registers itself is never replaced by a start.
        editor.runMenuItem(QStringLiteral("mnuArbitLine"));
        EXPECT_EQ(editor.tool.mode, ToolMode::AdjustLength);
        EXPECT_EQ(ui.messages.back(), QStringLiteral("own"));
    }
}

TEST(Registration, InteractionServesTheModesWhoseHomeItIs)
{
    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
    for (const ToolModeInfo& info : toolModeTable()) {
        EXPECT_EQ(editor.tools.find(info.mode) != nullptr, info.home == ToolHome::Interaction)
            << static_cast<int>(info.mode) << " " << info.command.toStdString();
    }
}

} // namespace
} // namespace kel
