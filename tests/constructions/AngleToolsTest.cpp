#include "ConstructionFixture.h"

namespace kel::test {
namespace {

class AngleTools : public Constructions {
protected:
    AngleTools() { putLine(1, {100, 100}, {300, 100}); }
};

TEST_F(AngleTools, ALineOfOnePointHasNoParallel)
{
    putLine(2, {50, 50}, {50, 50});
    run(2, "mnupoplinarbitlin");
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Line too short, parallel line not created"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(AngleTools, AdjustLengthRefusesShortLines)
{
    run(1, "mnuAdjustLen");
    click(290, 110);
    click(302, 150);
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Line length can't be less than 4, try again"));
    EXPECT_EQ(clicks(), 1);
    click(420, 130);
    EXPECT_EQ(shape(1), QStringLiteral("Y L 300 100 420 100"));
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
