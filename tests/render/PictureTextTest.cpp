#include "PixelChecks.h"
#include "render/PictureDrawers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

TEST(PictureText, HexHasTheLowHalfFirstAndSixBitCarriesThreeBytesInFourCharacters)
{
    EXPECT_EQ(EncodeHexPicture(QByteArray("\x1F\xA0", 2)), QStringLiteral("F10A"));
    EXPECT_EQ(DecodeHexPicture(QStringLiteral("F10A")), QByteArray("\x1F\xA0", 2));
    EXPECT_EQ(DecodeHexPicture(EncodeHexPicture(AllBytes())), AllBytes());

    // Damaged text is refused with a reason.
    QString error;
    EXPECT_EQ(DecodeHexPicture(QStringLiteral("F10"), &error), std::nullopt);
    EXPECT_TRUE(error.contains(QLatin1String("odd")));
    error.clear();
    EXPECT_EQ(DecodeHexPicture(QStringLiteral("F1G0"), &error), std::nullopt);
    EXPECT_TRUE(error.contains(QLatin1String("hexadecimal")));

    // n = 0x030201: six-bit digits 1, 8, 48, 0 from the lowest up.
    EXPECT_EQ(EncodeSixBitPicture(QByteArray("\x01\x02\x03", 3)), QStringLiteral("18`0"));
    EXPECT_EQ(DecodeSixBitPicture(QStringLiteral("18`0")), QByteArray("\x01\x02\x03", 3));
    EXPECT_EQ(DecodeSixBitPicture(EncodeSixBitPicture(AllBytes().left(255))), AllBytes().left(255));

    // A last short group is completed with zero bytes.
    const QString text = EncodeSixBitPicture(QByteArray("\x07\x08\x09\x0A", 4));
    EXPECT_EQ(text.size(), 8);
    EXPECT_EQ(DecodeSixBitPicture(text), QByteArray("\x07\x08\x09\x0A\x00\x00", 6));

    // Damaged text is refused with a reason.
    error.clear();
    EXPECT_EQ(DecodeSixBitPicture(QStringLiteral("18030"), &error), std::nullopt);
    EXPECT_TRUE(error.contains(QLatin1String("multiple of 4")));
    error.clear();
    EXPECT_EQ(DecodeSixBitPicture(QStringLiteral("180p"), &error), std::nullopt); // 'p' = 64
    EXPECT_TRUE(error.contains(QLatin1String("six-bit")));
}

using test::EmfHeader;

TEST(EmfPicture, SizeComesFromTheFrameAt96DotsPerInch)
{
    const auto size = [](QByteArrayView data, QString* error = nullptr) {
        const std::optional<EmfInfo> info = ValidateEmf(data, error);
        return info ? std::optional(info->size) : std::nullopt;
    };
    EXPECT_EQ(size(EmfHeader(2540, 1270)), QSize(96, 48));
    EXPECT_EQ(size(EmfHeader(0, 0, 199, 99)), QSize(200, 100)); // no frame: bounds

    // Other data and huge sizes are refused.
    QString error;
    EXPECT_EQ(size(QByteArray(88, '\0'), &error), std::nullopt);
    EXPECT_EQ(error, QStringLiteral("Metafile is not valid"));
    EXPECT_EQ(size(EmfHeader(2540, 1270).left(87)), std::nullopt);
    EXPECT_EQ(size(EmfHeader(2540 * 200, 1270)), std::nullopt); // 19200 pixels
    EXPECT_EQ(size(EmfHeader(-2540, 1270, -5, 10)), std::nullopt);
}

TEST(PictureCacheTest, DecodesEachKindAndKeepsFailures)
{
    PictureCache cache;
    const QString emf = EncodeHexPicture(EmfHeader(2540, 1270));
    EXPECT_EQ(cache.decode(RecordKind::EmfPicture, emf).size, QSize(96, 48));
    EXPECT_TRUE(cache.decode(RecordKind::EmfPicture, emf).error.isEmpty());
    // The same text as another kind is decoded for that kind.
    EXPECT_FALSE(cache.decode(RecordKind::JpgPicture, emf).error.isEmpty());
    EXPECT_FALSE(cache.decode(RecordKind::BitmapPicture, QStringLiteral("abc")).error.isEmpty());
    for (int i = 0; i < 20; ++i) // more than it keeps
        EXPECT_FALSE(cache.decode(RecordKind::JpgPicture, QString(2 * i + 2, QLatin1Char('0')))
                         .error.isEmpty());
    EXPECT_EQ(cache.decode(RecordKind::EmfPicture, emf).size, QSize(96, 48));
}

} // namespace
} // namespace kel
