#include "render/CurveDrawers.h"
#include "DrawerFixture.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace kel {
namespace {

using test::Colours;
using test::Count;
using test::InkBounds;
using test::kRed;

// Bezier and polynomial curve records drawn from rows of a table.
class CurveRecords : public test::DrawerTest {
protected:
    const BoundDrawer bezier{*this, DrawBezierRecord};
    const BoundDrawer polynomial{*this, DrawPolynomialRecord};
    bool blank() { return Colours(image()) == std::set<Colour>{kWhite}; }
};

// --- Bezier curves -----------------------------------------------------------

TEST_F(CurveRecords, BezierPassesThroughItsTwoMiddlePoints)
{
    row(1, "B|00000001|50 50 80 80 110 80 140 50");
    ASSERT_FALSE(bezier(1));
    for (const QPoint p : {QPoint(50, 50), QPoint(80, 80), QPoint(110, 80), QPoint(140, 50)})
        EXPECT_TRUE(inkNear(p)) << p.x() << "," << p.y();
    // The lowest point, at t = 1/2, is three quarters of the controls' 45.
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.bottom(), 50 + 33.75, 1);
    // Not the control polygon: nothing near the controls themselves.
    EXPECT_FALSE(inkNear({80, 95}, kBlack, 3));
}

TEST_F(CurveRecords, BezierWithOtherThanFourPointsIsLeftOut)
{
    for (const char* list : {"", "1 2 3 4 5 6", "10 10 20 20 30 30 40 40 50 50"}) {
        row(1, QStringLiteral("B|00000003|") + QString::fromLatin1(list));
        const std::optional<QString> why = bezier(1);
        ASSERT_TRUE(why) << list;
        EXPECT_FALSE(why->isEmpty());
    }
    EXPECT_TRUE(blank());
    // An unpaired last number is ignored: four points and one more number.
    row(1, "B|00000001|50 50 80 80 110 80 140 50 99");
    EXPECT_FALSE(bezier(1));
    EXPECT_FALSE(blank());
}

TEST_F(CurveRecords, BezierWithFarControlsStillDrawsWhatReachesTheCanvas)
{
    // Q1 and Q2 at the ends of the range: controls of about 9e9, beyond
    // 32 bits; the curve stays on y = 150 and crosses the canvas.
    row(1, QStringLiteral("B|00000001|0 150 %1 150 %2 150 0 150").arg(kMax).arg(kMin));
    ASSERT_FALSE(bezier(1));
    EXPECT_EQ(InkBounds(image()), QRect(0, 150, 400, 1));

    // Shifted past the range: left out.
    row(2, QStringLiteral("B|00000001|%1 0 0 0 10 10 20 20").arg(kMin));
    EXPECT_TRUE(bezier(2, {1, 0}));
}

TEST_F(CurveRecords, BezierHighlightIsRedOrBlackAndOneWider)
{
    row(1, "B|00FF0001|50 50 80 80 110 80 140 50");
    ASSERT_FALSE(bezier(1));
    const int normal = Count(canvas, 0x00FF00);
    ASSERT_GT(normal, 0);
    canvas.clear();
    ASSERT_FALSE(bezier(1, {}, true));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kRed, kWhite}));
    EXPECT_GT(Count(canvas, kRed), normal + normal / 2);

    canvas.clear();
    row(1, "B|0000FF02|50 50 80 80 110 80 140 50");
    ASSERT_FALSE(bezier(1, {}, true));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kBlack, kWhite}));
}

// --- Polynomial curves -------------------------------------------------------

TEST_F(CurveRecords, PolynomialPointCountsAndSharedColumns)
{
    // One column twice: nothing drawn, and nothing wrong with the row.
    row(1, "K|00000001|5 1 5 9");
    EXPECT_FALSE(polynomial(1));

    // Too few and too many points: left out.
    row(2, "K|00000001|5 5");
    EXPECT_TRUE(polynomial(2));
    QStringList many;
    for (int i = 0; i < 27; ++i)
        many << QString::number(10 + i * 10) << QString::number(100 + (i % 2) * 5);
    row(3, QStringLiteral("K|00000001|") + many.join(' '));
    EXPECT_TRUE(polynomial(3));
    EXPECT_TRUE(blank());

    // 26 points are fine.
    many.removeLast();
    many.removeLast();
    row(3, QStringLiteral("K|00000001|") + many.join(' '));
    EXPECT_FALSE(polynomial(3));
    EXPECT_FALSE(blank());
}

TEST_F(CurveRecords, PolynomialOffsetAndHighlight)
{
    row(1, "K|0000FF01|100 100 150 180 200 120 250 60");
    ASSERT_FALSE(polynomial(1));
    const QImage plain = image().copy();
    const int normal = Count(canvas, kRed);
    ASSERT_GT(normal, 0);

    // Shifted by the offset, point for point.
    canvas.clear();
    ASSERT_FALSE(polynomial(1, {30, 20}));
    EXPECT_EQ(InkBounds(image()), InkBounds(plain).translated(-30, -20));

    // A red curve is highlighted black, one pixel wider.
    canvas.clear();
    ASSERT_FALSE(polynomial(1, {}, true));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kBlack, kWhite}));
    EXPECT_GT(Count(canvas, kBlack), normal + normal / 2);
}

TEST_F(CurveRecords, GraphDrawerTurnsAboutItsCentre)
{
    const std::vector<QPoint> points{{100, 150}, {300, 150}};
    ASSERT_TRUE(DrawPolynomialGraph(canvas, current, points, 90, {200, 150}));
    // The horizontal segment turned upright through the centre.
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.left(), 200, 1);
    EXPECT_NEAR(ink.top(), 50, 1);
    EXPECT_NEAR(ink.bottom(), 250, 1);
    const std::vector<QPoint> column{{100, 150}, {100, 10}};
    EXPECT_FALSE(DrawPolynomialGraph(canvas, current, column));
}

} // namespace
} // namespace kel
