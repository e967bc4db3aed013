#pragma once
// Pictures of the drawing as files: PNG or JPG by the file's extension, and
// the whole drawing rendered headless from a KEL file.

#include <QImage>
#include <QSize>
#include <QString>

namespace kel {

// Writes the image as PNG or JPG (quality 100, no chroma subsampling) by
// the extension, through a temporary file renamed over the target. Returns
// what went wrong, empty on success.
QString writeBitmapFile(const QImage& image, const QString& path);

// Renders a KEL file as the off-screen bitmap shows it at `surface` (no dot
// grid), optionally enhanced, and writes it to `output`. Returns what went
// wrong, in one line, empty on success.
QString exportDrawing(const QString& input, const QString& output, QSize surface, bool enhance);

} // namespace kel
