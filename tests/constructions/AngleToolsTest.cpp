#include "ConstructionFixture.h"

namespace kel::test {
namespace {

class AngleTools : public Constructions {
protected:
    AngleTools() { putLine(1, {100, 100}, {300, 100}); }
};

TEST_F(AngleTools, ParallelLineTakesItsEndsOnTheGuide)
{
    run(1, "mnuParallelLine");
    click(150, 60);
    click(120, 70);
    move(260, 50);
    EXPECT_EQ(status(), QStringLiteral("Len=140"));
    click(260, 50);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 260 60 120 60"));
    // A line of one point has no parallel.
    putLine(3, {50, 50}, {50, 50});
    run(3, "mnupoplinarbitlin");
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Line too short, parallel line not created"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(AngleTools, AdjustLengthKeepsTheNearEndAndRefusesShortLines)
{
    run(1, "mnuAdjustLen");
    click(200, 300);
    EXPECT_EQ(ui.messages.last(),
              QStringLiteral("You must click closer to the desired fixed point"));
    EXPECT_EQ(clicks(), 0);
    click(290, 110);
    click(302, 150);
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Line length can't be less than 4, try again"));
    EXPECT_EQ(clicks(), 1);
    click(420, 130);
    EXPECT_EQ(shape(1), QStringLiteral("Y L 300 100 420 100"));
}

TEST_F(AngleTools, AppendAngleFixedRefusesTheErrorState)
{
    run(1, "mnuapangFix");
    click(200, 120);
    ui.setControlText(Control::edtvar1, QStringLiteral("179"));
    ui.setControlText(Control::edtvar2, QStringLiteral("50"));
    move(300, 200);
    EXPECT_EQ(ui.controlText(Control::Label29), QStringLiteral("Error"));
    click(300, 200);
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(rowsInUse(), 1);
    ui.setControlText(Control::edtvar1, QStringLiteral("60"));
    move(300, 200);
    click(300, 200);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 200 100 225 143"));
}

TEST_F(AngleTools, MarkFixedDistanceReadsAWholeDistance)
{
    for (const char* refused : {"3", "x", "12345", "1e2"}) {
        ui.messages.clear();
        ui.inputAnswers.push_back(QString::fromLatin1(refused));
        run(1, "mnumarkfixeddist");
        EXPECT_EQ(mode(), ToolMode::Idle) << refused;
        EXPECT_TRUE(ui.messages.contains(QStringLiteral("Invalid number range"))) << refused;
    }
    ui.inputAnswers.push_back(QStringLiteral("40"));
    run(1, "mnumarkfixeddist");
    click(280, 150);
    EXPECT_EQ(shape(2), QStringLiteral("Y P 260 100"));
}

} // namespace
} // namespace kel::test
