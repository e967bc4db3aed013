#include "render/ImageResize.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

// 4 x 4 blocks: red 0 | 255 by half, green the block's number, blue 1 / 2 by half.
QImage Blocks(int blocksWide, int blocksHigh)
{
    QImage image(blocksWide * 4, blocksHigh * 4, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(
                x, y, qRgb(x % 4 < 2 ? 0 : 255, (y / 4) * blocksWide + x / 4, y % 4 < 2 ? 1 : 2));
    return image;
}

TEST(ResizeBitmapPercent, QuarterSizeAveragesEachBlockAndEnlargingNeverDividesByZero)
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

    const QImage source = Blocks(3, 3);
    const QImage enlarged = ResizeBitmapPercent(300, source);
    ASSERT_EQ(enlarged.size(), QSize(36, 36));
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x)
            ASSERT_EQ(enlarged.pixel(x, y), source.pixel(x / 3, y / 3)) << x << "," << y;
    // Empty and oversized results are refused.
    EXPECT_TRUE(ResizeBitmapPercent(0, source).isNull());
    EXPECT_TRUE(ResizeBitmapPercent(2000000000, source).isNull());
    EXPECT_EQ(ResizeBitmapPercent(200, source, 30).size(), QSize(24, 24));
    EXPECT_TRUE(ResizeBitmapPercent(300, source, 30).isNull()); // 36 > 30
}

} // namespace
} // namespace kel
