#include "figures/Measures.h"

#include <gtest/gtest.h>

#include <limits>

namespace kel {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(PointDistance, RoundsTheDistanceBetweenTwoPoints)
{
    EXPECT_EQ(PointDistance({10, 10}, {110, 10}), 100);
    EXPECT_EQ(PointDistance({-3, 7}, {0, 3}), 5);
    EXPECT_EQ(PointDistance({5, 5}, {5, 5}), 0);
    EXPECT_EQ(PointDistance({0, 0}, {2, 1}), 2);   // 2.236
    EXPECT_EQ(PointDistance({0, 0}, {-2, -2}), 3); // 2.828
}

TEST(PointDistance, FarApartPointsFailInsteadOfOverflowing)
{
    EXPECT_EQ(PointDistance({0, 0}, {kMax, 0}), kMax);
    EXPECT_EQ(PointDistance({-1, 5}, {kMax - 1, 5}), kMax);
    EXPECT_FALSE(PointDistance({-1, 0}, {kMax, 0}));
    EXPECT_FALSE(PointDistance({kMin, kMin}, {kMax, kMax}));
}

TEST(AngleAtVertex, MeasuresTheUnsignedAngleInWholeDegrees)
{
    EXPECT_EQ(AngleAtVertex({10, 10}, {130, 10}, {110, 10}), 0);
    EXPECT_EQ(AngleAtVertex({0, 0}, {100, 0}, {0, 100}), 90);
    EXPECT_EQ(AngleAtVertex({0, 0}, {100, 0}, {0, -100}), 90); // never signed
    EXPECT_EQ(AngleAtVertex({50, 50}, {150, 50}, {-50, 50}), 180);
    EXPECT_EQ(AngleAtVertex({0, 0}, {200, 0}, {100, -100}), 45);
    EXPECT_EQ(AngleAtVertex({0, 0}, {200, 0}, {-100, 173}), 120);
    // Rounded sides first: 30 by 30 at the vertex, 42 apart, gives 89 not 90.
    EXPECT_EQ(AngleAtVertex({0, 0}, {30, 0}, {0, 30}), 89);
}

TEST(AngleAtVertex, GivesZeroWhenTheAngleIsUndefined)
{
    EXPECT_EQ(AngleAtVertex({0, 0}, {100, 0}, {100, 2}), 0); // A and B less than 3 apart
    EXPECT_EQ(AngleAtVertex({0, 0}, {0, 0}, {100, 0}), 0);   // a ray of length 0
    EXPECT_EQ(AngleAtVertex({0, 0}, {100, 0}, {0, 0}), 0);
    EXPECT_EQ(AngleAtVertex({1, 1}, {0, 0}, {100, 100}), 180);
}

TEST(AngleAtVertex, WorksAtTheEdgesOfTheCoordinateRange)
{
    EXPECT_EQ(AngleAtVertex({kMin, kMin}, {kMax, kMin}, {kMin, kMax}), 90);
    EXPECT_EQ(AngleAtVertex({kMax, kMax}, {kMin, kMax}, {kMax, kMin}), 90);
    EXPECT_EQ(AngleAtVertex({kMin, 0}, {kMax, 0}, {kMax, 1}), 0);
}

} // namespace
} // namespace kel
