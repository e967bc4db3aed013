#include "figures/CircleMarks.h"
#include "FigureTestSupport.h"
#include "figures/GridPoints.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kel {
namespace {

TEST(ArcAngles, SpanMidpointAndMirrorReduceAnyStoredAngle)
{
    struct Case {
        std::int64_t a1, a2;
        int span, mid, mirrored1, mirrored2;
    };
    const Case cases[] = {
        {350, 10, 20, 0, 170, 190},   // across 0
        {90, 90, 360, 270, 270, 270}, // equal angles: the whole circle
        {200, 300, 100, 250, 20, 120},
        {0, 400, 40, 20, 180, 220},  // beyond 359 (looped forever before)
        {-30, 60, 90, 15, 150, 240}, // negative
        {-1'000'000'000'000, 5, 285, 222, 260, 185},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a1 << " " << c.a2);
        EXPECT_EQ(ArcSpan(c.a1, c.a2), c.span);
        EXPECT_EQ(ArcMidAngle(c.a1, c.a2), c.mid);
        const AnglePair m = MirroredArcAngles(c.a1, c.a2);
        EXPECT_EQ(m.first, c.mirrored1);
        EXPECT_EQ(m.second, c.mirrored2);
    }

    EXPECT_EQ(ArcInfoHeight(100, 0, 90), 71);   // round(100 cos 45)
    EXPECT_EQ(ArcInfoHeight(100, 0, 270), 171); // span above 180
    EXPECT_EQ(ArcInfoHeight(100, 0, 180), 100); // H = 0 < 3
}

TEST(EqualPointsOnCircle, CountsTwoTo360CounterClockwiseFromTheOffset)
{
    const auto four = EqualPointsOnCircle({100, 100}, 50, 4, 0);
    ASSERT_TRUE(four);
    EXPECT_EQ(*four, (std::vector<QPoint>{{150, 100}, {100, 50}, {50, 100}, {100, 150}}));
    const auto offset = EqualPointsOnCircle({0, 0}, 10, 2, 90);
    ASSERT_TRUE(offset);
    EXPECT_EQ(*offset, (std::vector<QPoint>{{0, -10}, {0, 10}}));
    EXPECT_EQ(EqualPointsOnCircle({0, 0}, 10, 360, 0)->size(), 360u);
    for (const int n : {1, 361, 100000})
        EXPECT_FALSE(EqualPointsOnCircle({0, 0}, 10, n, 0)) << n;
    EXPECT_FALSE(EqualPointsOnCircle({0, 0}, 10, 3, std::numeric_limits<double>::infinity()));
}

TEST(GridPoints, CrossIndexIsArithmeticAndTypedPointsAreChecked)
{
    const GridFrame grid{{100, 300}, 5, 20};
    const auto index = GridCrossIndex(grid, {160, 260});
    ASSERT_TRUE(index);
    EXPECT_EQ(index->i, 3);
    EXPECT_EQ(index->j, 2);
    for (const QPoint off : {QPoint(161, 260), QPoint(220, 300), QPoint(80, 300)})
        EXPECT_FALSE(GridCrossIndex(grid, off)) << off.x();
    EXPECT_FALSE(GridCrossIndex({{0, 0}, 5, 0}, {0, 0}));
    EXPECT_FALSE(GridCrossIndex({{0, 0}, 5, -20}, {0, 0}));
    // A hand-edited huge grid answers at once.
    EXPECT_TRUE(GridCrossIndex({{0, 0}, 2'000'000'000, 1}, {1'999'999'999, -5}));

    EXPECT_EQ(GridMarkPoint({100, 300}, 20, 1.5, 2), QPoint(130, 260));
    EXPECT_FALSE(GridMarkPoint({0, 0}, 20, std::nan(""), 0));
    EXPECT_FALSE(GridMarkPoint({0, 0}, 20, std::numeric_limits<double>::infinity(), 0));
    EXPECT_FALSE(GridMarkPoint({0, 0}, 20, 1e300, 0));
    EXPECT_FALSE(GridMarkPoint({2'000'000'000, 0}, 1000, 1e6, 0));
}

} // namespace
} // namespace kel
