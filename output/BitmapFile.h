#pragma once
// Pictures of the drawing's pixels as PNG or JPG files, by the extension.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace kel {

// The image as PNG, or as JPG at quality 100 without chroma subsampling,
// by the extension of `path`; nothing for any other extension, with the
// reason in `error`.
std::optional<QByteArray> encodeBitmap(const QImage& image, const QString& path, QString* error);

// Writes the image as PNG or JPG by the extension, through a temporary file
// renamed over the target. Returns what went wrong, empty on success.
QString writeBitmapFile(const QImage& image, const QString& path);

} // namespace kel
