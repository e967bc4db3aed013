#include "figures/Intersections.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace kel {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
using test::Show;

TEST(IntersectLines, CrossesInfiniteLinesOfEveryDirection)
{
    EXPECT_EQ(IntersectLines({0, 0}, {10, 10}, {0, 10}, {10, 0}), QPoint(5, 5));
    // Beyond both segments: the lines are infinite.
    EXPECT_EQ(IntersectLines({0, 0}, {1, 1}, {100, 0}, {101, -1}), QPoint(50, 50));
    EXPECT_EQ(IntersectLines({30, 0}, {30, 5}, {0, 0}, {10, 20}), QPoint(30, 60)); // A vertical
    // 100.5 rounds to the even 100.
    EXPECT_EQ(IntersectLines({100, 0}, {101, 1000}, {0, 500}, {1000, 500}), QPoint(100, 500));

    EXPECT_FALSE(IntersectLines({0, 0}, {10, 5}, {0, 1}, {20, 11}));
    EXPECT_FALSE(IntersectLines({4, 4}, {4, 4}, {0, 0}, {10, 3})); // a point is no line
    // Nearly parallel: the crossing lies far outside the plane.
    EXPECT_FALSE(IntersectLines({0, 0}, {100000, 1}, {0, 1}, {100001, 2}));
}

TEST(IntersectLineCircle, OrdersThePointsByTheLinesDirection)
{
    // Vertical: the upper point first; horizontal: the left one.
    EXPECT_EQ(Show(IntersectLineCircle({0, 0}, 50, {30, -100}, {30, 100})), "(30,-40) (30,40)");
    EXPECT_EQ(Show(IntersectLineCircle({100, 100}, 50, {0, 130}, {10, 130})), "(60,130) (140,130)");
    // Sloped: the larger x first, whatever the order of the line's points.
    EXPECT_EQ(Show(IntersectLineCircle({0, 0}, 50, {-10, 10}, {10, -10})), "(35,-35) (-35,35)");
    EXPECT_EQ(Show(IntersectLineCircle({0, 0}, 50, {10, -10}, {-10, 10})), "(35,-35) (-35,35)");
    // A tangent touches twice; a miss answers no.
    EXPECT_EQ(Show(IntersectLineCircle({0, 0}, 50, {50, 0}, {50, 9})), "(50,0) (50,0)");
    EXPECT_EQ(Show(IntersectLineCircle({0, 0}, 50, {51, 0}, {51, 9})), "none");
    // r^2 and the offset squared pass 2^31 without wrapping; points outside
    // the plane are no answer.
    EXPECT_EQ(Show(IntersectLineCircle({0, 0}, 100000, {60000, 0}, {60000, 1})),
              "(60000,-80000) (60000,80000)");
    EXPECT_FALSE(IntersectLineCircle({0, kMax - 5}, 100, {0, 0}, {0, 1}));
}

TEST(IntersectCircles, TheWorkedExampleAndTheOrderOfThePoints)
{
    EXPECT_EQ(Show(IntersectCircles({0, 0}, 50, {60, 0}, 50)), "(30,40) (30,-40)");
    // Centres one above the other: the right point first.
    EXPECT_EQ(Show(IntersectCircles({0, 0}, 50, {0, 60}, 50)), "(40,30) (-40,30)");
    // Nearly horizontal chord (centres 1 apart in x): the left point first.
    const auto h = IntersectCircles({500, 100}, 100, {501, 250}, 100);
    ASSERT_TRUE(h);
    EXPECT_LT(h->first.x(), h->second.x());
    // Equal centres, a radius of 0, circles apart or one inside the other.
    EXPECT_FALSE(IntersectCircles({5, 5}, 10, {5, 5}, 20));
    EXPECT_FALSE(IntersectCircles({0, 0}, 0, {10, 0}, 10));
    EXPECT_FALSE(IntersectCircles({0, 0}, 10, {100, 0}, 10));

    for (int d : {99, 101}) {
        const auto p = IntersectCircles({0, 0}, 60, {d, 0}, 40);
        ASSERT_TRUE(p) << d;
        EXPECT_EQ(p->first, p->second) << d;
        EXPECT_EQ(p->first.y(), 0) << d;
        EXPECT_NEAR(p->first.x(), 60, 1) << d;
    }
    EXPECT_FALSE(IntersectCircles({0, 0}, 60, {102, 0}, 40));
    // Diagonal centres: the foot lies on the centre line.
    EXPECT_EQ(Show(IntersectCircles({0, 0}, 50, {60, 80}, 50)), "(30,40) (30,40)");

    // Centres a few pixels apart in x (the rounded chord put these hundreds of
    // pixels off), and equal radii at an odd distance (the foot left the centres).
    struct Case {
        QPoint c1;
        int r1;
        QPoint c2;
        int r2;
    };
    for (const Case& c :
         {Case{{671, 567}, 362, {670, 953}, 31}, Case{{1000, 1000}, 10, {1007, 1000}, 10}}) {
        const auto p = IntersectCircles(c.c1, c.r1, c.c2, c.r2);
        ASSERT_TRUE(p) << c.r1;
        EXPECT_GE(p->first.x(), p->second.x());
        for (QPoint q : {p->first, p->second}) {
            EXPECT_LE(std::abs(test::Distance(q, c.c1) - c.r1), 1.5) << c.r1;
            EXPECT_LE(std::abs(test::Distance(q, c.c2) - c.r2), 1.5) << c.r1;
        }
    }
}

TEST(IntersectCircles, RandomCirclesMeetOnBothOutlines)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    std::uniform_int_distribution<int> radius(1, 2500);
    int checked = 0;
    for (int n = 0; n < 20000; ++n) {
        const QPoint c1(coord(random), coord(random));
        const QPoint c2(c1.x() + coord(random) / (n % 3 == 0 ? 300 : 1), coord(random));
        const int r1 = radius(random);
        const int r2 = radius(random);
        const double d = test::Distance(c1, c2);
        const auto p = IntersectCircles(c1, r1, c2, r2);
        // Circles clearly meeting (not within the touching band) must be found.
        const bool meet = d < r1 + r2 - 2 && d > std::abs(r1 - r2) + 2;
        SCOPED_TRACE(testing::Message() << c1.x() << "," << c1.y() << " " << r1 << " " << c2.x()
                                        << "," << c2.y() << " " << r2);
        if (meet) {
            ASSERT_TRUE(p);
        }
        if (!p || std::abs(r1 + r2 - d) < 2.5)
            continue;
        for (QPoint q : {p->first, p->second}) {
            ASSERT_LE(std::abs(test::Distance(q, c1) - r1), 1.5);
            ASSERT_LE(std::abs(test::Distance(q, c2) - r2), 1.5);
        }
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

TEST(IntersectLineCircle, RandomCutsLieOnTheLineAndTheCircle)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    std::uniform_int_distribution<int> radius(1, 3000);
    int checked = 0;
    for (int n = 0; n < 20000; ++n) {
        const QPoint c(coord(random), coord(random));
        const int r = radius(random);
        const QPoint l1(coord(random), coord(random));
        const QPoint l2 = n % 4 == 0 ? QPoint(l1.x() + coord(random) / 1000, coord(random))
                                     : QPoint(coord(random), coord(random));
        if (l1 == l2)
            continue;
        const double gap = test::DistanceToLine(c, l1, l2);
        const auto p = IntersectLineCircle(c, r, l1, l2);
        if (gap < r - 1) {
            ASSERT_TRUE(p);
        }
        if (!p)
            continue;
        for (QPoint q : {p->first, p->second}) {
            ASSERT_LE(test::DistanceToLine(q, l1, l2), 1.5);
            ASSERT_LE(std::abs(test::Distance(q, c) - r), 1.5);
        }
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

} // namespace
} // namespace kel
