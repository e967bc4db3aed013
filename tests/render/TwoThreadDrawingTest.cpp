#include "RandomDrawing.h"
#include "model/FakeUi.h"
#include "render/ImageResize.h"
#include "render/Renderer.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

// The straightforward replay: every row in turn on one canvas.
QImage OracleRedraw(Renderer& renderer, QSize size)
{
    RasterCanvas canvas(size);
    renderer.RenderCropArea(canvas, QPoint());
    return canvas.pixels();
}

// The straightforward Enhance Image: the whole picture at four times the
// size, then averaged down.
QImage OracleEnhance(Renderer& renderer, QSize size, bool gridDots)
{
    RasterCanvas large(size, 4);
    if (gridDots)
        for (int y = 0; y < size.height(); y += 10)
            for (int x = 0; x < size.width(); x += 10)
                large.setPixel({x, y}, 0x818181);
    renderer.RenderCropArea(large, QPoint());
    return ResizeBitmapPercent(25, large.pixels());
}

TEST(TwoThreadDrawingTest, SplitRedrawGivesTheOneThreadPixels)
{
    for (unsigned seed = 0; seed < 40; ++seed) {
        ObjectTable table;
        // Enough rows to split; fills, focus rectangles and labels keep it on
        // one thread.
        test::RandomDrawing(table, seed, 90, 70)
            .fill(300, seed % 8 ? test::RandomDrawing::Mix::DirectOnly
                                : test::RandomDrawing::Mix::Everything);
        test::FakeUi ui;
        CurrentAttributes current;
        Renderer renderer(table, current, ui);
        renderer.setGridDots(false);
        renderer.createBitmap(QSize(90, 70));
        renderer.RedrawAll();
        const QImage redrawn = renderer.bitmap().copy();
        const QString problem = renderer.lastProblem();
        const int skipped = renderer.lastSkippedRows();
        ASSERT_EQ(redrawn, OracleRedraw(renderer, QSize(90, 70))) << seed;
        EXPECT_EQ(problem, renderer.lastProblem()) << seed;
        EXPECT_EQ(skipped, renderer.lastSkippedRows()) << seed;
    }
}

TEST(TwoThreadDrawingTest, EnhanceInBandsGivesTheWholePicturesPixels)
{
    // Fills send the drawing the whole way; sizes below 10 are stretched.
    const QSize sizes[] = {{97, 61}, {64, 200}, {33, 9}};
    for (unsigned seed = 0; seed < 300; ++seed) {
        ObjectTable table;
        const QSize size = sizes[seed % 3];
        test::RandomDrawing(table, seed, size.width(), size.height())
            .fill(25, seed % 5 ? test::RandomDrawing::Mix::NoFills
                               : test::RandomDrawing::Mix::Everything);
        test::FakeUi ui;
        CurrentAttributes current;
        Renderer renderer(table, current, ui);
        renderer.setGridDots(seed % 2 == 0);
        renderer.createBitmap(size);
        renderer.enhanceImage();
        const QImage enhanced = renderer.bitmap().copy();
        const QString problem = renderer.lastProblem();
        ASSERT_EQ(enhanced, OracleEnhance(renderer, size, seed % 2 == 0)) << seed;
        EXPECT_EQ(problem, renderer.lastProblem()) << seed;
    }
}

} // namespace
} // namespace kel
