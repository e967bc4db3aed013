#include "figures/LineDivisions.h"
#include "FigureTestSupport.h"
#include "figures/AngledLines.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

using test::Show;

struct DivisionCase {
    QPoint a, b;
    int n;
    std::vector<QPoint> expected;
};

TEST(LineDivisions, DivisionPointsRunFromTheSecondEndAndTruncateTowardZero)
{
    const DivisionCase cases[] = {
        {{0, 0}, {5, 5}, 2, {{2, 2}}},
        {{-3, 0}, {0, 0}, 2, {{-1, 0}}},
        {{0, 0}, {90, 30}, 3, {{60, 20}, {30, 10}}},
        {{10, 0}, {0, 0}, 4, {{2, 0}, {5, 0}, {7, 0}}},
        {{-7, -7}, {0, 0}, 3, {{-2, -2}, {-4, -4}}},
        {{2147483647, -2147483647 - 1},
         {2147483647, -2147483647 - 1},
         2,
         {{2147483647, -2147483647 - 1}}},
        // Far-apart ends do not wrap.
        {{-10, 2000000000}, {0, -2000000000}, 4, {{-2, -1000000000}, {-5, 0}, {-7, 1000000000}}},
        {{0, 0}, {10, 10}, 1, {}},
        {{0, 0}, {10, 10}, -5, {}},
    };
    for (const DivisionCase& c : cases)
        EXPECT_EQ(DivisionPoints(c.a, c.b, c.n), c.expected) << Show(c.a) << Show(c.b) << c.n;
}

struct GapCase {
    QPoint a, b, f;
    std::optional<QPoint> nearA, nearB;
};

TEST(LineDivisions, GapIsCentredOnTheMidpointAndOrderedByTheEnds)
{
    const GapCase cases[] = {
        {{0, 0}, {100, 0}, {30, 0}, QPoint(30, 0), QPoint(70, 0)},
        {{0, 0}, {100, 0}, {80, 0}, QPoint(20, 0), QPoint(80, 0)},
        {{100, 0}, {0, 0}, {30, 0}, QPoint(70, 0), QPoint(30, 0)},
        // Odd length: the midpoint is truncated, so the gap is not symmetric.
        {{0, 0}, {0, 101}, {0, 10}, QPoint(0, 10), QPoint(0, 90)},
        // Beyond an end, or on it: no gap.
        {{0, 0}, {100, 0}, {120, 0}, std::nullopt, std::nullopt},
        {{0, 0}, {100, 0}, {0, 0}, std::nullopt, std::nullopt},
        {{0, 0}, {0, 0}, {0, 0}, std::nullopt, std::nullopt},
    };
    for (const GapCase& c : cases) {
        const std::optional<GapPieces> gap = GapAround(c.a, c.b, c.f);
        ASSERT_EQ(gap.has_value(), c.nearA.has_value()) << Show(c.a) << Show(c.b) << Show(c.f);
        if (gap) {
            EXPECT_EQ(gap->gapNearA, *c.nearA) << Show(c.a) << Show(c.b) << Show(c.f);
            EXPECT_EQ(gap->gapNearB, *c.nearB) << Show(c.a) << Show(c.b) << Show(c.f);
        }
    }
}

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
