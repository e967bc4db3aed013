#include "output/PictureData.h"

#include "model/UiPort.h"
#include "output/EmfCanvas.h"
#include "render/EmfPlayer.h"
#include "render/ImageResize.h"
#include "render/JpegCodec.h"
#include "render/PictureDrawers.h"

#include <uemf.h>

#include <QPainter>

#include <cmath>
#include <cstddef>
#include <cstring>

namespace kel {

namespace {

// The largest clipboard preview, in pixels.
constexpr long long kMaxPreviewPixels = 4096LL * 4096;

std::int32_t Get(const QByteArray& bytes, size_t offset)
{
    std::int32_t v = 0;
    std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

void Put(QByteArray& bytes, size_t offset, std::int64_t value)
{
    const auto v = static_cast<std::int32_t>(value);
    std::memcpy(bytes.data() + offset, &v, sizeof v);
}

bool FitsInt32(double v)
{
    return std::isfinite(v) && v >= -2147483648.0 && v <= 2147483647.0;
}

} // namespace

PictureText ClipboardMetafileText(const UiPort& ui)
{
    PictureText result;
    const QByteArray bytes = ui.clipboardMetafile();
    if (bytes.isEmpty()) {
        result.error = QStringLiteral("No EMF object is in clipboard");
        return result;
    }
    QString why;
    if (!ValidateEmf(bytes, &why)) {
        result.error = QStringLiteral("The EMF object in clipboard cannot be used: %1").arg(why);
        return result;
    }
    result.text = EncodeHexPicture(bytes);
    return result;
}

PictureText BitmapPictureText(const QImage& bitmap, int percent)
{
    PictureText result;
    if (bitmap.width() > kMaxPictureSide || bitmap.height() > kMaxPictureSide) {
        result.error = QStringLiteral("The bitmap in clipboard is larger than %1 pixels a side")
                           .arg(kMaxPictureSide);
        return result;
    }
    result.preview = ResizeBitmapPercent(percent, bitmap.convertToFormat(QImage::Format_RGB32));
    const std::optional<QByteArray> jpeg = encodeJpeg(result.preview, &result.error);
    if (!jpeg || result.preview.isNull()) {
        if (result.error.isEmpty())
            result.error = QStringLiteral("The bitmap in clipboard could not be reduced");
        return result;
    }
    result.text = EncodeSixBitPicture(*jpeg);
    return result;
}

ScaledMetafile MetafileAtZoom(const QString& pictureText, int percent)
{
    ScaledMetafile result;
    const std::optional<QByteArray> bytes = DecodeHexPicture(pictureText, &result.error);
    if (!bytes)
        return result;
    if (!ValidateEmf(*bytes, &result.error))
        return result;
    if (percent <= 0) {
        result.error = QStringLiteral("The EMF object's zoom %1 is not a size").arg(percent);
        return result;
    }
    result.original = *bytes;
    QByteArray scaled = *bytes;
    const double factor = percent / 100.0;
    const size_t frame = offsetof(U_EMRHEADER, rclFrame);
    const size_t device = offsetof(U_EMRHEADER, szlDevice);
    double values[6];
    for (int i = 0; i < 4; ++i)
        values[i] = Get(scaled, frame + 4 * i) * factor;
    for (int i = 0; i < 2; ++i)
        values[4 + i] = std::round(Get(scaled, device + 4 * i) / factor);
    for (const double v : values) {
        if (!FitsInt32(v)) {
            result.error = QStringLiteral("The EMF object is too large at %1 percent").arg(percent);
            return result;
        }
    }
    // A larger frame over fewer reference pixels a millimetre: the records'
    // coordinates cover the same share of the frame.
    for (int i = 0; i < 4; ++i)
        Put(scaled, frame + 4 * i, std::llround(values[i]));
    for (int i = 0; i < 2; ++i)
        Put(scaled, device + 4 * i, std::max<std::int64_t>(1, std::llround(values[4 + i])));
    if (!ValidateEmf(scaled, &result.error))
        return result;
    result.bytes = scaled;
    return result;
}

QByteArray BitmapToMetafile(const QImage& bitmap)
{
    if (bitmap.isNull() || bitmap.width() > kMaxPictureSide || bitmap.height() > kMaxPictureSide)
        return {};
    EmfCanvas canvas(bitmap.size());
    canvas.drawImage(QPoint(0, 0), bitmap.convertToFormat(QImage::Format_RGB32));
    return canvas.finish();
}

QImage MetafilePreview(const QByteArray& bytes)
{
    const std::optional<EmfInfo> info = ValidateEmf(bytes);
    if (!info ||
        static_cast<long long>(info->size.width()) * info->size.height() > kMaxPreviewPixels)
        return {};
    QImage image(info->size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlayEmf(painter, bytes, *info, QRectF(QPointF(0, 0), QSizeF(info->size)));
    return image;
}

} // namespace kel
