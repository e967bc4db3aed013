#include "figures/Stars.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

namespace kel {
namespace {

// Direction of p seen from c, counter-clockwise on the screen, 0..360.
double Direction(QPoint c, QPoint p)
{
    const double t = std::atan2(double(c.y()) - p.y(), double(p.x()) - c.x()) * 180 / M_PI;
    return t < 0 ? t + 360 : t;
}

TEST(StarOutline, FivePointedStarHasElevenPointsTakingTurns)
{
    const QPoint centre(300, 200);
    for (auto [r1, r2] : {std::pair{20, 50}, std::pair{50, 20}}) {
        const auto outline = StarOutline(centre, r1, r2, 5, 5);
        ASSERT_TRUE(outline);
        const std::vector<QPoint>& p = *outline;
        ASSERT_EQ(p.size(), 11u);
        EXPECT_EQ(p.front(), p.back());
        EXPECT_EQ(p.front(), QPoint(320, 200));
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            const double radius = i % 2 == 0 ? 20 : 50;
            EXPECT_NEAR(test::Distance(p[i], centre), radius, 0.75) << i;
            EXPECT_NEAR(Direction(centre, p[i]), 36.0 * i, 1.5) << i;
        }
    }

    // Fewer rays stop after the inner corner of the last one.
    const auto outline = StarOutline({0, 0}, 30, 90, 6, 2);
    ASSERT_TRUE(outline);
    ASSERT_EQ(outline->size(), 6u);
    EXPECT_EQ(outline->back(), outline->front());
    EXPECT_NEAR(test::Distance((*outline)[3], {0, 0}), 90, 0.75);
    EXPECT_NEAR(test::Distance((*outline)[4], {0, 0}), 30, 0.75);
    EXPECT_NEAR(Direction({0, 0}, (*outline)[4]), 120, 1.5);

    const std::tuple<int, int, int, int> cases[] = {
        {2, 50, 5, 5},  {50, 2, 5, 5},  {40, 40, 5, 5},
        {20, 50, 2, 2}, {20, 50, 5, 1}, {20, 50, 361, 361},
    };
    for (auto [r1, r2, points, rays] : cases) {
        SCOPED_TRACE(testing::Message() << r1 << " " << r2 << " " << points << " " << rays);
        EXPECT_FALSE(StarOutline({100, 100}, r1, r2, points, rays));
    }
    EXPECT_TRUE(StarOutline({100, 100}, 3, 4, 3, 2));
    EXPECT_FALSE(StarOutline({INT_MAX - 10, 0}, 5, 50, 5, 5));
}

TEST(StarPoints, PreviewsTheOutlineForTheCountInSlot21)
{
    ConstructionState state;
    state.slot[21] = 5;
    CurrentAttributes current;
    current.penWidth = 2;
    current.penColour = 0x00CC00;
    test::FakeCanvas canvas;
    const CanvasPen before{0x123456, 8, PenStyle::Dotted};
    canvas.setPen(before);
    std::vector<QPoint> vertices{{9, 9}};
    ASSERT_TRUE(StarPoints(state, canvas, current, vertices, {300, 200}, 20, 50, 5));
    EXPECT_EQ(vertices, *StarOutline({300, 200}, 20, 50, 5, 5));
    ASSERT_EQ(canvas.polylines.size(), 1u);
    EXPECT_EQ(canvas.polylines[0].points, vertices);
    EXPECT_EQ(test::Show(canvas.polylines[0].pen), "cc00 2 solid");
    EXPECT_EQ(test::Show(canvas.pen()), test::Show(before));

    // Fewer rays in slot 21 cut the outline short.
    state.slot[21] = 3;
    ASSERT_TRUE(StarPoints(state, canvas, current, vertices, {300, 200}, 20, 50, 5));
    EXPECT_EQ(vertices.size(), 8u);

    // While both radii are equal (the star tool's first move) nothing
    // changes and nothing is drawn; likewise for a count in slot 21 below 2.
    canvas.polylines.clear();
    const std::vector<QPoint> kept = vertices;
    EXPECT_FALSE(StarPoints(state, canvas, current, vertices, {300, 200}, 50, 50, 5));
    state.slot[21] = 1;
    EXPECT_FALSE(StarPoints(state, canvas, current, vertices, {300, 200}, 20, 50, 5));
    EXPECT_EQ(vertices, kept);
    EXPECT_TRUE(canvas.drewNothing());
}

} // namespace
} // namespace kel
