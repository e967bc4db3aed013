#include "figures/BisectorPreview.h"
#include "FigureTestSupport.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel {
namespace {

class BisectorPreviewTest : public ::testing::Test {
protected:
    void setLines(QPoint a1, QPoint a2, QPoint b1, QPoint b2)
    {
        state.setPoint(0, a1);
        state.setPoint(1, a2);
        state.setPoint(2, b1);
        state.setPoint(3, b2);
    }

    test::FakeUi ui;
    Document doc{ui};
    ConstructionState state;
    test::FakeCanvas canvas;
};

TEST_F(BisectorPreviewTest, ParallelLinesAndFarCrossingsAnswerNoAndDrawNothing)
{
    setLines({0, 0}, {100, 0}, {0, 50}, {100, 50});
    state.slot[8] = 123;
    EXPECT_FALSE(BisectorPreview(doc, state, canvas, {50, 20}));
    EXPECT_TRUE(canvas.lines.empty());
    EXPECT_EQ(state.slot[8], 123);
    // Far crossings answer no only when both coordinates are far.
    setLines({0, 0}, {1, 1}, {0, 10}, {1000, 1009}); // they cross at (10000, 10000)
    EXPECT_FALSE(BisectorPreview(doc, state, canvas, {0, 0}));
    EXPECT_TRUE(canvas.lines.empty());
    setLines({6000, 0}, {6000, 100}, {0, 50}, {100, 50}); // (6000, 50)
    EXPECT_TRUE(BisectorPreview(doc, state, canvas, {5900, 60}));
}

TEST_F(BisectorPreviewTest, DrawsToTheFootOnTheNearerBisector)
{
    // y = 100 and x = 100: the bisectors are the diagonals through (100, 100).
    setLines({0, 100}, {300, 100}, {100, 0}, {100, 300});
    doc.current.penColour = 0x00FF00;
    canvas.setPen({0x111111, 5, PenStyle::Solid});
    const QPoint pointer(200, 160);
    const std::optional<BisectorPoints> bisector = BisectorPreview(doc, state, canvas, pointer);
    ASSERT_TRUE(bisector);
    EXPECT_EQ(state.point(4), bisector->vertex);
    EXPECT_EQ(bisector->vertex, QPoint(100, 100));
    const QPoint foot = state.point(5);
    // The pointer is nearer the falling diagonal y - 100 = x - 100.
    EXPECT_LE(std::abs((foot.y() - 100) - (foot.x() - 100)), 2);
    EXPECT_NEAR(foot.x(), 180, 2);
    const std::vector<test::LineRecord> drawn{{{100, 100}, foot}, {pointer, foot}};
    EXPECT_EQ(test::DrawnLines(canvas), drawn);
    EXPECT_EQ(test::Show(canvas.lines[0].pen), "ff00 1 solid");
    EXPECT_EQ(canvas.lines[1].pen.style, PenStyle::Dotted);
    EXPECT_EQ(test::Show(canvas.pen()), "111111 5 solid");
    EXPECT_EQ(bisector->length, std::lround(test::Distance({100, 100}, foot)));

    // On the other side the rising diagonal is nearer.
    canvas.lines.clear();
    ASSERT_TRUE(BisectorPreview(doc, state, canvas, {40, 170}));
    const QPoint other = state.point(5);
    EXPECT_LE(std::abs((other.y() - 100) + (other.x() - 100)), 2);
}

} // namespace
} // namespace kel
