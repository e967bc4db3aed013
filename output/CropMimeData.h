#pragma once
// What the clipboard receives for a crop area of the drawing: the enhanced
// metafile under the names Linux programs look for it by, an SVG of the same
// vectors, and the area's pixels as PNG; and for a picture row's metafile.
// Putting it on the clipboard is the caller's business.

#include <QMimeData>
#include <QRect>

#include <memory>

namespace kel {

class Renderer;

// The EMF names: the common two and LibreOffice's own.
inline constexpr const char* kEmfMimeTypes[] = {
    "image/x-emf", "image/emf", "application/x-openoffice-emf;windows_formatname=\"Image EMF\""};

// Null for an empty crop area.
std::unique_ptr<QMimeData> cropMimeData(Renderer& renderer, const QRect& crop);

// A metafile under the EMF names, with `preview` (when not null) as the
// bitmap beside it for programs that take only bitmaps.
std::unique_ptr<QMimeData> metafileMimeData(const QByteArray& emf, const QImage& preview);

} // namespace kel
