#include "output/GifWriter.h"
#include "output/PngCodec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <gif_lib.h>
#include <random>

namespace kel {
namespace {

struct Reading {
    QByteArray bytes;
    qsizetype at = 0;
};

int Read(GifFileType* gif, GifByteType* into, int length)
{
    auto* reading = static_cast<Reading*>(gif->UserData);
    const int n =
        static_cast<int>(std::min<qsizetype>(length, reading->bytes.size() - reading->at));
    std::memcpy(into, reading->bytes.constData() + reading->at, static_cast<size_t>(n));
    reading->at += n;
    return n;
}

QRgb PixelOf(const GifFileType* gif, int frame, int x, int y)
{
    const SavedImage& image = gif->SavedImages[frame];
    const ColorMapObject* map =
        image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    const GifColorType c = map->Colors[image.RasterBits[y * image.ImageDesc.Width + x]];
    return qRgb(c.Red, c.Green, c.Blue);
}

TEST(GifWriter, FramesReadBackWithTheirDelayLoopAndColours)
{
    QImage plain(40, 30, QImage::Format_RGB32);
    plain.fill(qRgb(255, 0, 0));
    plain.setPixel(5, 7, qRgb(0, 0, 255));
    QImage rich(40, 30, QImage::Format_RGB32); // 1200 colours: quantised
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            rich.setPixel(x, y, qRgb(x * 6, y * 8, 128));
    Reading reading{WriteAnimatedGif({plain, rich, plain}, kGifFrameDelay)};
    ASSERT_TRUE(reading.bytes.startsWith("GIF89a"));
    EXPECT_TRUE(reading.bytes.contains("NETSCAPE2.0"));

    int error = 0;
    GifFileType* gif = DGifOpen(&reading, Read, &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 3);
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control;
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, 25);
    }
    EXPECT_EQ(PixelOf(gif, 0, 0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(PixelOf(gif, 2, 5, 7), qRgb(0, 0, 255));
    const QRgb near = PixelOf(gif, 1, 20, 10); // (120, 80, 128)
    EXPECT_LE(std::abs(qRed(near) - 120) + std::abs(qGreen(near) - 80), 40);
    DGifCloseFile(gif, &error);

    QString why;
    EXPECT_TRUE(WriteAnimatedGif({plain, rich.copy(0, 0, 10, 10)}, 25, &why).isEmpty());
    EXPECT_FALSE(why.isEmpty());
}

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
