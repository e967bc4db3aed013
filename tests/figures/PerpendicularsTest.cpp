#include "figures/Perpendiculars.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace kel {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
using test::Show;

TEST(PerpendicularFoot, DropsOntoTheInfiniteLineAndTruncates)
{
    EXPECT_EQ(Show(PerpendicularFoot({3, 4}, {0, 0}, {10, 0})), "(3,0) d=4");
    EXPECT_EQ(Show(PerpendicularFoot({50, 10}, {0, 0}, {10, 10})), "(30,30) d=28"); // past the end
    // Feet (0.5, 0.5) and (-0.5, -0.5) truncate towards zero.
    EXPECT_EQ(Show(PerpendicularFoot({0, 1}, {0, 0}, {2, 2})), "(0,0) d=1");
    // Equal ends give the end and its distance.
    EXPECT_EQ(Show(PerpendicularFoot({13, 14}, {10, 10}, {10, 10})), "(10,10) d=5");

    // Three-coordinate products pass 2^31 on a 1700-pixel line; the 32-bit
    // form put this foot at (-177, 500).
    EXPECT_EQ(Show(PerpendicularFoot({1500, 300}, {100, 500}, {1700, 500})), "(1500,500) d=200");
    // A foot outside the plane is no answer.
    EXPECT_FALSE(PerpendicularFoot({kMax, 100}, {kMax - 10, 0}, {kMax, 10}));
}

TEST(PerpendicularFoot, RandomFeetLieOnTheirLinesSquareToThePoint)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> coord(-20000, 20000);
    for (int n = 0; n < 20000; ++n) {
        const QPoint p(coord(random), coord(random));
        const QPoint a(coord(random), coord(random));
        const QPoint b(coord(random), coord(random));
        if (a == b)
            continue;
        const auto f = PerpendicularFoot(p, a, b);
        ASSERT_TRUE(f);
        // Truncation moves each coordinate by less than 1.
        ASSERT_LT(test::DistanceToLine(f->point, a, b), 1.5);
        // Off by the truncation (under sqrt 2) plus the rounding.
        ASSERT_NEAR(f->distance, test::DistanceToLine(p, a, b), 1.92);
    }
}

TEST(MirrorPoint, ReflectsInTheLineOfTheFirstFourSlots)
{
    ConstructionState state;
    state.setPoint(0, {0, 0});
    state.setPoint(1, {10, 0});
    EXPECT_EQ(MirrorPoint({3, 4}, state), QPoint(3, -4));
    // The foot (4.5, 4.5) truncates to (4, 4), so the image lands on (1, 6).
    EXPECT_EQ(MirrorPoint({7, 2}, {0, 0}, {10, 10}), QPoint(1, 6));
    EXPECT_EQ(MirrorPoint({1700, 100}, {100, 500}, {1700, 500}), QPoint(1700, 900));
    EXPECT_FALSE(MirrorPoint({0, kMax}, {0, -kMax}, {1, -kMax}));
}

TEST(PerpendicularPoints, RandomPointsAreSquareAndAtTheLength)
{
    std::mt19937 random(9);
    std::uniform_int_distribution<int> coord(-5000, 5000);
    std::uniform_int_distribution<int> length(0, 3000);
    for (int n = 0; n < 5000; ++n) {
        const QPoint a(coord(random), coord(random));
        const QPoint b(coord(random), coord(random));
        const int len = length(random);
        if (a == b)
            continue;
        const auto q = PerpendicularPoints(a, b, len);
        ASSERT_TRUE(q);
        for (QPoint p : {q->left, q->right}) {
            ASSERT_NEAR(test::Distance(p, b), len, 0.71);
            // On the perpendicular through b.
            const QPoint along(b.x() + (b.y() - a.y()), b.y() - (b.x() - a.x()));
            ASSERT_LT(test::DistanceToLine(p, b, along), 0.71);
        }
        // Left of a -> b on the screen: negative cross product with y down.
        const double cross = static_cast<double>(b.x() - a.x()) * (q->left.y() - a.y()) -
                             static_cast<double>(b.y() - a.y()) * (q->left.x() - a.x());
        if (len > 2) {
            ASSERT_LT(cross, 0);
        }
    }

    EXPECT_EQ(Show(PerpendicularPoints({0, 0}, {10, 0}, 5)), "(10,-5) (10,5)");
    EXPECT_FALSE(PerpendicularPoints({4, 4}, {4, 4}, 10));
    EXPECT_EQ(PerpendicularPoints({0, 0}, {kMax, 0}, 10)->left, QPoint(kMax, -10));
    EXPECT_FALSE(PerpendicularPoints({0, kMax}, {10, kMax}, 10)); // Q2 below the plane
}

} // namespace
} // namespace kel
