#include "figures/TrianglesOnBase.h"
#include "FigureTestSupport.h"
#include "figures/Measures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kel {
namespace {

class TriangleOnBaseTest : public ::testing::Test {
protected:
    void setBase(QPoint a, QPoint b)
    {
        state.setPoint(0, a);
        state.setPoint(1, b);
    }
    QPoint apex() const { return state.point(2); }
    int verdict() const { return state.slot[22]; }

    // Nothing drawn, the apex slots as they were, the verdict -1.
    void expectRefused(bool answer)
    {
        EXPECT_FALSE(answer);
        EXPECT_EQ(verdict(), -1);
        EXPECT_EQ(apex(), QPoint(-7, -7));
        EXPECT_TRUE(canvas.lines.empty());
    }

    ConstructionState state;
    CurrentAttributes current;
    test::FakeCanvas canvas;
};

TEST_F(TriangleOnBaseTest, SideSideSidePutsTheApexOnThePointersSideWithFivePixelsToSpare)
{
    setBase({100, 300}, {300, 300});
    current.penWidth = 4;
    current.penColour = 0x0000AA;
    ASSERT_TRUE(TriangleOnBaseSSS(state, canvas, current, {150, 100}, 150, 120));
    EXPECT_EQ(verdict(), 1);
    EXPECT_LT(apex().y(), 300);
    EXPECT_NEAR(test::Distance(apex(), {100, 300}), 150, 1.5);
    EXPECT_NEAR(test::Distance(apex(), {300, 300}), 120, 1.5);
    const std::vector<test::LineRecord> sides{{{100, 300}, apex()}, {{300, 300}, apex()}};
    EXPECT_EQ(test::DrawnLines(canvas), sides);
    for (const auto& line : canvas.lines)
        EXPECT_EQ(test::Show(line.pen), test::Show(CanvasPen{0x0000AA, 4, PenStyle::Solid}));
    const QPoint above = apex();

    ASSERT_TRUE(TriangleOnBaseSSS(state, canvas, current, {150, 500}, 150, 120));
    EXPECT_EQ(apex(), QPoint(above.x(), 600 - above.y()));

    canvas.lines.clear();
    setBase({0, 0}, {100, 0});
    state.setPoint(2, {-7, -7});
    state.slot[22] = 1;
    // The circles still meet at |AB| + 4, but the triangle is refused.
    expectRefused(TriangleOnBaseSSS(state, canvas, current, {50, -50}, 54, 50));
    expectRefused(TriangleOnBaseSSS(state, canvas, current, {50, -50}, 300, 50));
    expectRefused(TriangleOnBaseSSS(state, canvas, current, {50, -50}, 0, 200));
    EXPECT_TRUE(TriangleOnBaseSSS(state, canvas, current, {50, -50}, 55, 50));
    EXPECT_EQ(verdict(), 1);
    EXPECT_LT(apex().y(), 0);

    // Side by side centres: the lower point comes first, so a tie gives the
    // upper one.
    setBase({0, 0}, {100, 0});
    ASSERT_TRUE(TriangleOnBaseSSS(state, canvas, current, {50, 0}, 80, 80));
    EXPECT_EQ(apex().x(), 50);
    EXPECT_LT(apex().y(), 0);
}

TEST_F(TriangleOnBaseTest, AngleSideAngleRefusalsMarkTheTriangleInvalid)
{
    setBase({0, 0}, {200, 0});
    // A valid preview first: a later refusal must not leave its verdict for
    // the click to use.
    ASSERT_TRUE(TriangleOnBaseASA(state, canvas, current, {100, 300}, 50, 50));
    ASSERT_EQ(verdict(), 1);
    state.setPoint(2, {-7, -7});
    canvas.lines.clear();
    expectRefused(TriangleOnBaseASA(state, canvas, current, {100, 300}, 3, 60));
    state.slot[22] = 1;
    expectRefused(TriangleOnBaseASA(state, canvas, current, {100, 300}, 60, 3));
    state.slot[22] = 1;
    expectRefused(TriangleOnBaseASA(state, canvas, current, {100, 300}, 88, 88));
    // A base of no length has no triangle.
    setBase({40, 40}, {40, 40});
    state.slot[22] = 1;
    expectRefused(TriangleOnBaseASA(state, canvas, current, {0, 0}, 60, 60));
}

TEST_F(TriangleOnBaseTest, RandomApexesLieOnTheirCirclesOnThePointersSide)
{
    std::mt19937 random(33);
    std::uniform_int_distribution<int> coord(-2000, 2000);
    std::uniform_int_distribution<int> angle(4, 90);
    int checked = 0;
    for (int n = 0; n < 3000; ++n) {
        const QPoint a(coord(random), coord(random));
        const QPoint b(coord(random), coord(random));
        const QPoint pointer(coord(random), coord(random));
        setBase(a, b);
        const double side = test::Distance(a, b);
        if (side < 50 || test::DistanceToLine(pointer, a, b) < 5)
            continue;
        const int angleA = angle(random), angleB = angle(random);
        const bool made = TriangleOnBaseASA(state, canvas, current, pointer, angleA, angleB);
        ASSERT_EQ(made, angleA + angleB < 176);
        if (!made)
            continue;
        ++checked;
        const double rad = M_PI / 180;
        const double apexAngle = (180 - angleA - angleB) * rad;
        const double toA = side * std::sin(angleB * rad) / std::sin(apexAngle);
        const double toB = side * std::sin(angleA * rad) / std::sin(apexAngle);
        // The base length is rounded before the law of sines.
        ASSERT_NEAR(test::Distance(apex(), a), toA, 1.5 + toA / side * 0.5);
        ASSERT_NEAR(test::Distance(apex(), b), toB, 1.5 + toB / side * 0.5);
        // Same side of the base as the pointer.
        auto cross = [&](QPoint p) {
            return double(b.x() - a.x()) * (p.y() - a.y()) -
                   double(b.y() - a.y()) * (p.x() - a.x());
        };
        if (test::DistanceToLine(apex(), a, b) > 2) {
            ASSERT_GT(cross(apex()) * cross(pointer), 0);
        }
    }
    EXPECT_GT(checked, 1000);
}

} // namespace
} // namespace kel
