#include "ConstructionFixture.h"

namespace kel::test {
namespace {

class PerpendicularTools : public Constructions {
protected:
    PerpendicularTools() { putLine(1, {100, 100}, {300, 100}); }
};

TEST_F(PerpendicularTools, PerpendicularToLineRepeatsAndRefusesAZeroLength)
{
    run(1, "mnulineactperpend");
    move(150, 40);
    EXPECT_EQ(status(), QStringLiteral("H=60  L1=50  L2=150"));
    click(150, 40);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 150 40 150 100"));
    click(200, 100); // on the line itself
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Line too short, line not created"));
    EXPECT_EQ(rowsInUse(), 2);
    EXPECT_EQ(mode(), ToolMode::PerpendicularToLine);
}

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

TEST_F(PerpendicularTools, MirrorWritesConstructedPoints)
{
    run(1, "mnupopmirrorpoint");
    click(120, 70);
    click(10, 130);
    EXPECT_EQ(shape(2), QStringLiteral("Y P 120 130"));
    EXPECT_EQ(shape(3), QStringLiteral("Y P 10 70"));
    EXPECT_EQ(mode(), ToolMode::MirrorPointToLine);
}

TEST_F(PerpendicularTools, PerpendicularBisectorStartsAtTheMidpoint)
{
    run(1, "mnulineacrperbisect");
    click(260, 30);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 200 100 200 30"));
    // A line of one point has no bisector.
    putLine(3, {50, 50}, {50, 50});
    run(3, "mnulineacrperbisect");
    EXPECT_EQ(mode(), ToolMode::Idle);
    EXPECT_EQ(rowsInUse(), 3);
}

} // namespace
} // namespace kel::test
