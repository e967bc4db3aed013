#include "interaction/core/WheelRules.h"
#include "interaction/core/Editor.h"
#include "model/Controls.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

struct SlotRuleCase {
    const char* name;
    void (*rule)(Editor&, int);
    int slot;
    int start;
    int notches;
    int expected;
    const char* shown; // edtvar1 afterwards; null when the rule shows nothing
};

TEST(WheelRules, SlotRulesKeepTheirLimits)
{
    const SlotRuleCase cases[] = {
        {"rotation wraps past 359", wheelCropRotation, ConstructionState::kCount, 358, 3, 1, "1"},
        {"rotation wraps past -359", wheelCropRotation, ConstructionState::kCount, -358, -3, -1,
         "-1"},
        {"zoom stops at 3", wheelCropZoom, ConstructionState::kCount, 5, -10, 3, "3"},
        {"picture size stops going down at 5", wheelPictureSize, ConstructionState::kSize, 7, -4, 5,
         nullptr},
    };
    for (const SlotRuleCase& c : cases) {
        test::FakeUi ui;
        Editor editor{ui};
        editor.tool.construction.slot[static_cast<size_t>(c.slot)] = c.start;
        c.rule(editor, c.notches);
        EXPECT_EQ(editor.tool.construction.slot[static_cast<size_t>(c.slot)], c.expected) << c.name;
        EXPECT_EQ(ui.controlText(Control::edtvar1),
                  c.shown ? QString::fromLatin1(c.shown) : QString())
            << c.name;
    }
}

TEST(WheelRules, TriangleValueStepsTheCheckedBox)
{
    test::FakeUi ui;
    Editor editor{ui};
    ui.setControlChecked(Control::RBT2, true);
    ui.setControlText(Control::edtTrng2, QStringLiteral("997"));
    wheelTriangleValue(editor, 3);
    EXPECT_EQ(ui.controlText(Control::edtTrng2), QStringLiteral("1"))
        << "past 998 the value starts again at 0";
    ui.setControlChecked(Control::RBT2, false);
    ui.setControlText(Control::edtTrng3, QStringLiteral("x"));
    wheelTriangleValue(editor, -1);
    EXPECT_EQ(ui.controlText(Control::edtTrng3), QStringLiteral("9")) << "no number counts as 10";
    wheelTriangleValue(editor, -10);
    EXPECT_EQ(ui.controlText(Control::edtTrng3), QStringLiteral("0"));
}

} // namespace
} // namespace kel
