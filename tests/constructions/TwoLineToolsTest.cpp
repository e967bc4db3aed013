// Constructions on two lines found by the pointer, and the struck line
// from a point.

#include "ConstructionFixture.h"

namespace kel::test {
namespace {

class TwoLineTools : public Constructions {
protected:
    TwoLineTools()
    {
        putLine(1, {100, 300}, {400, 300});
        putLine(2, {100, 300}, {100, 0});
    }
};

TEST_F(TwoLineTools, AngleBisectorRefusesTheSameLineTwice)
{
    editor.runMenuItem(QStringLiteral("mnuanglebisect"));
    click(300, 305);
    click(300, 305);
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Identical lines not allowed"));
    EXPECT_EQ(clicks(), 1);
    click(95, 150);
    EXPECT_EQ(clicks(), 2);
    move(200, 180);
    EXPECT_EQ(status(), QStringLiteral("Length=156"));
    click(200, 180);
    EXPECT_EQ(shape(3), QStringLiteral("Y L 100 300 210 190"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(TwoLineTools, AngleBisectorOfParallelLinesEndsWithoutARow)
{
    putLine(2, {100, 200}, {400, 200});
    editor.runMenuItem(QStringLiteral("mnuanglebisect"));
    click(300, 305);
    click(300, 195);
    click(250, 250);
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Error 2 lines are parallel"));
    EXPECT_EQ(mode(), ToolMode::Idle);
    EXPECT_EQ(rowsInUse(), 2);
}

TEST_F(TwoLineTools, PerpendicularsToTwoLinesMarkTheRightAngle)
{
    editor.runMenuItem(QStringLiteral("mnuPerpendto2lines"));
    click(300, 305);
    click(95, 150);
    click(120, 280);
    EXPECT_EQ(shape(3), QStringLiteral("Y L 120 280 120 300"));
    EXPECT_EQ(shape(4), QStringLiteral("Y L 120 280 100 280"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(TwoLineTools, CommandsNeedAVisibleLine)
{
    editor.doc.table.setCell(col::State, 1, QStringLiteral("N"));
    editor.doc.table.setCell(col::State, 2, QStringLiteral("N"));
    for (const char* item : {"mnuPerpendto2lines", "mnuArc2markAng"}) {
        ui.messages.clear();
        editor.runMenuItem(QString::fromLatin1(item));
        EXPECT_EQ(ui.messages, QStringList{QStringLiteral("No Line exists yet")}) << item;
        EXPECT_EQ(mode(), ToolMode::Idle) << item;
    }
}

TEST_F(TwoLineTools, MarkAngleWithArcRepeatsFromTheThirdClick)
{
    editor.runMenuItem(QStringLiteral("mnuArc2markAng"));
    click(300, 305);
    click(95, 150);
    move(150, 250);
    EXPECT_EQ(status(), QStringLiteral("R=71"));
    click(150, 250);
    click(130, 270);
    EXPECT_EQ(clicks(), 2);
    EXPECT_EQ(rowsInUse(), 4);
    EXPECT_EQ(cell(col::Type, 3), KindText(RecordKind::Arc));
    // The arc fitted through the three points is centred on the crossing.
    EXPECT_NEAR(cell(col::arc::CentreX, 3).toInt(), 100, 1);
    EXPECT_NEAR(cell(col::arc::CentreY, 3).toInt(), 300, 1);
    EXPECT_NEAR(cell(col::arc::Radius, 3).toInt(), 71, 1);
}

TEST_F(TwoLineTools, StruckAngledLineNeedsAValidAngleAndDistance)
{
    putPoint(3, {200, 100});
    const struct {
        const char* answer;
        bool starts;
    } cases[] = {{"4", false}, {"91", false}, {"45x", false}, {"", false}, {"30", true}};
    for (const auto& c : cases) {
        ui.inputAnswers.push_back(QString::fromLatin1(c.answer));
        run(3, "mnuAngledline");
        EXPECT_EQ(mode() == ToolMode::StruckAngledLine, c.starts) << c.answer;
        EXPECT_EQ(ui.messages.last() == QStringLiteral("Invalid angle"), !c.starts) << c.answer;
    }
    // Line 1 is 200 away: the end is 400 away from the point, 346 along.
    click(300, 305);
    move(600, 320);
    EXPECT_EQ(status(), QStringLiteral("L=400"));
    click(600, 320);
    EXPECT_EQ(shape(4), QStringLiteral("Y L 200 100 546 300"));
}

} // namespace
} // namespace kel::test
