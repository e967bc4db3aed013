#include "figures/Squares.h"
#include "FigureTestSupport.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <utility>

namespace kel {
namespace {

class SquareTest : public ::testing::Test {
protected:
    test::FakeUi ui;
    Document doc{ui};
    test::FakeCanvas canvas;
};

TEST_F(SquareTest, PreviewShowsTheSquareLeftOfTheSideAndAppendsNothing)
{
    const CanvasPen before{0x010203, 9, PenStyle::Dotted};
    canvas.setPen(before);
    doc.current.penWidth = 6;
    ASSERT_TRUE(PreviewSquareOnSide(doc, canvas, {0, 0}, {100, 0}));
    // B-Q1, Q1-D1, D1-A, above the segment on the screen.
    const std::vector<test::LineRecord> preview{
        {{100, 0}, {100, -100}}, {{100, -100}, {0, -100}}, {{0, -100}, {0, 0}}};
    EXPECT_EQ(test::DrawnLines(canvas), preview);
    EXPECT_EQ(canvas.lines[0].pen.width, 6);
    EXPECT_EQ(test::Show(canvas.pen()), test::Show(before));
    EXPECT_EQ(test::RowsInUse(doc.table), 0);
}

TEST_F(SquareTest, ASideOfNoLengthOrOutsideThePlaneMakesNoSquareAndShortSidesAreRefused)
{
    for (auto [a, b] :
         {std::pair<QPoint, QPoint>{{5, 5}, {5, 5}}, {{INT_MAX, 0}, {INT_MAX, 100}}}) {
        EXPECT_FALSE(PreviewSquareOnSide(doc, canvas, a, b));
        EXPECT_FALSE(SquareOnSide(doc, a, b, SquareSide::Left));
        EXPECT_FALSE(SquareOnSide(doc, a, b, SquareSide::Right));
    }
    EXPECT_TRUE(canvas.lines.empty());
    EXPECT_EQ(test::RowsInUse(doc.table), 0);

    // A side of 2: every new side is 2 long and refused with a message.
    ASSERT_TRUE(SquareOnSide(doc, {10, 10}, {12, 10}, SquareSide::Left));
    EXPECT_EQ(test::RowsInUse(doc.table), 0);
    EXPECT_EQ(ui.messages, QStringList(3, "Line too short, line not created"));
}

TEST_F(SquareTest, RandomSquaresOnASideHaveEqualSquareSides)
{
    std::mt19937 random(12);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    for (int n = 0; n < 500; ++n) {
        const QPoint a(coord(random), coord(random));
        const QPoint b(coord(random), coord(random));
        if (test::Distance(a, b) < 10)
            continue;
        const SquareSide direction = n % 2 == 0 ? SquareSide::Left : SquareSide::Right;
        doc.table.clearObjects();
        ASSERT_TRUE(SquareOnSide(doc, a, b, direction));
        const std::vector<test::LineRecord> rows = test::LineRows(doc.table);
        ASSERT_EQ(rows.size(), 3u);
        const QPoint q = rows[0].from;
        const QPoint d = rows[1].to;
        ASSERT_EQ(rows[0].to, b);
        ASSERT_EQ(rows[2].from, a);
        ASSERT_EQ(rows[2].to, d);
        const double side = test::Distance(a, b);
        ASSERT_NEAR(test::Distance(b, q), side, 1.5);
        ASSERT_NEAR(test::Distance(a, d), side, 1.5);
        ASSERT_NEAR(test::Distance(q, d), side, 1.5);
        ASSERT_NEAR(test::Distance(a, q), side * std::sqrt(2.0), 2.5);
        // Left is left of A to B on the screen: a negative cross product
        // with y pointing down.
        const double cross =
            double(b.x() - a.x()) * (q.y() - a.y()) - double(b.y() - a.y()) * (q.x() - a.x());
        ASSERT_EQ(cross < 0, direction == SquareSide::Left);
    }
}

TEST_F(SquareTest, RandomSquaresOnADiagonalHaveTheirCornersSquare)
{
    std::mt19937 random(13);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    for (int n = 0; n < 500; ++n) {
        const QPoint a(coord(random), coord(random));
        const QPoint b(coord(random), coord(random));
        const double diagonal = test::Distance(a, b);
        if (diagonal < 100)
            continue;
        doc.table.clearObjects();
        ASSERT_TRUE(SquareOnDiagonal(doc, a, b));
        const std::vector<test::LineRecord> rows = test::LineRows(doc.table);
        ASSERT_EQ(rows.size(), 4u);
        for (QPoint c : {rows[0].from, rows[2].from}) {
            ASSERT_NEAR(test::Distance(c, a), diagonal / std::sqrt(2.0), 2);
            ASSERT_NEAR(test::Distance(c, b), diagonal / std::sqrt(2.0), 2);
            ASSERT_NEAR(test::AngleDegrees(c, a, b), 90, 2);
        }
        // The rounded side moves each corner up to sqrt(2) / 2 along the
        // other diagonal, and rounding the corners adds a pixel.
        ASSERT_NEAR(test::Distance(rows[0].from, rows[2].from), diagonal, 3.5);
    }
}

} // namespace
} // namespace kel
