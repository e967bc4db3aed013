#include "render/CurveMath.h"
#include "figures/Transforms.h"
#include "render/FarGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kel {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

TEST(CurveMathBezier, CurvePassesThroughItsMiddlePointsAndItsNearestSampleReachesTheEnds)
{
    const std::vector<BezierRecordPoints> records = {
        {{{0, 0}, {30, 30}, {60, 30}, {90, 0}}},
        // Far apart: 3 * Q1 and 5 * P3 need more than 32 bits.
        {{{kMin, kMax}, {kMax, kMin}, {kMin, kMin}, {kMax, kMax}}},
        {{{0, 0}, {kMax, kMax}, {kMin, kMin}, {0, 0}}},
    };
    for (const BezierRecordPoints& p : records) {
        const BezierControls c = BezierControlPoints(p);
        // Ends stay where they are.
        EXPECT_EQ(BezierPointAt(p, c, 0), QPointF(p[0]));
        EXPECT_EQ(BezierPointAt(p, c, 1), QPointF(p[3]));
        // The truncating divisions move the curve by at most about 2 pixels.
        const QPointF third = BezierPointAt(p, c, 1.0 / 3);
        const QPointF twoThirds = BezierPointAt(p, c, 2.0 / 3);
        EXPECT_NEAR(third.x(), p[1].x(), 2.0) << p[1].x();
        EXPECT_NEAR(third.y(), p[1].y(), 2.0) << p[1].y();
        EXPECT_NEAR(twoThirds.x(), p[2].x(), 2.0) << p[2].x();
        EXPECT_NEAR(twoThirds.y(), p[2].y(), 2.0) << p[2].y();
    }

    const BezierRecordPoints curve{{{10, 10}, {100, 80}, {200, -30}, {300, 40}}};
    auto hit = BezierNearest(curve, {10, 10});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->t, 0.0f);

    // The last of the 101 samples is t = 1 exactly, not a sum of hundredths.
    hit = BezierNearest(curve, {300, 40});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->distance, 0);
    EXPECT_EQ(hit->t, 1.0f);

    // Samples beyond the 32-bit plane are passed over, not wrapped.
    const BezierRecordPoints far{{{0, 0}, {kMax, kMax}, {kMin, kMin}, {0, 0}}};
    hit = BezierNearest(far, {0, 0});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->distance, 0);
    EXPECT_TRUE(hit->t == 0.0f || hit->t == 1.0f);
}

// Lists of too many points or two in one column: see CurveDrawersTest.
TEST(CurveMathPolynomial, InterpolatesEveryPoint)
{
    const std::vector<QPoint> few{{-30, 4}, {-12, -70}, {0, 9}, {5, 100}, {17, -3}, {40, 40}};
    const auto c = PolynomialCoefficients(few);
    ASSERT_TRUE(c);
    const int degree = PolynomialDegree(*c);
    EXPECT_EQ(degree, 5);
    for (const QPoint& p : few)
        EXPECT_NEAR(static_cast<double>(EvaluatePolynomial(*c, degree, p.x())), p.y(), 1e-6);
}

TEST(CurveMathPolynomial, GraphTakesOnlyColumnsThatReachTheWindowAndHoldsSteepValuesNotWrapped)
{
    const std::vector<QPoint> points{{-2000000000, 0}, {0, 100}, {2000000000, 0}};
    const QRectF window(-300, -300, 1000, 900);
    const auto runs = PolynomialGraph(points, 0, {}, window);
    ASSERT_TRUE(runs);
    ASSERT_EQ(runs->size(), 1u);
    const PolylineF& graph = runs->front();
    EXPECT_EQ(graph.front().x(), -302);
    EXPECT_EQ(graph.back().x(), 702);
    EXPECT_EQ(graph.size(), 1005u);
    for (const QPointF& p : graph)
        EXPECT_EQ(p.y(), 100); // 100 - x^2 / 4e16, rounded

    // Points entirely left of the window: nothing to work out.
    const std::vector<QPoint> left{{kMin, 0}, {kMin + 1, 5}, {-1000, 7}};
    const auto none = PolynomialGraph(left, 0, {}, window);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());

    // A steep graph is held far away, not wrapped.
    const std::vector<QPoint> steep{{0, 0}, {1, kMax}, {2, kMin}, {3, kMax}, {4, 0}};
    const auto held = PolynomialGraph(steep, 0, {}, QRectF(-300, -300, 1000, 1000));
    ASSERT_TRUE(held);
    ASSERT_EQ(held->size(), 1u);
    ASSERT_EQ(held->front().size(), 5u);
    EXPECT_EQ(held->front()[1].y(), kMax);
    EXPECT_EQ(held->front()[2].y(), kMin);

    // Far from its points the values leave any range, and stay finite.
    const std::vector<QPoint> wide{{-2000000000, 0}, {0, kMax}, {10, kMin}, {2000000000, 0}};
    const auto far = PolynomialGraph(wide, 0, {}, QRectF(-300, -300, 1000, 1000));
    ASSERT_TRUE(far);
    for (const PolylineF& run : *far)
        for (const QPointF& p : run)
            EXPECT_TRUE(std::isfinite(p.y()));
}

TEST(CurveMathPolynomial, TurnedGraphTurnsEachVertexLikeRotatePoint)
{
    const std::vector<QPoint> points{{0, 50}, {40, 90}, {80, 20}};
    const QRectF window(-300, -300, 1000, 1000);
    const QPoint centre(40, 60);
    const auto plain = PolynomialGraph(points, 0, {}, window);
    const auto turned = PolynomialGraph(points, 30, centre, window);
    ASSERT_TRUE(plain && turned);
    ASSERT_EQ(turned->size(), 1u);
    ASSERT_EQ(turned->front().size(), 81u);
    for (size_t i = 0; i < plain->front().size(); ++i) {
        const QPointF v = plain->front()[i];
        const auto expected =
            RotatePoint(QPoint(static_cast<int>(v.x()), static_cast<int>(v.y())), centre, 30);
        ASSERT_TRUE(expected);
        EXPECT_EQ(turned->front()[i], QPointF(*expected)) << i;
    }
}

const QRectF kWindow(0, 0, 100, 50);

double Area(const PolylineF& polygon)
{
    double twice = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

TEST(FarGeometry, HugeEllipsesAreFollowedCloselyNearTheWindowAndPolygonsClippedToIt)
{
    // A circle of radius 2e9 whose leftmost point is (0, 50).
    const double r = 2e9;
    const QRectF circle(0, 50 - r, 2 * r, 2 * r);
    const QRectF window(-10, -10, 120, 120);
    const PolylineF ring = EllipsePoints(circle, 0, 360, &window);
    EXPECT_LT(ring.size(), 20000u); // the whole ring closely would take 200,000
    EXPECT_NEAR(ring.front().x(), ring.back().x(), 1e-3);
    int near = 0;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const QPointF mid = (ring[i] + ring[i + 1]) / 2;
        QPointF a = ring[i], b = ring[i + 1];
        if (!ClipSegment(a, b, window))
            continue;
        ++near;
        const double off = r - std::hypot(mid.x() - r, mid.y() - 50);
        ASSERT_LT(off, 0.26) << i; // every chord near the window hugs the curve
    }
    EXPECT_GT(near, 0);
    const PolylineF whole = EllipsePoints(circle, 0, 360);
    EXPECT_GT(whole.size(), 100000u);

    const PolylineF huge{{-1e12, -1e12}, {1e12, -1e12}, {1e12, 1e12}, {-1e12, 1e12}};
    EXPECT_NEAR(Area(ClipPolygon(huge, kWindow)), 100 * 50, 1e-6);
    const PolylineF outside{{200, 200}, {300, 200}, {300, 300}};
    EXPECT_TRUE(ClipPolygon(outside, kWindow).empty());
}

} // namespace
} // namespace kel
