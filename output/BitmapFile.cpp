#include "output/BitmapFile.h"

#include "output/PngCodec.h"
#include "output/SavedFile.h"
#include "render/JpegCodec.h"

#include <QFileInfo>

namespace kel {

std::optional<QByteArray> encodeBitmap(const QImage& image, const QString& path, QString* error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("png")) {
        QString why;
        if (std::optional<QByteArray> png = encodePng(image, &why))
            return png;
        *error = QStringLiteral("cannot encode %1 as PNG: %2").arg(path, why);
        return std::nullopt;
    }
    if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg")) {
        QString why;
        if (std::optional<QByteArray> jpeg = encodeJpeg(image, &why))
            return jpeg;
        *error = QStringLiteral("cannot encode %1: %2").arg(path, why);
        return std::nullopt;
    }
    *error = QStringLiteral("%1: pictures are written as .png or .jpg").arg(path);
    return std::nullopt;
}

QString writeBitmapFile(const QImage& image, const QString& path)
{
    QString error;
    const std::optional<QByteArray> bytes = encodeBitmap(image, path, &error);
    return bytes ? SaveFileAtomically(path, *bytes) : error;
}

} // namespace kel
