#include "render/ImageResize.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

// Blocks of 4 x 4 pixels: in each block, red is 0 in the left half and 255
// in the right half, green is the block's number, blue is 1 in the top half
// and 2 in the bottom half.
QImage Blocks(int blocksWide, int blocksHigh)
{
    QImage image(blocksWide * 4, blocksHigh * 4, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(
                x, y, qRgb(x % 4 < 2 ? 0 : 255, (y / 4) * blocksWide + x / 4, y % 4 < 2 ? 1 : 2));
    return image;
}

TEST(ResizeBitmapPercent, QuarterSizeAveragesEachFourByFourBlock)
{
    const QImage result = ResizeBitmapPercent(25, Blocks(12, 10));
    ASSERT_EQ(result.size(), QSize(12, 10));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            const QRgb p = result.pixel(x, y);
            EXPECT_EQ(qRed(p), 127); // 127.5 truncated
            EXPECT_EQ(qGreen(p), y * 12 + x);
            EXPECT_EQ(qBlue(p), 1); // 1.5 truncated
        }
    }
}

TEST(ResizeBitmapPercent, UnevenRatiosSpreadSourcePixelsOverTheTarget)
{
    QImage source(30, 30, QImage::Format_RGB32);
    source.fill(qRgb(10, 20, 30));
    source.setPixel(29, 29, qRgb(250, 20, 30));
    const QImage result = ResizeBitmapPercent(50, source); // 15 x 15, 2 x 2 each
    ASSERT_EQ(result.size(), QSize(15, 15));
    EXPECT_EQ(result.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(result.pixel(14, 14), qRgb(70, 20, 30)); // (3 * 10 + 250) / 4
}

TEST(ResizeBitmapPercent, CopiesAndStretchesWhereTheRulesSay)
{
    const QImage source = Blocks(12, 10);
    EXPECT_EQ(ResizeBitmapPercent(100, source), source);
    const QImage tiny = Blocks(2, 2); // 8 x 8: too small to shrink
    EXPECT_EQ(ResizeBitmapPercent(25, tiny), tiny);
    const QImage stretched = ResizeBitmapPercent(10, source); // 4 x 4: a plain stretch
    EXPECT_EQ(stretched.size(), QSize(4, 4));
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(ResizeBitmapPercent(25, argb), ResizeBitmapPercent(25, source));
}

TEST(ResizeBitmapPercent, EnlargingNeverDividesByZero)
{
    const QImage source = Blocks(3, 3);
    const QImage result = ResizeBitmapPercent(300, source);
    ASSERT_EQ(result.size(), QSize(36, 36));
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x)
            ASSERT_EQ(result.pixel(x, y), source.pixel(x / 3, y / 3)) << x << "," << y;

    // Empty and oversized results are refused.
    EXPECT_TRUE(ResizeBitmapPercent(0, source).isNull());
    EXPECT_TRUE(ResizeBitmapPercent(-50, source).isNull());
    EXPECT_TRUE(ResizeBitmapPercent(2000000000, source).isNull());
    EXPECT_EQ(ResizeBitmapPercent(200, source, 30).size(), QSize(24, 24));
    EXPECT_TRUE(ResizeBitmapPercent(300, source, 30).isNull()); // 36 > 30
}

} // namespace
} // namespace kel
