#include "render/RasterCanvas.h"
#include "PixelChecks.h"
#include "render/Hatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kel {
namespace {

using test::At;
using test::Count;
using test::InkBounds;
using test::kBlue;
using test::kRed;

constexpr CanvasPen kThinBlack{kBlack, 1, PenStyle::Solid};

class RasterCanvasTest : public ::testing::Test {
protected:
    RasterCanvas canvas{QSize(400, 300)};

    void SetUp() override { canvas.setPen(kThinBlack); }
    const QImage& image()
    {
        canvas.finish();
        return canvas.image();
    }
};

// --- Boxes -----------------------------------------------------------------

TEST_F(RasterCanvasTest, RectangleCoversLeftTopButNotRightBottomAndFillMeetsOutline)
{
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.rectangle(10, 20, 50, 60);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(10, 20), QPoint(49, 59)));
    EXPECT_EQ(At(image(), 10, 20), kBlack);
    EXPECT_EQ(At(image(), 49, 59), kBlack);
    EXPECT_EQ(At(image(), 11, 21), kRed);
    EXPECT_EQ(At(image(), 48, 58), kRed);
    EXPECT_EQ(Count(canvas, kRed), 38 * 38); // no gap between fill and outline
    EXPECT_EQ(Count(canvas, kBlack), 2 * 40 + 2 * 38);

    // fillRect keeps inside its box.
    canvas.setBrush({kBlue, BrushStyle::Solid});
    canvas.fillRect(10, 20, 50, 60);
    EXPECT_EQ(Count(canvas, kBlue), 40 * 40);
    EXPECT_EQ(InkBounds(image()), QRect(10, 20, 40, 40));
}

TEST_F(RasterCanvasTest, RoundRectCornerValueIsADiameter)
{
    canvas.roundRect(10, 10, 110, 110, 40, 40);
    EXPECT_EQ(InkBounds(image()), QRect(10, 10, 100, 100));
    EXPECT_EQ(At(image(), 60, 10), kBlack); // straight top edge
    EXPECT_EQ(At(image(), 10, 10), kWhite); // rounded corner
    EXPECT_EQ(At(image(), 35, 10), kBlack); // corners of radius 20, not 40
    EXPECT_EQ(At(image(), 20, 10), kWhite);
}

// --- Arcs ------------------------------------------------------------------

TEST_F(RasterCanvasTest, ArcRunsCounterClockwiseFromStartPointToEndPoint)
{
    canvas.arc(100, 100, 300, 300, QPoint(287, 150), QPoint(200, 100));
    const QRect ink = InkBounds(image());
    EXPECT_GE(ink.left(), 198);
    EXPECT_LE(ink.bottom(), 152);
    EXPECT_NEAR(ink.right(), 287, 2);
    EXPECT_NEAR(ink.top(), 100, 1);

    // The same points the other way round: the remaining 300 degrees.
    canvas.clear();
    canvas.arc(100, 100, 300, 300, QPoint(200, 100), QPoint(287, 150));
    EXPECT_EQ(At(image(), 100, 200), kBlack);                      // leftmost point
    EXPECT_EQ(Count(image(), QRect(265, 123, 12, 12), kBlack), 0); // 45 degrees
}

TEST_F(RasterCanvasTest, ArcAnglesAreMeasuredOnTheBoxNotAsPlainPolarAngles)
{
    // Box 400 x 200 centred on (200, 100). The start point lies in direction
    // 63.4 degrees on the unit circle the box stretches, but at 45 degrees
    // as a plain polar angle.
    canvas.arc(0, 0, 400, 200, QPoint(300, 0), QPoint(200, 0));
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.right(), 289, 3); // 200 + 200 cos 63.4
    EXPECT_GE(ink.left(), 198);
}

// --- Focus rectangle -------------------------------------------------------

TEST_F(RasterCanvasTest, FocusRectangleDrawnTwiceRestoresTheCanvas)
{
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.ellipse(20, 20, 120, 90);
    const QImage before = image().copy();
    canvas.focusRect(10, 10, 61, 41);
    const QImage once = image().copy();
    int changed = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (At(once, x, y) == At(before, x, y))
                continue;
            ++changed;
            EXPECT_TRUE(x == 10 || x == 60 || y == 10 || y == 40) << x << "," << y;
            EXPECT_EQ(At(once, x, y), At(before, x, y) ^ 0xFFFFFFu);
        }
    }
    EXPECT_NEAR(changed, (2 * 51 + 2 * 29) / 2, 2); // a dotted outline
    canvas.focusRect(10, 10, 61, 41);
    EXPECT_EQ(image(), before);

    // Corners and thin boxes are inverted once.
    canvas.clear();
    canvas.focusRect(10, 10, 11, 30); // one pixel wide: every pixel is a corner
    EXPECT_EQ(At(image(), 10, 10), kBlack);
    EXPECT_EQ(At(image(), 10, 12), kBlack);
    EXPECT_EQ(At(image(), 10, 11), kWhite);
    EXPECT_EQ(Count(canvas, kBlack), 10);
}

// --- Flood fill ------------------------------------------------------------

TEST_F(RasterCanvasTest, FloodFillStaysInsideATriangleOfDiagonalLines)
{
    canvas.line({20, 280}, {200, 20});
    canvas.line({200, 20}, {380, 280});
    canvas.line({380, 280}, {20, 280});
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.floodFill({200, 200}, kBlack);
    EXPECT_EQ(At(image(), 200, 200), kRed);
    EXPECT_EQ(At(image(), 200, 30), kRed);
    const QRect filled = InkBounds(image(), kWhite);
    EXPECT_EQ(filled, QRect(QPoint(20, 20), QPoint(380, 280))); // the lines' own box
}

TEST_F(RasterCanvasTest, FloodFillStopsOnlyAtTheExactBorderColour)
{
    canvas.setPen({0x000001, 1, PenStyle::Solid}); // almost black
    canvas.rectangle(50, 50, 100, 100);
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.floodFill({75, 75}, kBlack);
    // The outline is not the border colour: the whole canvas is one region.
    EXPECT_EQ(Count(canvas, kRed), 400 * 300);

    // Seeds outside or on the border are ignored.
    canvas.clear();
    canvas.setPen(kThinBlack);
    canvas.rectangle(50, 50, 100, 100);
    const QImage before = image().copy();
    canvas.floodFill({50, 60}, kBlack);
    canvas.floodFill({-1, 60}, kBlack);
    canvas.floodFill({400, 60}, kBlack);
    EXPECT_EQ(image(), before);
}

TEST_F(RasterCanvasTest, HatchFillTerminatesAndPaintsTheAnchoredPattern)
{
    canvas.rectangle(20, 20, 100, 100);
    canvas.setBrush({kBlue, BrushStyle::Horizontal});
    canvas.floodFill({50, 50}, kBlack);
    for (int y = 21; y < 99; ++y)
        EXPECT_EQ(At(image(), 50, y), y % 8 == 0 ? kBlue : kWhite) << y;
    // A second hatch over the first still ends: the region is found first.
    canvas.setBrush({kRed, BrushStyle::DiagonalCross});
    canvas.floodFill({50, 50}, kBlack);
    EXPECT_GT(Count(canvas, kRed), 0);
    EXPECT_EQ(At(image(), 10, 10), kWhite);
}

// --- Hatches ---------------------------------------------------------------

TEST_F(RasterCanvasTest, HatchesAreAnchoredAtTheCanvasOriginWhateverTheShape)
{
    for (const BrushStyle style :
         {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::ForwardDiagonal,
          BrushStyle::BackwardDiagonal, BrushStyle::Cross, BrushStyle::DiagonalCross}) {
        canvas.clear();
        canvas.setBrush({kBlue, style});
        canvas.fillRect(3, 5, 40, 40);
        canvas.setPen({kWhite, 1, PenStyle::Solid});
        canvas.rectangle(50, 7, 90, 45); // white outline, hatched inside
        for (int y = 8; y < 39; ++y) {
            for (int x = 4; x < 39; ++x)
                ASSERT_EQ(At(image(), x, y) == kBlue, HatchCovers(style, x, y)) << x << "," << y;
            for (int x = 51; x < 89; ++x)
                ASSERT_EQ(At(image(), x, y) == kBlue, HatchCovers(style, x, y)) << x << "," << y;
        }
    }
}

// --- Pixels, pictures, layers and scale ------------------------------------

TEST_F(RasterCanvasTest, PixelsOutsideReadAsNothingAndIgnoreWrites)
{
    canvas.setPixel({3, 4}, kRed);
    EXPECT_EQ(canvas.pixel({3, 4}), kRed);
    EXPECT_EQ(canvas.pixel({-1, 4}), std::nullopt);
    const QImage before = image().copy();
    canvas.setPixel({400, 300}, kRed);
    canvas.setPixel({std::numeric_limits<int>::min(), 0}, kRed);
    EXPECT_EQ(image(), before);
}

TEST_F(RasterCanvasTest, PicturesAreDrawnUnscaledOrStretchedIntoTheirBox)
{
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(toQRgb(kRed));
    canvas.drawImage({10, 20}, picture);
    EXPECT_EQ(InkBounds(image()), QRect(10, 20, 4, 2));
    canvas.clear();
    canvas.stretchImage(QRect(QPoint(100, 100), QPoint(139, 119)), picture);
    EXPECT_EQ(InkBounds(image()), QRect(100, 100, 40, 20));
    canvas.clear();
    canvas.drawImage({std::numeric_limits<int>::max() - 1, 0}, picture);
    canvas.stretchImage(QRect(QPoint(std::numeric_limits<int>::min(), 10),
                              QPoint(std::numeric_limits<int>::max(), 11)),
                        picture);
    EXPECT_EQ(InkBounds(image()), QRect(0, 10, 400, 2));
}

TEST(RasterCanvasLayer, DrawsOverItsBackdropWithoutTouchingIt)
{
    RasterCanvas bitmap(QSize(100, 80));
    bitmap.setPen(kThinBlack);
    bitmap.rectangle(10, 10, 50, 50);
    bitmap.finish();
    const QImage original = bitmap.image().copy();

    RasterCanvas layer(QSize(100, 80), &bitmap.image());
    EXPECT_EQ(layer.pixel({10, 10}), kBlack); // sees the backdrop
    layer.setBrush({kRed, BrushStyle::Solid});
    layer.floodFill({30, 30}, kBlack); // bounded by the backdrop's outline
    EXPECT_EQ(layer.pixel({30, 30}), kRed);
    EXPECT_EQ(layer.pixel({70, 70}), kWhite);
    layer.focusRect(0, 0, 20, 20);
    layer.focusRect(0, 0, 20, 20);
    EXPECT_EQ(layer.pixel({10, 10}), kBlack);
    EXPECT_EQ(layer.pixel({0, 0}), kWhite);
    bitmap.finish();
    EXPECT_EQ(bitmap.image(), original);
    layer.finish();
    EXPECT_EQ(qAlpha(layer.image().pixel(70, 70)), 0); // the untouched area stays clear
}

TEST(RasterCanvasScale, SizeIsInUnitsAndAPixelCoversScaleTimesScale)
{
    RasterCanvas big(QSize(50, 40), 4);
    EXPECT_EQ(big.size(), QSize(50, 40));
    EXPECT_EQ(big.image().size(), QSize(200, 160));
    big.setPixel({1, 1}, kBlue);
    EXPECT_EQ(Count(big.image(), big.image().rect(), kBlue), 16);
}

// --- Shapes far beyond the canvas ------------------------------------------

TEST_F(RasterCanvasTest, FarShapesShowTheirVisiblePartOnly)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    canvas.line({kMin, kMin}, {kMax, kMax}); // the main diagonal
    EXPECT_EQ(At(image(), 100, 100), kBlack);
    EXPECT_EQ(At(image(), 101, 100), kWhite);

    // A circle of radius about a thousand million whose leftmost point is
    // (150, 150).
    canvas.clear();
    const int r = 1000000000;
    canvas.ellipse(150, 150 - r, 150 + 2 * r + 1, 150 + r + 1);
    EXPECT_EQ(At(image(), 150, 150), kBlack);
    EXPECT_EQ(At(image(), 149, 150), kWhite);
    EXPECT_EQ(At(image(), 160, 150), kWhite);

    // A polygon around the whole canvas fills all of it.
    canvas.clear();
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.polygon({{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}});
    EXPECT_EQ(Count(canvas, kRed), 400 * 300);
}

TEST_F(RasterCanvasTest, BezierFromFourPointsIsACubic)
{
    canvas.bezier({{10, 100}, {110, 100}, {210, 100}, {310, 100}});
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(10, 100), QPoint(310, 100)));
    canvas.clear();
    canvas.bezier({{10, 200}, {10, 0}, {310, 0}, {310, 200}});
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.top(), 50, 1); // the top of this arch is at 3/4 of the controls' height
    EXPECT_EQ(ink.bottom(), 200);
}

} // namespace
} // namespace kel
