#pragma once
// PNG pictures written through libpng directly. Drawings are large areas of
// a few flat colours: unfiltered rows compressed as runs take half the time
// of the general writer and come out smaller.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace kel {

// The image as an 8-bit RGB PNG (the alpha byte is dropped); nothing, and
// the reason in *error, when libpng fails.
std::optional<QByteArray> encodePng(const QImage& image, QString* error);

} // namespace kel
