#include "ConstructionFixture.h"

namespace kel::test {
namespace {

using LineCommands = Constructions;

TEST_F(LineCommands, MidPointAndMeasure)
{
    putLine(1, {-3, 0}, {0, 0});
    run(1, "mnupopMarklinemidpoint");
    EXPECT_EQ(shape(2), QStringLiteral("Y P -1 0"));
    // A line rising at 30 degrees, drawn from its right end: 210 reads 30.
    putLine(3, {173, 0}, {0, 100});
    run(3, "mnulineactmesure");
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Length of line is=200   Horizontal Angle=30"));
}

TEST_F(LineCommands, DivideIntoNTakesOnlyAWholeCountInRange)
{
    putLine(1, {0, 0}, {90, 30});
    const std::pair<const char*, int> cases[] = {{"3", 2},  {" 99 ", 98},      {"1", 0}, {"100", 0},
                                                 {"2x", 0}, {"4294967299", 0}, {"-3", 0}};
    for (const auto& [answer, newPoints] : cases) {
        const int before = rowsInUse();
        ui.inputAnswers.push_back(QString::fromLatin1(answer));
        run(1, "mnopoplineDivN");
        EXPECT_EQ(rowsInUse() - before, newPoints) << answer;
        EXPECT_TRUE(ui.messages.isEmpty()) << answer;
    }
    // The first answer, 3: from the (x2, y2) end toward (x1, y1).
    EXPECT_EQ(shape(2), QStringLiteral("Y P 60 20"));
    EXPECT_EQ(shape(3), QStringLiteral("Y P 30 10"));
}

TEST_F(LineCommands, GapInMiddleOnTheLastRowLeavesTheNextHiddenRowHidden)
{
    putLine(1, {0, 0}, {10, 10});
    putLine(2, {0, 100}, {100, 100});
    putLine(3, {5, 5}, {50, 5}, QStringLiteral("N"));
    run(2, "mnugapinLine");
    click(20, 100);
    ASSERT_EQ(mode(), ToolMode::Idle);
    // Row 2 is gone; the hidden line moved up into it and stays hidden.
    EXPECT_EQ(shape(2), QStringLiteral("N L 5 5 50 5"));
    EXPECT_EQ(shape(3), QStringLiteral("Y L 80 100 100 100"));
    EXPECT_EQ(shape(4), QStringLiteral("Y L 20 100 0 100"));
    EXPECT_EQ(rowsInUse(), 4);
    key(Qt::Key_Escape);
    EXPECT_EQ(cell(col::State, 2), QStringLiteral("N"));
}

} // namespace
} // namespace kel::test
