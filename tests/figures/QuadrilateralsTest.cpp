// Corners of parallelograms and rectangles on a line, the sides of point
// lists, and the sign of a restyled size.

#include "figures/Quadrilaterals.h"
#include "figures/ObjectStyles.h"

#include <gtest/gtest.h>

#include <limits>

namespace kel {
namespace {

TEST(Quadrilaterals, ParallelogramCornersAndRectangleOnThePointersSide)
{
    EXPECT_EQ(ParallelogramOnSide({0, 0}, {100, 0}, {30, -40}), QPoint(130, -40));
    // The midpoint is truncated toward zero before it is doubled.
    EXPECT_EQ(ParallelogramOnDiagonal({-3, 0}, {0, 5}, {10, 10}), QPoint(-12, -6));
    // On the diagonal's midpoint the corner meets itself.
    EXPECT_EQ(ParallelogramOnDiagonal({0, 0}, {100, 50}, {50, 25}), QPoint(50, 25));
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_FALSE(ParallelogramOnSide({0, 0}, {kMax, 0}, {10, 0}));

    const auto above = RectangleOnSide({0, 0}, {100, 0}, 30, {50, -5});
    ASSERT_TRUE(above);
    EXPECT_EQ(above->nextToA, QPoint(0, -30));
    EXPECT_EQ(above->nextToB, QPoint(100, -30));
    const auto below = RectangleOnSide({0, 0}, {100, 0}, 30, {50, 5});
    ASSERT_TRUE(below);
    EXPECT_EQ(below->nextToA, QPoint(0, 30));
    EXPECT_EQ(below->nextToB, QPoint(100, 30));
    EXPECT_FALSE(RectangleOnSide({7, 7}, {7, 7}, 30, {0, 0}));
}

TEST(Quadrilaterals, PolySides)
{
    const std::vector<int> square = {0, 0, 100, 0, 100, 100, 0, 100};
    EXPECT_EQ(PolySides(square, false).size(), 3u);
    const std::vector<Side> closed = PolySides(square, true);
    ASSERT_EQ(closed.size(), 4u);
    EXPECT_EQ(closed.back().from, QPoint(0, 100));
    EXPECT_EQ(closed.back().to, QPoint(0, 0));
    // A polygon whose last vertex lies nearer the second than the first is
    // still closed by its last side, never by the diagonal S-L.
    const std::vector<Side> triangle = PolySides(std::vector<int>{0, 0, 100, 0, 90, 50}, true);
    ASSERT_EQ(triangle.size(), 3u);
    EXPECT_EQ(triangle.back().from, QPoint(90, 50));
    EXPECT_EQ(triangle.back().to, QPoint(0, 0));
    // A list that already ends where it began gets no second closing side;
    // an odd number at the end is no vertex.
    EXPECT_EQ(PolySides(std::vector<int>{0, 0, 10, 0, 10, 10, 0, 0, 7}, true).size(), 3u);
}

TEST(ObjectStyles, FilledSizeNeverStacksSigns)
{
    EXPECT_EQ(FilledSize(40, true), -40);
    EXPECT_EQ(FilledSize(-40, true), -40);
    EXPECT_EQ(FilledSize(-40, false), 40);
    EXPECT_EQ(FilledSize(std::numeric_limits<int>::min(), false), 2147483648LL);
    EXPECT_EQ(TextStyleCode(true, true), 3);
    EXPECT_EQ(TextStyleCode(false, true), 2);
}

} // namespace
} // namespace kel
