#include "render/JpegCodec.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace kel {
namespace {

// Hard colour edges: stripes one to four pixels wide, a diagonal, a checker block.
QImage edgePicture(int width = 64, int height = 48)
{
    QImage image(width, height, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0),    qRgb(0, 255, 0),   qRgb(0, 0, 255),
                            qRgb(255, 255, 0),  qRgb(255, 0, 255), qRgb(0, 0, 0),
                            qRgb(255, 255, 255)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int stripe = x / (1 + (y / 12) % 4);
            QRgb colour = colours[stripe % 7];
            if (x > y + 20)
                colour = qRgb(0, 128, 255);
            if (x < 16 && y >= 32)
                colour = ((x / 2 + y / 2) % 2) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

int maxChannelDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

bool allOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}

QByteArray encodedEdgePicture()
{
    QString error;
    const std::optional<QByteArray> jpeg = encodeJpeg(edgePicture(), &error);
    EXPECT_TRUE(jpeg.has_value()) << error.toStdString();
    return jpeg.value_or(QByteArray());
}

QByteArray rawCmykJpeg(const std::vector<unsigned char>& samples, int width, int height,
                       J_COLOR_SPACE fileSpace)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, fileSpace);
    jpeg_set_quality(&cinfo, 100, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i)
        cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(samples.data()) +
                       size_t(cinfo.next_scanline) * size_t(width) * 4;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

TEST(JpegCodec, RoundTripKeepsColourEdges)
{
    const QImage original = edgePicture();
    QString error = QStringLiteral("stale");
    const std::optional<QByteArray> jpeg = encodeJpeg(original, &error);
    ASSERT_TRUE(jpeg.has_value());
    EXPECT_TRUE(error.isEmpty());
    const JpegResult decoded = decodeJpeg(*jpeg);
    ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
    EXPECT_EQ(decoded.image.size(), original.size());
    EXPECT_TRUE(allOpaque(decoded.image));
    // With 4:2:0 chroma the stripes would lose up to about 100 levels.
    EXPECT_LE(maxChannelDifference(original, decoded.image), 6);
}

TEST(JpegCodec, NullAndOversizedImagesAndEmptyGarbageAndTruncatedInputAreRefused)
{
    QString error;
    EXPECT_FALSE(encodeJpeg(QImage(), &error).has_value());
    EXPECT_FALSE(error.isEmpty());
    QImage wide(65501, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    error.clear();
    EXPECT_FALSE(encodeJpeg(wide, &error).has_value());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(decodeJpeg(QByteArrayView()).error.isEmpty());
    const JpegResult text = decodeJpeg(QByteArray("This is not a picture at all."));
    EXPECT_TRUE(text.image.isNull());
    EXPECT_FALSE(text.error.isEmpty());

    const QByteArray jpeg = encodedEdgePicture();
    // Cut inside the headers, inside the data and just before the end marker.
    for (const qsizetype keep : {qsizetype(3), qsizetype(20), jpeg.size() / 3, jpeg.size() / 2,
                                 jpeg.size() - 10, jpeg.size() - 2}) {
        const JpegResult result = decodeJpeg(QByteArrayView(jpeg).first(keep));
        EXPECT_TRUE(result.image.isNull()) << "kept " << keep << " bytes";
        EXPECT_FALSE(result.error.isEmpty()) << "kept " << keep << " bytes";
    }
}

TEST(JpegCodec, HugeHeaderIsRefusedBeforeAllocation)
{
    // 60000 x 60000 would need 14.4 GB of pixels.
    QByteArray jpeg = encodedEdgePicture();
    const qsizetype sof = jpeg.indexOf("\xFF\xC0"); // the baseline frame header
    ASSERT_GE(sof, 0);
    jpeg[sof + 5] = char(0xEA);
    jpeg[sof + 6] = char(0x60);
    jpeg[sof + 7] = char(0xEA);
    jpeg[sof + 8] = char(0x60);
    const JpegResult result = decodeJpeg(jpeg);
    EXPECT_TRUE(result.image.isNull());
    EXPECT_TRUE(result.error.contains(QStringLiteral("60000 x 60000")))
        << result.error.toStdString();
}

TEST(JpegCodec, AdobeCmykPicturesDecodeToRgb)
{
    // Adobe's convention stores 255 - ink: cyan ink alone is (0, 255, 255, 255).
    std::vector<unsigned char> samples;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const unsigned char cyan[] = {0, 255, 255, 255};
            const unsigned char blackInk[] = {255, 255, 255, 0};
            const unsigned char* px = x < 16 ? cyan : blackInk;
            samples.insert(samples.end(), px, px + 4);
        }
    }
    for (const J_COLOR_SPACE fileSpace : {JCS_CMYK, JCS_YCCK}) {
        const QByteArray jpeg = rawCmykJpeg(samples, 32, 16, fileSpace);
        ASSERT_FALSE(jpeg.isEmpty());
        const JpegResult result = decodeJpeg(jpeg);
        ASSERT_EQ(result.image.size(), QSize(32, 16)) << result.error.toStdString();
        const QRgb left = result.image.pixel(4, 8), right = result.image.pixel(28, 8);
        EXPECT_LE(qRed(left), 6);
        EXPECT_GE(qGreen(left), 249);
        EXPECT_GE(qBlue(left), 249);
        EXPECT_LE(std::max({qRed(right), qGreen(right), qBlue(right)}), 6);
        EXPECT_TRUE(allOpaque(result.image));
    }
}

} // namespace
} // namespace kel
