#include "figures/RegularPolygons.h"
#include "FigureTestSupport.h"
#include "model/AttributeStrings.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kel {
namespace {

// Where `b` sits in the vertex list: it must be a neighbour of vertex 0.
bool NeighbourOfFirst(const std::vector<QPoint>& vertices, QPoint b)
{
    return vertices.size() > 2 && (vertices[1] == b || vertices.back() == b);
}

TEST(DistributeOnCircle, SpreadsThePointsCounterClockwiseFromTheStart)
{
    const auto points = DistributeOnCircle({200, 200}, 100, 0, 360, 4, {0, 0}, {0, 0});
    ASSERT_TRUE(points);
    const std::vector<QPoint> expected{{300, 200}, {200, 100}, {100, 200}, {200, 300}};
    EXPECT_EQ(*points, expected);

    // An end before the start wraps round: 350 to 10 degrees is a sweep of
    // 20, and the end itself is not reached.
    const auto wrapped = DistributeOnCircle({0, 0}, 1000, 350, 10, 4, {5000, 0}, {5000, 0});
    ASSERT_TRUE(wrapped);
    ASSERT_EQ(wrapped->size(), 4u);
    const double degrees[] = {350, 355, 0, 5};
    for (std::size_t i = 0; i < 4; ++i) {
        const double t = degrees[i] * M_PI / 180;
        EXPECT_NEAR((*wrapped)[i].x(), 1000 * std::cos(t), 1) << i;
        EXPECT_NEAR((*wrapped)[i].y(), -1000 * std::sin(t), 1) << i;
    }

    // More points than degrees of sweep, and what leaves the plane, are refused.
    EXPECT_FALSE(DistributeOnCircle({0, 0}, 100, 10, 13, 4, {}, {}));
    EXPECT_FALSE(DistributeOnCircle({0, 0}, 100, NAN, 360, 3, {}, {}));
    EXPECT_FALSE(DistributeOnCircle({INT_MAX - 5, 0}, 100, 0, 360, 3, {}, {}));

    // On a circle of radius 6 most of the 12 points lie within 10 pixels of
    // (6, 0); the one exactly there becomes A, not the last one in reach.
    const auto snapped = DistributeOnCircle({0, 0}, 6, 0, 360, 12, {6, 0}, {5, -3});
    ASSERT_TRUE(snapped);
    ASSERT_EQ(snapped->size(), 12u);
    EXPECT_EQ((*snapped)[0], QPoint(6, 0));
    EXPECT_EQ((*snapped)[1], QPoint(5, -3));
    EXPECT_EQ((*snapped)[11], QPoint(5, 3));

    // Ends off the circle replace their nearest points exactly.
    const auto moved = DistributeOnCircle({0, 0}, 100, 0, 360, 4, {103, 4}, {-2, -96});
    ASSERT_TRUE(moved);
    const std::vector<QPoint> movedTo{{103, 4}, {-2, -96}, {-100, 0}, {0, 100}};
    EXPECT_EQ(*moved, movedTo);
}

TEST(RegularPolygonVertices, ShortSteepAndLargePolygonsCloseOnTheirSide)
{
    struct Case {
        QPoint a, b;
        int sides;
        QPoint pointer;
    };
    const Case cases[] = {
        {{10, 10}, {13, 14}, 5, {0, 20}},        // a side of 5 pixels
        {{10, 10}, {16, 10}, 8, {13, 30}},       // radius 8: every point near both ends
        {{300, 100}, {303, 400}, 7, {500, 250}}, // nearly vertical
        {{0, 0}, {257, -31}, 90, {-500, -3000}}, // radius 3702, sloped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.sides << " sides on (" << c.b.x() << ", " << c.b.y() << ")");
        const auto polygon = RegularPolygonVertices(c.a, c.b, c.sides, c.pointer);
        ASSERT_TRUE(polygon);
        ASSERT_EQ(polygon->vertices.size(), static_cast<std::size_t>(c.sides));
        EXPECT_EQ(polygon->vertices[0], c.a);
        EXPECT_TRUE(NeighbourOfFirst(polygon->vertices, c.b));
    }

    // Too few or too many sides and a side of no length are refused.
    EXPECT_FALSE(RegularPolygonVertices({0, 0}, {100, 0}, 2, {0, 50}));
    EXPECT_FALSE(RegularPolygonVertices({0, 0}, {100, 0}, 361, {0, 50}));
    EXPECT_FALSE(RegularPolygonVertices({7, 7}, {7, 7}, 5, {0, 50}));
    EXPECT_FALSE(RegularPolygonVertices({0, 0}, {2000000000, 0}, 100, {0, 50}));
}

TEST(RegularPolygonVertices, RandomPolygonsAreRegularOnThePointersSide)
{
    std::mt19937 random(92);
    std::uniform_int_distribution<int> coord(-2000, 2000);
    std::uniform_int_distribution<int> offset(-400, 400);
    std::uniform_int_distribution<int> count(3, 60);
    int checked = 0;
    for (int n = 0; n < 3000; ++n) {
        const QPoint a(coord(random), coord(random));
        const QPoint b(a.x() + offset(random), a.y() + offset(random));
        const QPoint pointer(coord(random), coord(random));
        const double side = test::Distance(a, b);
        if (side < 10 || test::DistanceToLine(pointer, a, b) < 5)
            continue;
        const int sides = count(random);
        const auto polygon = RegularPolygonVertices(a, b, sides, pointer);
        ASSERT_TRUE(polygon);
        ++checked;
        const std::vector<QPoint>& v = polygon->vertices;
        ASSERT_EQ(v.size(), static_cast<std::size_t>(sides));
        ASSERT_EQ(v[0], a);
        ASSERT_TRUE(NeighbourOfFirst(v, b));

        // The circumradius is that of the side's rounded length.
        const double halfAngle = M_PI / sides;
        ASSERT_NEAR(polygon->radius, side / 2 / std::sin(halfAngle),
                    0.5 + 0.5 / (2 * std::sin(halfAngle)) + 1e-9);

        // Every vertex on the circle, every side as long as AB, turning
        // counter-clockwise on the screen round a centre on the pointer's side.
        auto cross = [](QPoint o, QPoint p, QPoint q) {
            return double(p.x() - o.x()) * (q.y() - o.y()) -
                   double(p.y() - o.y()) * (q.x() - o.x());
        };
        ASSERT_GT(cross(a, b, polygon->centre) * cross(a, b, pointer), 0);
        for (int i = 0; i < sides; ++i) {
            const QPoint p = v[static_cast<std::size_t>(i)];
            const QPoint q = v[static_cast<std::size_t>((i + 1) % sides)];
            ASSERT_NEAR(test::Distance(p, polygon->centre), polygon->radius, 3.5) << i;
            ASSERT_NEAR(test::Distance(p, q), side, 3.5) << i << " of " << sides;
            ASSERT_LT(cross(polygon->centre, p, q), 0) << i << " of " << sides;
        }
    }
    EXPECT_GT(checked, 2000);
}

class RegularPolygonOnSideTest : public ::testing::Test {
protected:
    test::FakeUi ui;
    Document doc{ui};
    ConstructionState state;
    test::FakeCanvas canvas;
    std::vector<QPoint> vertices;
};

TEST_F(RegularPolygonOnSideTest, PreviewDrawsCreateAppendsAndARefusalChangesNothing)
{
    doc.current.penWidth = 3;
    doc.current.penColour = 0x0000CC;
    doc.current.brushColour = 0x00AA00;
    doc.current.brushStyle = 4;
    const CanvasPen pen{0x111111, 5, PenStyle::Dotted};
    canvas.setPen(pen);
    canvas.setBrush({0x222222, BrushStyle::Cross});
    ASSERT_TRUE(RegularPolygonOnSide(doc, state, canvas, vertices, {0, 0}, {100, 0}, 6, {50, -100},
                                     FigureStep::Preview));
    EXPECT_EQ(state.point(9), QPoint(50, -87));
    EXPECT_EQ(state.slot[18], 50);
    EXPECT_EQ(vertices, RegularPolygonVertices({0, 0}, {100, 0}, 6, {50, -100})->vertices);
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    const test::DrawnEllipse& dot = canvas.ellipses[0];
    EXPECT_EQ(QRect(QPoint(dot.left, dot.top), QPoint(dot.right, dot.bottom)),
              QRect(QPoint(47, -90), QPoint(53, -84)));
    ASSERT_EQ(canvas.polygons.size(), 1u);
    const test::DrawnShape& shape = canvas.polygons[0];
    EXPECT_EQ(shape.points, vertices);
    EXPECT_EQ(test::Show(shape.pen), "cc 3 solid");
    EXPECT_EQ(shape.brush.colour, 0x00AA00u);
    EXPECT_EQ(shape.brush.style, BrushStyle::ForwardDiagonal);
    EXPECT_EQ(test::Show(canvas.pen()), test::Show(pen)); // put back
    EXPECT_EQ(test::RowsInUse(doc.table), 0);

    canvas.ellipses.clear();
    canvas.polygons.clear();
    ASSERT_TRUE(RegularPolygonOnSide(doc, state, canvas, vertices, {0, 0}, {100, 0}, 5, {50, 100},
                                     FigureStep::Create));
    const auto expected = RegularPolygonVertices({0, 0}, {100, 0}, 5, {50, 100});
    EXPECT_EQ(state.clicks(), 5);
    EXPECT_TRUE(canvas.drewNothing());
    ASSERT_EQ(test::RowsInUse(doc.table), 1);
    EXPECT_EQ(doc.table.cell(1, 1), "Y");
    EXPECT_EQ(doc.table.cell(4, 1), MakePointList(expected->vertices));

    // Refused: no slot, vertex, drawing or row changes.
    state.setPoint(9, {-3, -3});
    state.clicks() = 1;
    const std::vector<QPoint> kept = vertices;
    for (FigureStep step : {FigureStep::Preview, FigureStep::Create}) {
        EXPECT_FALSE(
            RegularPolygonOnSide(doc, state, canvas, vertices, {5, 5}, {5, 5}, 6, {0, 0}, step));
        EXPECT_FALSE(
            RegularPolygonOnSide(doc, state, canvas, vertices, {0, 0}, {50, 0}, 2, {0, 9}, step));
    }
    EXPECT_EQ(state.point(9), QPoint(-3, -3));
    EXPECT_EQ(state.clicks(), 1);
    EXPECT_EQ(vertices, kept);
    EXPECT_TRUE(canvas.drewNothing());
    EXPECT_EQ(test::RowsInUse(doc.table), 1);
}

} // namespace
} // namespace kel
