#include "figures/Measures.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace kel {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(PointDistance, RoundsTheDistanceBetweenTwoPoints)
{
    EXPECT_EQ(PointDistance({10, 10}, {110, 10}), 100);
    EXPECT_EQ(PointDistance({0, 0}, {2, 1}), 2);   // 2.236
    EXPECT_EQ(PointDistance({0, 0}, {-2, -2}), 3); // 2.828
    // Far apart points fail instead of overflowing.
    EXPECT_EQ(PointDistance({0, 0}, {kMax, 0}), kMax);
    EXPECT_FALSE(PointDistance({-1, 0}, {kMax, 0}));
    EXPECT_FALSE(PointDistance({kMin, kMin}, {kMax, kMax}));

    EXPECT_EQ(PointDistanceF({0, 0}, {-2, -2}), 3);
    EXPECT_EQ(PointDistanceF({0, 0}, {kMax, 0}), kMax);
    EXPECT_FALSE(PointDistanceF({kMin, kMin}, {kMax, kMax}));
    EXPECT_EQ(IntAbs(-5), 5);
    EXPECT_EQ(IntAbs(kMin), 2147483648LL);
}

TEST(AngleAtVertex, MeasuresTheUnsignedAngleInWholeDegrees)
{
    EXPECT_EQ(AngleAtVertex({10, 10}, {130, 10}, {110, 10}), 0);
    EXPECT_EQ(AngleAtVertex({0, 0}, {100, 0}, {0, -100}), 90); // never signed
    EXPECT_EQ(AngleAtVertex({50, 50}, {150, 50}, {-50, 50}), 180);
    EXPECT_EQ(AngleAtVertex({0, 0}, {200, 0}, {-100, 173}), 120);
    // Rounded sides first: 30 by 30 at the vertex, 42 apart, gives 89 not 90.
    EXPECT_EQ(AngleAtVertex({0, 0}, {30, 0}, {0, 30}), 89);
    // Zero where the angle is undefined: A and B less than 3 apart, a ray of length 0.
    EXPECT_EQ(AngleAtVertex({0, 0}, {100, 0}, {100, 2}), 0);
    EXPECT_EQ(AngleAtVertex({0, 0}, {0, 0}, {100, 0}), 0);
    EXPECT_EQ(AngleAtVertex({1, 1}, {0, 0}, {100, 100}), 180);
    // The edges of the coordinate range.
    EXPECT_EQ(AngleAtVertex({kMin, kMin}, {kMax, kMin}, {kMin, kMax}), 90);
    EXPECT_EQ(AngleAtVertex({kMin, 0}, {kMax, 0}, {kMax, 1}), 0);
}

TEST(DirectionAngle, CountsCounterClockwiseAsSeenOnTheScreen)
{
    EXPECT_EQ(DirectionAngle({0, 0}, {0, -100}), 90);
    EXPECT_EQ(DirectionAngle({0, 0}, {0, 100}), 270);
    EXPECT_EQ(DirectionAngle({0, 0}, {100, 0}), 0);
    EXPECT_EQ(DirectionAngle({50, 50}, {-50, 150}), 225);
    // Just below the +x ray the unsigned angle rounds to 0 and the point
    // still counts as below: 360.
    EXPECT_EQ(DirectionAngle({0, 0}, {1000, 1}), 360);
    // Origins at the edge of the plane measure like any other.
    EXPECT_EQ(DirectionAngle({kMax, 0}, {kMax, -100}), 90);

    // Box 0..200 x 0..100: centre (100, 50), reference (200, 50).
    const AnglePair a = BoxCentreAngles({0, 0}, {200, 100}, {100, 0}, {100, 100});
    EXPECT_EQ(a.first, 90);
    EXPECT_EQ(a.second, 270);
    // Unlike DirectionAngle, a point rounding to 0 below the centre stays 0.
    EXPECT_EQ(BoxCentreAngles({0, 0}, {2000, 100}, {2000, 51}, {0, 0}).first, 0);

    EXPECT_EQ(SweepDegrees(30, 90), 60);
    EXPECT_EQ(SweepDegrees(90, 30), 300);
    EXPECT_EQ(SweepDegrees(350, 10), 20);
}

TEST(TriangleArea, HalvesTheTrapezoidSum)
{
    EXPECT_EQ(TriangleArea({0, 0}, {10, 0}, {0, 10}), 50);
    EXPECT_EQ(TriangleArea({0, 10}, {10, 0}, {0, 0}), 50); // either orientation
    EXPECT_EQ(TriangleArea({0, 0}, {3, 0}, {0, 3}), 4);    // 4.5 truncated
    ConstructionState state;
    state.setPoint(0, {100, 100});
    state.setPoint(1, {300, 100});
    state.setPoint(2, {100, 400});
    EXPECT_EQ(TriangleArea(state), 30000);
    // 60000 x 60000 / 2: the products pass 2^31 long before the area does.
    EXPECT_EQ(TriangleArea({0, 0}, {60000, 0}, {0, 60000}), 1800000000);
    EXPECT_EQ(TriangleArea({kMin, kMin}, {kMax, kMin}, {kMin, kMax}),
              static_cast<std::int64_t>(std::uint64_t{4294967295u} * 4294967295u / 2));
}

} // namespace
} // namespace kel
