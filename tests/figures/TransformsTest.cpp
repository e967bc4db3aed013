#include "figures/Transforms.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace kel {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();

TEST(RotatePoint, TurnsClockwiseOnTheScreenForPositiveAngles)
{
    EXPECT_EQ(RotatePoint({10, 0}, {0, 0}, 90), QPoint(0, 10)); // below: clockwise
    EXPECT_EQ(RotatePoint({110, 50}, {100, 50}, -90), QPoint(100, 40));
    EXPECT_EQ(RotatePoint({100, 0}, {0, 0}, 45), QPoint(71, 71));

    // Fails instead of leaving the plane.
    EXPECT_FALSE(RotatePoint({kMax, 0}, {-kMax, 0}, 90));
    EXPECT_EQ(RotatePoint({kMax, 0}, {kMax - 10, 0}, 180), QPoint(kMax - 20, 0));
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

TEST(ScaleAbout, TruncatesTheScaledOffsetTowardsZero)
{
    EXPECT_EQ(ScaleAbout({15, 20}, {10, 10}, {10, 10}, 150), QPoint(17, 25)); // 7.5 -> 7
    EXPECT_EQ(ScaleAbout({5, 0}, {10, 10}, {10, 10}, 150), QPoint(3, -5));    // -7.5 -> -7
    EXPECT_EQ(ScaleAbout({30, 40}, {10, 10}, {100, 200}, 100), QPoint(120, 230));
    EXPECT_EQ(ScaleAbout({30, 40}, {10, 10}, {10, 10}, -50), QPoint(0, -5));

    // 2000 * 2000000 passes 2^31; the 32-bit product would wrap negative.
    EXPECT_EQ(ScaleAbout({2000, 0}, {0, 0}, {0, 0}, 2000000), QPoint(40000000, 0));
    EXPECT_FALSE(ScaleAbout({2000, 0}, {0, 0}, {0, 0}, 200000000)); // 4e9 is off the plane
    EXPECT_FALSE(ScaleAbout({kMax, 0}, {-kMax, 0}, {0, 0}, kMax));
}

} // namespace
} // namespace kel
