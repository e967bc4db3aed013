#include "output/PngCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace kel {
namespace {

TEST(PngCodecTest, DecodesToTheSamePixels)
{
    std::mt19937 random(7);
    // Noise, and flat areas with runs as a drawing has them.
    QImage noise(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    QImage flat(300, 200, QImage::Format_RGB32);
    flat.fill(0xFFFFFFFFu);
    for (int y = 40; y < 120; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(flat.scanLine(y)) + 10 + y, 90, 0xFF0000FFu);
    for (const QImage& image : {noise, flat}) {
        QString error;
        const std::optional<QByteArray> png = encodePng(image, &error);
        ASSERT_TRUE(png) << error.toStdString();
        EXPECT_EQ(QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGB32), image);
    }
}

} // namespace
} // namespace kel
