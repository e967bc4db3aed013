#include "render/FarGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel {
namespace {

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

TEST(FarGeometry, SegmentsAreCutAtTheWindow)
{
    QPointF a(-100, 25), b(200, 25);
    ASSERT_TRUE(ClipSegment(a, b, kWindow));
    EXPECT_EQ(a, QPointF(0, 25));
    EXPECT_EQ(b, QPointF(100, 25));
    QPointF c(-4.3e9, -4.3e9), d(4.3e9, 4.3e9); // beyond 32 bits both ways
    ASSERT_TRUE(ClipSegment(c, d, kWindow));
    EXPECT_NEAR(c.x(), 0, 1e-6);
    EXPECT_NEAR(d.y(), 50, 1e-6);
    QPointF e(-10, 60), f(200, 60); // passes below
    EXPECT_FALSE(ClipSegment(e, f, kWindow));
    QPointF g(50, -5), h(50, -1); // vertical, outside
    EXPECT_FALSE(ClipSegment(g, h, kWindow));
}

TEST(FarGeometry, PolylinePiecesStayJoinedInsideTheWindow)
{
    const PolylineF zigzag{{-10, 10}, {50, 10}, {60, 20}, {50, 80}, {40, 20}, {20, 20}};
    const std::vector<PolylineF> pieces = ClipPolyline(zigzag, kWindow, false);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].front(), QPointF(0, 10));
    EXPECT_EQ(pieces[0].size(), 4u); // (0,10) (50,10) (60,20) and the exit
    EXPECT_EQ(pieces[1].back(), QPointF(20, 20));
}

TEST(FarGeometry, PolygonClippingKeepsTheAreaInside)
{
    const PolylineF huge{{-1e12, -1e12}, {1e12, -1e12}, {1e12, 1e12}, {-1e12, 1e12}};
    EXPECT_NEAR(Area(ClipPolygon(huge, kWindow)), 100 * 50, 1e-6);
    const PolylineF triangle{{0, 0}, {200, 0}, {0, 200}}; // covers the window
    EXPECT_NEAR(Area(ClipPolygon(triangle, kWindow)), 100 * 50, 1e-6);
    const PolylineF outside{{200, 200}, {300, 200}, {300, 300}};
    EXPECT_TRUE(ClipPolygon(outside, kWindow).empty());
}

TEST(FarGeometry, EllipsePointsFollowTheBoxCounterClockwise)
{
    const QRectF box(0, 0, 200, 100); // centre (100, 50)
    const PolylineF ring = EllipsePoints(box, 0, 360);
    EXPECT_GT(ring.size(), 16u);
    EXPECT_NEAR(ring.front().x(), 200, 1e-9);
    EXPECT_NEAR(ring.front().y(), 50, 1e-9);
    EXPECT_NEAR(ring.back().x(), ring.front().x(), 1e-9); // closed
    const PolylineF quarter = EllipsePoints(box, 0, 90);
    EXPECT_NEAR(quarter.back().x(), 100, 1e-9);
    EXPECT_NEAR(quarter.back().y(), 0, 1e-9); // up on the screen
    for (const QPointF& p : ring) {
        const double u = (p.x() - 100) / 100, v = (p.y() - 50) / 50;
        ASSERT_NEAR(u * u + v * v, 1, 1e-9);
    }
    // Chords of a huge circle stay within a quarter pixel of it.
    const double r = 2e9;
    const PolylineF big = EllipsePoints(QRectF(-r, -r, 2 * r, 2 * r), 0, 1);
    const QPointF mid = (big[0] + big[1]) / 2;
    EXPECT_LT(r - std::hypot(mid.x(), mid.y()), 0.26);
}

TEST(FarGeometry, HugeEllipsesAreFollowedCloselyOnlyNearTheWindow)
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
}

TEST(FarGeometry, BezierPointsRunFromStartToEnd)
{
    const PolylineF curve = BezierPoints({0, 0}, {0, 100}, {100, 100}, {100, 0});
    EXPECT_EQ(curve.front(), QPointF(0, 0));
    EXPECT_EQ(curve.back(), QPointF(100, 0));
    double top = 0;
    for (const QPointF& p : curve)
        top = std::max(top, p.y());
    EXPECT_NEAR(top, 75, 0.3);
}

} // namespace
} // namespace kel
