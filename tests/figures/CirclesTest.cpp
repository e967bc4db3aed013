#include "figures/Circles.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <utility>

namespace kel {
namespace {

using test::Show;

TEST(NearestPointOnCircle, TakesTheCutNearerToThePoint)
{
    EXPECT_EQ(Show(NearestPointOnCircle({0, 0}, 50, {80, 0})), "(50,0) d=30");
    // At the centre both cuts are equally near: the second (lower) one.
    EXPECT_EQ(NearestPointOnCircle({10, 10}, 20, {10, 10})->point, QPoint(10, 30));
    // A filled circle's negated radius measures the same.
    EXPECT_EQ(NearestPointOnCircle({0, 0}, -50, {80, 0})->point, QPoint(50, 0));
}

TEST(TangentPoints, RandomTangentsAreSquareToTheirRadiusAndNoneFromOnTheCircle)
{
    std::mt19937 random(21);
    std::uniform_int_distribution<int> coord(-2000, 2000);
    std::uniform_int_distribution<int> radius(5, 800);
    int checked = 0;
    for (int n = 0; n < 5000; ++n) {
        const QPoint c(coord(random), coord(random));
        const QPoint p(coord(random), coord(random));
        const int r = radius(random);
        const double d = test::Distance(c, p);
        const auto t = TangentPoints(c, r, p);
        if (d < r + 3 || !t)
            continue;
        // Near the circle the truncated Thales circle meets it at a shallow
        // angle: the length is checked only where well conditioned.
        const double exact = std::sqrt(d * d - double(r) * r);
        if (d > 1.5 * r) {
            ASSERT_NEAR(t->length, exact, 2.5);
        }
        ASSERT_EQ(t->length, PointDistance(p, t->points.first));
        ASSERT_NE(t->points.first, t->points.second);
        for (QPoint q : {t->points.first, t->points.second}) {
            ASSERT_NEAR(test::Distance(q, c), r, 1.5);
            ASSERT_GT(test::DistanceToLine(c, p, q), r - 1.5);
        }
        ++checked;
    }
    EXPECT_GT(checked, 1000);
    EXPECT_EQ(TangentPoints({0, 0}, 30, {50, 0})->length, 40);
    EXPECT_FALSE(TangentPoints({0, 0}, 50, {50, 0})); // on the circle
    EXPECT_FALSE(TangentPoints({0, 0}, 50, {30, 40}));
}

TEST(PointAnglesOnCircle, GivesDirectionsFromTheCentreOfTheCircleThroughThem)
{
    using Angles = std::optional<std::array<int, 3>>;
    EXPECT_EQ(PointAnglesOnCircle({200, 100}, {100, 0}, {100, 200}),
              Angles(std::array{0, 90, 270}));
    // Small circles come out coarse: the sides are rounded before the angle.
    EXPECT_EQ(PointAnglesOnCircle({110, 100}, {100, 90}, {100, 110}),
              Angles(std::array{0, 89, 271}));
    EXPECT_FALSE(PointAnglesOnCircle({0, 0}, {10, 10}, {30, 30}));

    EXPECT_EQ(Show(CircleThrough3Points({10, 0}, {0, -10}, {-10, 0})), "(0,0) r=10");
    EXPECT_FALSE(CircleThrough3Points({0, 0}, {10, 10}, {30, 30}));
    EXPECT_FALSE(CircleThrough3Points({0, 0}, {0, 0}, {30, 30}));
}

TEST(ArcOrientation, TellsTheTurnAndTheSweep)
{
    const auto turn = [](QPoint p1, QPoint p2, QPoint p3) {
        const auto t = ArcOrientation(p1, p2, p3);
        return t ? std::pair(t->counterClockwise, t->sweep.value_or(-1)) : std::pair(false, -2);
    };
    EXPECT_EQ(turn({10, 0}, {0, -10}, {-10, 0}), std::pair(true, 180));
    EXPECT_EQ(turn({100, 0}, {0, 100}, {0, -100}), std::pair(false, 270)); // through the bottom
    // Coinciding points count as counter-clockwise without a sweep.
    EXPECT_EQ(turn({5, 5}, {5, 5}, {9, 0}), std::pair(true, -1));
    // y * 32768 + x is -1 for both (-1, 0) and (32767, -1), which made these
    // two distinct points "equal".
    EXPECT_NE(turn({-1, 0}, {32767, -1}, {16383, 16000}).second, -1);
}

TEST(DrawArc3Points, DrawsCounterClockwiseFromTheFirstToTheLastPoint)
{
    test::FakeCanvas canvas;
    const CanvasPen before{0x123456, 7, PenStyle::Solid};
    canvas.setPen(before);
    CurrentAttributes current;
    current.penColour = 0x0000FF;
    current.penWidth = 3;
    EXPECT_EQ(DrawArc3Points(canvas, current, {10, 0}, {0, -10}, {-10, 0}), 10);
    ASSERT_EQ(canvas.arcs.size(), 1u);
    const test::DrawnArc& a = canvas.arcs[0];
    EXPECT_EQ(QRect(QPoint(a.left, a.top), QPoint(a.right, a.bottom)),
              QRect(QPoint(-10, -10), QPoint(10, 10)));
    EXPECT_EQ(a.start, QPoint(10, 0));
    EXPECT_EQ(a.end, QPoint(-10, 0));
    EXPECT_EQ(test::Show(a.pen), "ff 3 solid");
    EXPECT_EQ(canvas.pen().width, before.width); // put back

    // Clockwise points are drawn from the last to the first.
    current.penWidth = 0;
    EXPECT_EQ(DrawArc3Points(canvas, current, {-10, 0}, {0, -10}, {10, 0}), 10);
    ASSERT_EQ(canvas.arcs.size(), 2u);
    EXPECT_EQ(canvas.arcs[1].start, QPoint(10, 0));
    EXPECT_EQ(canvas.arcs[1].end, QPoint(-10, 0));
    EXPECT_EQ(canvas.arcs[1].pen.style, PenStyle::Dotted);

    // Collinear points get two segments.
    EXPECT_FALSE(DrawArc3Points(canvas, current, {0, 0}, {10, 10}, {20, 20}));
    EXPECT_EQ(canvas.arcs.size(), 2u);
    ASSERT_EQ(canvas.lines.size(), 2u);
    EXPECT_EQ(canvas.lines[0].to, QPoint(10, 10));
    EXPECT_EQ(canvas.lines[1].from, QPoint(10, 10));
}

} // namespace
} // namespace kel
