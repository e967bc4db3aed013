// Parallels, adjusted lengths, appended angles and marked distances.

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
    move(150, 60);
    EXPECT_EQ(status(), QStringLiteral("H=40"));
    click(150, 60);
    click(120, 70);
    move(260, 50);
    EXPECT_EQ(status(), QStringLiteral("Len=140"));
    click(260, 50);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 260 60 120 60"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(AngleTools, ParallelOfALineOfOnePointIsRefused)
{
    putLine(2, {50, 50}, {50, 50});
    run(2, "mnupoplinarbitlin");
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
    EXPECT_EQ(clicks(), 1);
    click(302, 150);
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Line length can't be less than 4, try again"));
    EXPECT_EQ(clicks(), 1);
    click(420, 130);
    EXPECT_EQ(shape(1), QStringLiteral("Y L 300 100 420 100"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(AngleTools, AppendAngleVarMeasuresFromTheFarEnd)
{
    run(1, "mnuAngletoendpoint");
    move(150, 130);
    EXPECT_EQ(status(), QStringLiteral("L1=50  L2=150"));
    click(150, 130);
    move(150, 20);
    EXPECT_EQ(status(), QStringLiteral("Angle =90"));
    click(150, 20);
    click(190, 40);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 150 100 150 40"));
}

TEST_F(AngleTools, AppendAngleFixedFollowsThePointerAndRefusesTheErrorState)
{
    run(1, "mnuapangFix");
    click(200, 120);
    // Out of range: "Error", and a click commits nothing and is not counted.
    ui.setControlText(Control::edtvar1, QStringLiteral("179"));
    ui.setControlText(Control::edtvar2, QStringLiteral("50"));
    move(300, 200);
    EXPECT_EQ(ui.controlText(Control::Label29), QStringLiteral("Error"));
    click(300, 200);
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(rowsInUse(), 1);
    ui.setControlText(Control::edtvar1, QStringLiteral("60"));
    move(300, 200);
    EXPECT_EQ(ui.controlText(Control::Label29), QStringLiteral("Ok"));
    click(300, 200);
    EXPECT_EQ(shape(2), QStringLiteral("Y L 200 100 225 143"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

// A start click, then the end with the length shown on the way there.
TEST_F(AngleTools, StartAndEndClicksShowTheLengthAndWriteTheLine)
{
    const struct {
        const char* command;
        QPoint start;
        QPoint end;
        const char* length;
        const char* written;
        ToolMode after;
    } cases[] = {
        // The arbitrary parallel starts at the first click.
        {"mnupoplinarbitlin",
         {150, 60},
         {230, 10},
         "Length=80",
         "Y L 150 60 230 60",
         ToolMode::Idle},
        // The vertical distance runs along the perpendicular at the foot
        // and waits for the next one.
        {"mnumarkvert",
         {120, 90},
         {170, 30},
         "h=70",
         "Y L 120 100 120 30",
         ToolMode::MarkVerticalDistance},
    };
    for (const auto& c : cases) {
        run(1, c.command);
        click(c.start.x(), c.start.y());
        move(c.end.x(), c.end.y());
        EXPECT_EQ(status(), QString::fromLatin1(c.length)) << c.command;
        click(c.end.x(), c.end.y());
        EXPECT_EQ(shape(rowsInUse()), QString::fromLatin1(c.written)) << c.command;
        EXPECT_EQ(mode(), c.after) << c.command;
        EXPECT_EQ(clicks(), 0) << c.command;
    }
}

TEST_F(AngleTools, MarkFixedDistanceReadsAWholeDistance)
{
    const struct {
        const char* answer;
        bool starts;
    } cases[] = {{"3", false},     {"x", false},   {"", false},
                 {"12345", false}, {"1e2", false}, {"40", true}};
    for (const auto& c : cases) {
        ui.messages.clear();
        ui.inputAnswers.push_back(QString::fromLatin1(c.answer));
        run(1, "mnumarkfixeddist");
        EXPECT_EQ(mode() == ToolMode::MarkFixedDistance, c.starts) << c.answer;
        EXPECT_EQ(ui.messages.contains(QStringLiteral("Invalid number range")), !c.starts)
            << c.answer;
    }
    click(280, 150);
    EXPECT_EQ(shape(2), QStringLiteral("Y P 260 100"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

} // namespace
} // namespace kel::test
