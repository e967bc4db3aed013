#pragma once
// JPEG pictures in memory, through libjpeg directly: the About pictures, the
// picture data of bitmap picture records and the crop-area export.
//
// Picture data comes from files and the clipboard, so it is untrusted: the
// decoder checks the dimensions in the header before anything is allocated,
// refuses damaged data (libjpeg's warnings count as errors) and reports every
// failure as a message instead of ending or printing anything.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <optional>

namespace kel {

// Largest input the decoder accepts, in bytes.
inline constexpr qsizetype kMaxJpegBytes = qsizetype(256) * 1024 * 1024;

struct JpegResult {
    QImage image;  // Format_RGB32, or null on failure
    QString error; // empty on success
};

// Decodes a JPEG picture (baseline or progressive; YCbCr, RGB, grayscale,
// CMYK or YCCK) into a Format_RGB32 image. Pictures wider than maxWidth or
// higher than maxHeight are refused before their pixels are allocated.
JpegResult decodeJpeg(QByteArrayView data, int maxWidth = 10000, int maxHeight = 10000);

// Encodes an image as a baseline JPEG at quality 100 without chroma
// subsampling (4:4:4). Format_RGB32 rows are read directly; other formats
// are converted first (alpha is dropped). Returns nothing and sets *error
// when the image is null or too large for JPEG (65500 pixels a side).
std::optional<QByteArray> encodeJpeg(const QImage& image, QString* error = nullptr);

} // namespace kel
