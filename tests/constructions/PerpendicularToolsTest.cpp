// The perpendicular family on the picked line, driven through the menu
// items and the pointer pipeline.

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
    ASSERT_EQ(mode(), ToolMode::PerpendicularToLine);
    move(150, 40);
    EXPECT_EQ(status(), QStringLiteral("H=60  L1=50  L2=150"));
    click(150, 40);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 150 40 150 100"));
    EXPECT_EQ(mode(), ToolMode::PerpendicularToLine);
    // On the line itself: too short, nothing written, the tool waits.
    click(200, 100);
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Line too short, line not created"));
    EXPECT_EQ(rowsInUse(), 2);
    EXPECT_EQ(mode(), ToolMode::PerpendicularToLine);
}

TEST_F(PerpendicularTools, TypeChecksRefuseOtherRowsAndHiddenLines)
{
    putPoint(2, {5, 5});
    putLine(3, {0, 0}, {50, 0}, QStringLiteral("N"));
    const struct {
        int row;
        const char* item;
        const char* message;
    } cases[] = {
        {2, "mnulineactperpend", "Object you have selected in the grid is not a Line(L)"},
        {3, "mnuMarkpointonline", "Object you have selected in the grid is not a Line(L)"},
        {3, "mnugapinLine", "Object you have selected in the grid is not a Line(L)"},
        {2, "mnupopmirrorpoint", "Object NOT line(L)"},
        {2, "mnopoplineDivN", "Object NOT line(L)"},
        {2, "mnupopMarklinemidpoint", "Object NOT line(L)"},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        run(c.row, c.item);
        EXPECT_EQ(ui.messages, QStringList{QString::fromLatin1(c.message)}) << c.item;
        EXPECT_EQ(mode(), ToolMode::Idle) << c.item;
        EXPECT_EQ(rowsInUse(), 3) << c.item;
    }
}

TEST_F(PerpendicularTools, MarkAndMirrorWriteConstructedPoints)
{
    run(1, "mnuMarkpointonline");
    click(130, 170);
    EXPECT_EQ(shape(2), QStringLiteral("Y P 130 100"));
    EXPECT_EQ(cell(col::point::Shape, 2), QStringLiteral("0"));
    key(Qt::Key_Escape);
    run(1, "mnupopmirrorpoint");
    click(120, 70);
    click(10, 130);
    EXPECT_EQ(shape(3), QStringLiteral("Y P 120 130"));
    EXPECT_EQ(shape(4), QStringLiteral("Y P 10 70"));
    EXPECT_EQ(mode(), ToolMode::MirrorPointToLine);
}

TEST_F(PerpendicularTools, PerpendicularAtLineRunsFromTheFixedFoot)
{
    run(1, "PerpendicularatLine1");
    EXPECT_EQ(ui.messages.size(), 1);
    click(160, 30);
    EXPECT_EQ(clicks(), 1);
    move(400, 180);
    EXPECT_EQ(status(), QStringLiteral("L=80"));
    click(400, 180);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 160 100 160 180"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(PerpendicularTools, PerpendicularBisectorStartsAtTheMidpoint)
{
    run(1, "mnulineacrperbisect");
    move(260, 30);
    EXPECT_EQ(status(), QStringLiteral("Length=70"));
    click(260, 30);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 200 100 200 30"));
    EXPECT_EQ(mode(), ToolMode::Idle);
    // A line of one point has no bisector: a message, nothing written.
    putLine(3, {50, 50}, {50, 50});
    run(3, "mnulineacrperbisect");
    EXPECT_EQ(mode(), ToolMode::Idle);
    EXPECT_EQ(rowsInUse(), 3);
}

} // namespace
} // namespace kel::test
