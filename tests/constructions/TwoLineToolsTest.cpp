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

TEST_F(TwoLineTools, CommandsNeedAVisibleLine)
{
    editor.doc.table.setCell(col::State, 1, QStringLiteral("N"));
    editor.doc.table.setCell(col::State, 2, QStringLiteral("N"));
    editor.runMenuItem(QStringLiteral("mnuPerpendto2lines"));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("No Line exists yet")});
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(TwoLineTools, StruckAngledLineNeedsAValidAngle)
{
    putPoint(3, {200, 100});
    for (const char* refused : {"4", "91", "45x"}) {
        ui.inputAnswers.push_back(QString::fromLatin1(refused));
        run(3, "mnuAngledline");
        EXPECT_EQ(mode(), ToolMode::Idle) << refused;
        EXPECT_EQ(ui.messages.last(), QStringLiteral("Invalid angle")) << refused;
    }
    ui.inputAnswers.push_back(QStringLiteral("30"));
    run(3, "mnuAngledline");
    // Line 1 is 200 away: the end is 400 away from the point, 346 along.
    click(300, 305);
    click(600, 320);
    EXPECT_EQ(shape(4), QStringLiteral("Y L 200 100 546 300"));
}

} // namespace
} // namespace kel::test
