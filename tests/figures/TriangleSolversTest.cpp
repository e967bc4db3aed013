#include "figures/TriangleSolvers.h"
#include "FigureTestSupport.h"
#include "model/Controls.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <tuple>

namespace kel {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x008000;
constexpr Colour kBlue = 0xFF0000;
class TriangleSolverTest : public ::testing::Test {
protected:
    void expectInvalid(const TriangleResult& result, const char* text)
    {
        EXPECT_EQ(result.code, 4);
        EXPECT_FALSE(result.valid());
        EXPECT_EQ(result.status, text);
        EXPECT_EQ(result.statusColour(), kRed);
        EXPECT_TRUE(canvas.drewNothing());
        EXPECT_EQ(test::RowsInUse(doc.table), 0);
    }

    test::FakeUi ui;
    Document doc{ui};
    test::FakeCanvas canvas;
};

// Corners, then the angles at A, B and C.
std::string Show(const TriangleResult& t)
{
    return test::Show(t.pointA) + test::Show(t.pointB) + test::Show(t.apex) + ' ' +
           std::to_string(t.angleA) + ' ' + std::to_string(t.angleB) + ' ' +
           std::to_string(t.angleC);
}

TEST_F(TriangleSolverTest, ThreeFourFiveTriangleHasARightAngleAtTheApex)
{
    const TriangleResult up =
        TriangleFromSides(doc, canvas, FigureStep::Preview, {200, 300}, 30, 50, 40, true);
    EXPECT_EQ(up.code, 0);
    EXPECT_EQ(up.status, "Valid Triangle");
    EXPECT_EQ(up.statusColour(), kBlack);
    EXPECT_EQ(Show(up), "(200,300)(250,300)(232,276) 37 53 90");
    EXPECT_EQ(
        TriangleFromSides(doc, canvas, FigureStep::Preview, {200, 300}, 30, 50, 40, false).apex,
        QPoint(232, 324));
    EXPECT_EQ(test::RowsInUse(doc.table), 0);

    // The preview draws the sides in red, green and blue and puts the pen back.
    canvas.lines.clear();
    doc.current.penWidth = 3;
    const CanvasPen before{0x00AA00, 7, PenStyle::Dotted};
    canvas.setPen(before);
    const TriangleResult t =
        TriangleFromSides(doc, canvas, FigureStep::Preview, {0, 100}, 30, 50, 40, true);
    ASSERT_TRUE(t.valid());
    const std::vector<test::LineRecord> sides{
        {t.apex, t.pointA}, {t.apex, t.pointB}, {t.pointA, t.pointB}};
    EXPECT_EQ(test::DrawnLines(canvas), sides);
    const Colour colours[] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(test::Show(canvas.lines.at(i).pen),
                  test::Show(CanvasPen{colours[i], 3, PenStyle::Solid}));
    EXPECT_EQ(test::Show(canvas.pen()), test::Show(before));

    // A pen width of 0 previews one-pixel dotted lines.
    canvas.lines.clear();
    doc.current.penWidth = 0;
    TriangleFromSides(doc, canvas, FigureStep::Preview, {0, 100}, 30, 50, 40, true);
    ASSERT_EQ(canvas.lines.size(), 3u);
    for (const auto& line : canvas.lines) {
        EXPECT_EQ(line.pen.style, PenStyle::Dotted);
        EXPECT_EQ(line.pen.width, 1);
    }
}

// Sides that cannot meet, impossible or flat angles, missing sides and a
// base that leaves the plane: invalid, nothing drawn or appended.
TEST_F(TriangleSolverTest, ImpossibleTrianglesAreInvalid)
{
    using Solver = TriangleResult (*)(Document&, Canvas&, FigureStep, QPoint, int, int, int, bool);
    const std::vector<std::tuple<int, int, int>> flat = {
        {100, 1, 100}, {100, 179, 100}, {100, 0, 100}, {100, -30, 100}, {100, 200, 100}};
    const struct {
        Solver solve;
        const char* status;
        std::vector<std::tuple<int, int, int>> values;
    } cases[] = {
        {TriangleFromSides,
         "Invalid Triangle",
         {{1, 10, 1}, {10, 80, 10}, {0, 50, 50}, {50, 0, 50}, {50, 50, 0}, {50, -60, 50}}},
        {TriangleFromASA,
         "Invalid Triangle ",
         {{90, 100, 90}, {179, 100, 0}, {0, 100, 179}, {100, 100, 80}, {120, 100, 60}}},
        // Two sides of 1 at 2 degrees leave a third side that rounds to 0.
        {TriangleFromSASLeft, "Invalid Triangle ", {{1, 2, 1}}},
        {TriangleFromSASLeft, "Invalid Triangle ", flat},
        {TriangleFromSASRight, "Invalid Triangle ", flat},
    };
    for (const auto& c : cases) {
        for (const auto& [p, q, r] : c.values) {
            SCOPED_TRACE(testing::Message() << p << " " << q << " " << r);
            for (FigureStep step : {FigureStep::Preview, FigureStep::Create})
                expectInvalid(c.solve(doc, canvas, step, {0, 100}, p, q, r, true), c.status);
        }
    }
    expectInvalid(
        TriangleFromSides(doc, canvas, FigureStep::Create, {INT_MAX - 10, 0}, 40, 50, 30, true),
        "Invalid Triangle");
}

TEST_F(TriangleSolverTest, AngleSideAngleComputesTheOtherTwoSides)
{
    const TriangleResult t =
        TriangleFromASA(doc, canvas, FigureStep::Preview, {100, 400}, 60, 100, 60, true);
    ASSERT_TRUE(t.valid());
    EXPECT_EQ(std::tie(t.sideA, t.sideB, t.angleC), std::tuple(100, 100, 60));
    EXPECT_NEAR(test::Distance(t.apex, t.pointA), 100, 1.5);
    // 30 and 90 degrees on a base of 100: a = 100 sin 30 / sin 60 = 58,
    // b = 100 / sin 60 = 115.
    const TriangleResult r =
        TriangleFromASA(doc, canvas, FigureStep::Preview, {100, 400}, 30, 100, 90, false);
    ASSERT_TRUE(r.valid());
    EXPECT_EQ(std::tie(r.sideA, r.sideB), std::tuple(58, 115));
}

TEST_F(TriangleSolverTest, SideAngleSideOnTheLeftAndOnTheRight)
{
    // b = 80 at a right angle on a base of 60: a = 100, C = 37, B = 53.
    const TriangleResult r =
        TriangleFromSASLeft(doc, canvas, FigureStep::Preview, {50, 300}, 80, 90, 60, true);
    ASSERT_TRUE(r.valid());
    EXPECT_EQ(std::tie(r.sideA, r.angleC, r.angleB), std::tuple(100, 37, 53));
    EXPECT_EQ(r.apex, QPoint(50, 220));

    // a = 80 at a right angle at B on a base of 60: b = 100, C = 37, A = 53.
    const TriangleResult right =
        TriangleFromSASRight(doc, canvas, FigureStep::Create, {50, 300}, 80, 90, 60, false);
    ASSERT_TRUE(right.valid());
    EXPECT_EQ(right.apex, QPoint(110, 380));
    EXPECT_EQ(test::LineRows(doc.table).size(), 3u);
}

TEST_F(TriangleSolverTest, SideAngleSideOnTheRightMirrorsTheLeft)
{
    const std::tuple<int, int, int> cases[] = {
        {80, 90, 60}, {100, 30, 150}, {40, 120, 70}, {200, 2, 190}, {1, 2, 1}};
    const QPoint start(50, 300);
    for (auto [side, angle, c] : cases) {
        SCOPED_TRACE(testing::Message() << side << " " << angle << " " << c);
        const TriangleResult l =
            TriangleFromSASLeft(doc, canvas, FigureStep::Preview, start, side, angle, c, true);
        const TriangleResult r =
            TriangleFromSASRight(doc, canvas, FigureStep::Preview, start, side, angle, c, true);
        EXPECT_EQ(l.valid(), r.valid());
        EXPECT_EQ(l.status, r.status);
        EXPECT_EQ(std::tie(l.sideA, l.sideB, l.sideC), std::tie(r.sideB, r.sideA, r.sideC));
        EXPECT_EQ(std::tie(l.angleA, l.angleB, l.angleC), std::tie(r.angleB, r.angleA, r.angleC));
        if (l.valid()) {
            EXPECT_NEAR(l.apex.x() - start.x(), start.x() + c - r.apex.x(), 1);
            EXPECT_EQ(l.apex.y(), r.apex.y());
        }
    }
}

TEST_F(TriangleSolverTest, RandomTrianglesFromSidesMatchADoubleReference)
{
    std::mt19937 random(4);
    std::uniform_int_distribution<int> side(1, 998);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    int made = 0;
    for (int n = 0; n < 4000; ++n) {
        const int a = side(random), b = side(random), c = side(random);
        const QPoint start(coord(random), coord(random));
        const bool above = n % 2 == 0;
        const TriangleResult t =
            TriangleFromSides(doc, canvas, FigureStep::Preview, start, a, c, b, above);
        const bool possible = a + b > c + 2 && b + c > a + 2 && a + c > b + 2;
        const bool impossible = a + b < c - 1 || b + c < a - 1 || a + c < b - 1;
        if (possible || impossible) {
            ASSERT_EQ(t.valid(), possible) << a << " " << b << " " << c;
        }
        if (!t.valid())
            continue;
        ++made;
        ASSERT_EQ(t.status, "Valid Triangle");
        ASSERT_EQ(t.pointB, QPoint(start.x() + c, start.y()));
        if (above) {
            ASSERT_LE(t.apex.y(), start.y());
        } else {
            ASSERT_GE(t.apex.y(), start.y());
        }
        // Well-shaped triangles: the apex at its distances, the angles drawn.
        if (a + b > c + 20 && b + c > a + 20 && a + c > b + 20 && std::min({a, b, c}) > 40) {
            ASSERT_NEAR(test::Distance(t.apex, t.pointA), b, 1.5);
            ASSERT_NEAR(test::Distance(t.apex, t.pointB), a, 1.5);
            ASSERT_NEAR(t.angleA, test::AngleDegrees(t.pointA, t.pointB, t.apex), 3.5);
            ASSERT_NEAR(t.angleB, test::AngleDegrees(t.pointB, t.pointA, t.apex), 3.5);
            ASSERT_NEAR(t.angleC, test::AngleDegrees(t.apex, t.pointA, t.pointB), 3.5);
        }
        ASSERT_NEAR(t.angleA + t.angleB + t.angleC, 180, 1);
    }
    EXPECT_GT(made, 500);
}

} // namespace
} // namespace kel
