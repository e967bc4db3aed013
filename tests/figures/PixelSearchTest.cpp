#include "figures/PixelSearch.h"
#include "FigureTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace kel {
namespace {

QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(toQRgb(kWhite));
    return image;
}

// Counts inside the rectangle of slots 0 and 1, edges included and clipped
// to the bitmap; a pointer outside it answers -1 and leaves the count slot.
TEST(CountColourPixels, CountsInsideTheRectangleAndTheBitmapOnly)
{
    QImage image = WhiteImage(50, 40);
    const Colour red = 0x0000FF;
    for (int x = 10; x <= 20; ++x)
        image.setPixel(x, 10, toQRgb(red)); // 11 pixels on one row
    image.setPixel(5, 5, toQRgb(red));      // outside the rectangle
    image.setPixel(12, 12, toQRgb(0x0000FE));
    const struct {
        int left, top, right, bottom;
        QPoint pointer;
        Colour colour;
        int count;
    } cases[] = {
        {10, 10, 20, 30, {15, 15}, red, 11},
        {10, 10, 20, 30, {10, 30}, kWhite, 11 * 21 - 11 - 1},
        {5, 5, 5, 5, {5, 5}, red, 1},
        {-100, -100, 1000, 1000, {500, 500}, kWhite, 50 * 40 - 13},
        {2000, 2000, 3000, 3000, {2500, 2500}, kWhite, 0},
        {10, 10, 20, 30, {9, 15}, kWhite, -1},
        {10, 10, 20, 30, {15, 31}, kWhite, -1},
        {20, 10, 10, 30, {15, 15}, kWhite, -1}, // right < left: nothing is inside
    };
    for (const auto& c : cases) {
        ConstructionState state;
        state.setPoint(0, {c.left, c.top});
        state.setPoint(1, {c.right, c.bottom});
        state.slot[ConstructionState::kCount] = 77;
        EXPECT_EQ(CountColourPixels(state, image, c.pointer, c.colour), c.count) << c.pointer.x();
        EXPECT_EQ(state.slot[ConstructionState::kCount], c.count < 0 ? 77 : c.count);
    }
}

TEST(FindDrawnCrossing, FindsWhereTwoLinesCrossReadingInsideTheBitmapLessItsMargin)
{
    QImage image = WhiteImage(200, 200);
    {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(80, 100, 120, 100);
        painter.drawLine(100, 80, 100, 120);
    }
    ConstructionState state;
    state.setPoint(0, {90, 88}); // box 90..109 x 88..107
    EXPECT_EQ(FindDrawnCrossing(state, image), QPoint(100, 100));
    state.setPoint(0, {20, 20}); // blank
    EXPECT_FALSE(FindDrawnCrossing(state, image));

    QImage black(30, 30, QImage::Format_RGB32);
    black.fill(toQRgb(kBlack)); // drawn everywhere
    // The box hangs over the top-left corner: only x, y >= 1 count.
    state.setPoint(0, {-15, -15});
    const std::optional<QPoint> corner = FindDrawnCrossing(state, black);
    ASSERT_TRUE(corner);
    EXPECT_GE(corner->x(), 1);
    EXPECT_GE(corner->y(), 1);
    // Entirely off the bitmap: nothing to read, no answer.
    state.setPoint(0, {2147483600, -2147483600});
    EXPECT_FALSE(FindDrawnCrossing(state, black));
    // Only the outermost ring is drawn: the margin hides it.
    QImage frame = WhiteImage(30, 30);
    for (int k = 0; k < 30; ++k) {
        frame.setPixel(k, 0, toQRgb(kBlack));
        frame.setPixel(0, k, toQRgb(kBlack));
    }
    state.setPoint(0, {0, 0});
    EXPECT_FALSE(FindDrawnCrossing(state, frame));
}

} // namespace
} // namespace kel
