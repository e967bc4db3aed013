#include "figures/AngledLines.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

struct AngledCase {
    QPoint v, toward;
    int degrees, length;
    std::optional<QPoint> ccw, cw;
};

TEST(AngledLines, EndsTurnBothWaysFromTheReferenceDirection)
{
    const AngledCase cases[] = {
        {{0, 0}, {100, 0}, 90, 50, QPoint(0, -50), QPoint(0, 50)},
        {{10, 10}, {110, 10}, 60, 100, QPoint(60, -77), QPoint(60, 97)},
        {{0, 0}, {0, -30}, 45, 100, QPoint(-71, -71), QPoint(71, -71)},
        {{0, 0}, {-5, 0}, 2, 999, QPoint(-998, 35), QPoint(-998, -35)},
        {{0, 0}, {0, 0}, 45, 100, std::nullopt, std::nullopt},
        {{2147483600, 0}, {2147483647, 0}, 10, 999, std::nullopt, std::nullopt},
    };
    for (const AngledCase& c : cases) {
        const std::optional<PointPair> ends = AngledEnds(c.v, c.toward, c.degrees, c.length);
        ASSERT_EQ(ends.has_value(), c.ccw.has_value()) << c.degrees;
        if (ends) {
            EXPECT_EQ(ends->first, *c.ccw) << c.degrees;
            EXPECT_EQ(ends->second, *c.cw) << c.degrees;
        }
    }
}

} // namespace
} // namespace kel
