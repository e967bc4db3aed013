#include "render/CurveDrawers.h"
#include "DrawerFixture.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace kel {
namespace {

using test::Colours;
using test::InkBounds;

class CurveRecords : public test::DrawerTest {
protected:
    const BoundDrawer bezier{*this, DrawBezierRecord};
    const BoundDrawer polynomial{*this, DrawPolynomialRecord};
    bool blank() { return Colours(image()) == std::set<Colour>{kWhite}; }
};

TEST_F(CurveRecords, BezierPassesThroughItsMiddlePointsAndFarControlsStillDrawWhatReachesTheCanvas)
{
    row(1, "B|00000001|50 50 80 80 110 80 140 50");
    ASSERT_FALSE(bezier(1));
    for (const QPoint p : {QPoint(50, 50), QPoint(80, 80), QPoint(110, 80), QPoint(140, 50)})
        EXPECT_TRUE(inkNear(p)) << p.x() << "," << p.y();
    // The lowest point, at t = 1/2, is three quarters of the controls' 45.
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.bottom(), 50 + 33.75, 1);

    canvas.clear();
    // Controls of about 9e9, beyond 32 bits; the curve stays on y = 150.
    row(1, QStringLiteral("B|00000001|0 150 %1 150 %2 150 0 150").arg(kMax).arg(kMin));
    ASSERT_FALSE(bezier(1));
    EXPECT_EQ(InkBounds(image()), QRect(0, 150, 400, 1));

    // Shifted past the range: left out.
    row(2, QStringLiteral("B|00000001|%1 0 0 0 10 10 20 20").arg(kMin));
    EXPECT_TRUE(bezier(2, {1, 0}));
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

} // namespace
} // namespace kel
