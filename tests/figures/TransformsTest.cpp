#include "figures/Transforms.h"
#include "FigureTestSupport.h"
#include "figures/Equations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <utility>

namespace kel {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();

TEST(RotatePoint, TurnsClockwiseOnTheScreenAndScaleAboutTruncatesTowardsZero)
{
    EXPECT_EQ(RotatePoint({10, 0}, {0, 0}, 90), QPoint(0, 10)); // below: clockwise
    EXPECT_EQ(RotatePoint({110, 50}, {100, 50}, -90), QPoint(100, 40));
    EXPECT_EQ(RotatePoint({100, 0}, {0, 0}, 45), QPoint(71, 71));

    // Fails instead of leaving the plane.
    EXPECT_FALSE(RotatePoint({kMax, 0}, {-kMax, 0}, 90));
    EXPECT_EQ(RotatePoint({kMax, 0}, {kMax - 10, 0}, 180), QPoint(kMax - 20, 0));

    EXPECT_EQ(ScaleAbout({15, 20}, {10, 10}, {10, 10}, 150), QPoint(17, 25)); // 7.5 -> 7
    EXPECT_EQ(ScaleAbout({5, 0}, {10, 10}, {10, 10}, 150), QPoint(3, -5));    // -7.5 -> -7
    EXPECT_EQ(ScaleAbout({30, 40}, {10, 10}, {100, 200}, 100), QPoint(120, 230));
    EXPECT_EQ(ScaleAbout({30, 40}, {10, 10}, {10, 10}, -50), QPoint(0, -5));

    // 2000 * 2000000 passes 2^31; the 32-bit product would wrap negative.
    EXPECT_EQ(ScaleAbout({2000, 0}, {0, 0}, {0, 0}, 2000000), QPoint(40000000, 0));
    EXPECT_FALSE(ScaleAbout({2000, 0}, {0, 0}, {0, 0}, 200000000)); // 4e9 is off the plane
    EXPECT_FALSE(ScaleAbout({kMax, 0}, {-kMax, 0}, {0, 0}, kMax));
}

TEST(RotateAboutRadians, AgreesWithADoubleReference)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coord(-5000, 5000);
    std::uniform_real_distribution<double> angle(-10.0, 10.0);
    for (int n = 0; n < 500; ++n) {
        const QPoint p(coord(random), coord(random));
        const QPoint c(coord(random), coord(random));
        const double t = angle(random);
        const std::optional<QPoint> q = RotateAboutRadians(p, c, t);
        ASSERT_TRUE(q);
        const double u = p.x() - c.x();
        const double v = p.y() - c.y();
        EXPECT_LE(test::Distance(q->x(), q->y(), c.x() + u * std::cos(t) - v * std::sin(t),
                                 c.y() + u * std::sin(t) + v * std::cos(t)),
                  0.71);
        // Distance to the centre kept within rounding.
        EXPECT_NEAR(test::Distance(*q, c), test::Distance(p, c), 0.71);
    }
}

TEST(SolveQuadratic, GivesBothRootsLargerFirstForPositiveAAndNoOtherwise)
{
    const auto roots = [](double a, double b, double c) {
        const std::optional<QuadraticRoots> r = SolveQuadratic(a, b, c);
        return r ? std::pair(r->r1, r->r2) : std::pair(std::nan(""), std::nan(""));
    };
    EXPECT_EQ(roots(1, -3, 2), std::pair(2.0, 1.0));
    EXPECT_EQ(roots(2, -8, 8), std::pair(2.0, 2.0));
    EXPECT_EQ(roots(-1, 0, 4), std::pair(-2.0, 2.0)); // (-b + root) / 2a
    EXPECT_FALSE(SolveQuadratic(1, 0, 1));
    EXPECT_FALSE(SolveQuadratic(std::nan(""), 1, 1));
    EXPECT_FALSE(SolveQuadratic(0, 2, 1)); // not a quadratic: roots would be infinite
    EXPECT_FALSE(SolveQuadratic(1, std::numeric_limits<double>::infinity(), 1));
}

TEST(SolveLinear2x2, SolvesByCramersRuleAndRoundsHalvesToEven)
{
    // x + y = 3, x - y = 1
    EXPECT_EQ(SolveLinear2x2(3, 1, 1, 1, -1, 1), QPoint(2, 1));
    // 2x = 5, 2y = 7: 2.5 and 3.5 go to the even neighbours 2 and 4
    EXPECT_EQ(SolveLinear2x2(5, 0, 2, 7, 2, 0), QPoint(2, 4));
    // 3x + 4y = -10, -x + 2y = 0: x = -2, y = -1
    EXPECT_EQ(SolveLinear2x2(-10, 4, 3, 0, 2, -1), QPoint(-2, -1));

    EXPECT_FALSE(SolveLinear2x2(3, 1, 1, 6, 2, 2));
    EXPECT_FALSE(SolveLinear2x2(1e300, 0, 1e-10, 1, 1, 0)); // x far beyond 32 bits
}

} // namespace
} // namespace kel
