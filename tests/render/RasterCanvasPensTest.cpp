#include "PixelChecks.h"
#include "render/RasterCanvas.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

using test::At;
using test::Count;
using test::InkBounds;
using test::kRed;

QImage Drawn(RasterCanvas& canvas)
{
    canvas.finish();
    return canvas.image();
}

TEST(RasterCanvasPens, DottedCurvesLeaveGapsAlongTheWholeOutline)
{
    RasterCanvas solid(QSize(200, 200)), dotted(QSize(200, 200));
    solid.setPen({kBlack, 1, PenStyle::Solid});
    dotted.setPen({kBlack, 1, PenStyle::Dotted});
    for (RasterCanvas* canvas : {&solid, &dotted}) {
        canvas->ellipse(20, 20, 181, 141);
        canvas->arc(40, 150, 160, 190, {160, 170}, {40, 170}); // upper half
    }
    const int full = Count(Drawn(solid), QRect(0, 0, 200, 200), kBlack);
    const int dots = Count(Drawn(dotted), QRect(0, 0, 200, 200), kBlack);
    EXPECT_GT(dots, full * 35 / 100);
    EXPECT_LT(dots, full * 65 / 100);
    EXPECT_EQ(InkBounds(Drawn(dotted)).left(), 20); // still the same size
    EXPECT_EQ(InkBounds(Drawn(dotted)).right(), 180);
}

TEST(RasterCanvasPens, WidePensAreCentredOnTheOutlineWithRoundEnds)
{
    RasterCanvas canvas(QSize(300, 200));
    canvas.setPen({kBlack, 9, PenStyle::Solid});
    canvas.line({50, 50}, {150, 50});
    const QImage line = Drawn(canvas);
    EXPECT_EQ(InkBounds(line), QRect(QPoint(46, 46), QPoint(154, 54)));
    EXPECT_EQ(At(line, 46, 50), kBlack);  // the round end
    EXPECT_EQ(At(line, 46, 46), kWhite);  // its corner cut off
    EXPECT_EQ(At(line, 100, 46), kBlack); // the band is straight

    canvas.clear();
    canvas.setPen({kRed, 3, PenStyle::Solid});
    canvas.ellipse(100, 50, 201, 151); // a circle of radius 50 about (150, 100)
    const QImage ring = Drawn(canvas);
    for (const int x : {99, 100, 101})
        EXPECT_EQ(At(ring, x, 100), kRed) << x;
    EXPECT_EQ(At(ring, 98, 100), kWhite);
    EXPECT_EQ(At(ring, 102, 100), kWhite);
    EXPECT_EQ(At(ring, 150, 100), kWhite);
}

TEST(RasterCanvasPens, ShapesAtScaleFourCoverFourTimesTheirPixels)
{
    RasterCanvas plain(QSize(60, 40)), big(QSize(60, 40), 4);
    for (RasterCanvas* canvas : {&plain, &big}) {
        canvas->setPen({kBlack, 1, PenStyle::Solid});
        canvas->setBrush({kRed, BrushStyle::Solid});
        canvas->ellipse(10, 10, 20, 20);
        canvas->rectangle(30, 5, 50, 15);
        canvas->polygon({{5, 25}, {25, 25}, {15, 35}});
    }
    const QRect small = InkBounds(Drawn(plain));
    const QRect large = InkBounds(Drawn(big));
    EXPECT_EQ(large, QRect(small.topLeft() * 4, small.size() * 4));
    // Inside the rectangle and on its straight outline every unit pixel
    // becomes a block of four by four in its colour (the pen's round joins
    // round the corners off).
    for (int y = 5; y < 15; ++y) {
        for (int x = 30; x < 50; ++x) {
            if ((x == 30 || x == 49) && (y == 5 || y == 14))
                continue;
            const QRect block(4 * x, 4 * y, 4, 4);
            EXPECT_EQ(Count(Drawn(big), block, At(Drawn(plain), x, y)), 16) << x << "," << y;
        }
    }
}

TEST(RasterCanvasPens, DottedPenAtScaleFourKeepsOneUnitDots)
{
    RasterCanvas big(QSize(40, 10), 4);
    big.setPen({kBlack, 1, PenStyle::Dotted});
    big.line({2, 5}, {30, 5});
    const QImage image = Drawn(big);
    const int y = 4 * 5 + 1;
    // Dots and gaps of four pixels each along the line.
    int runs = 0;
    for (int x = 4 * 2; x < 4 * 30; ++x)
        runs += At(image, x, y) != At(image, x + 1, y);
    EXPECT_GE(runs, 26);
    EXPECT_LE(runs, 29);
    EXPECT_EQ(At(image, 4 * 2, y), kBlack);
    EXPECT_EQ(At(image, 4 * 2 + 3, y), kBlack);
    EXPECT_EQ(At(image, 4 * 2 + 4, y), kWhite);
}

} // namespace
} // namespace kel
