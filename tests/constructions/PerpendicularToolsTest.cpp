#include "ConstructionFixture.h"

namespace kel::test {
namespace {

class PerpendicularTools : public Constructions {
protected:
    PerpendicularTools() { putLine(1, {100, 100}, {300, 100}); }
};

TEST_F(PerpendicularTools, TypeChecksRefuseOtherRowsAndHiddenLines)
{
    putPoint(2, {5, 5});
    putLine(3, {0, 0}, {50, 0}, QStringLiteral("N"));
    const char* notALine = "Object you have selected in the grid is not a Line(L)";
    const std::tuple<int, const char*, const char*> cases[] = {
        {2, "mnulineactperpend", notALine},
        {3, "mnugapinLine", notALine},
        {2, "mnupopmirrorpoint", "Object NOT line(L)"},
    };
    for (const auto& [row, item, message] : cases) {
        ui.messages.clear();
        run(row, item);
        EXPECT_EQ(ui.messages, QStringList{QString::fromLatin1(message)}) << item;
        EXPECT_EQ(mode(), ToolMode::Idle) << item;
        EXPECT_EQ(rowsInUse(), 3) << item;
    }
}

TEST_F(PerpendicularTools, ALineOfOnePointHasNoBisector)
{
    putLine(2, {50, 50}, {50, 50});
    run(2, "mnulineacrperbisect");
    EXPECT_EQ(mode(), ToolMode::Idle);
    EXPECT_EQ(rowsInUse(), 2);
}

} // namespace
} // namespace kel::test
