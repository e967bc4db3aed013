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

TEST(FarGeometry, PolygonClippingKeepsTheAreaInside)
{
    const PolylineF huge{{-1e12, -1e12}, {1e12, -1e12}, {1e12, 1e12}, {-1e12, 1e12}};
    EXPECT_NEAR(Area(ClipPolygon(huge, kWindow)), 100 * 50, 1e-6);
    const PolylineF outside{{200, 200}, {300, 200}, {300, 300}};
    EXPECT_TRUE(ClipPolygon(outside, kWindow).empty());
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

} // namespace
} // namespace kel
