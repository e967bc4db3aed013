#pragma once
// The crop area of the drawing as an enhanced metafile, as the EMF file and
// clipboard exports make it: a white page, then every visible row recorded
// as vectors, shifted by minus the crop area's top-left corner. Objects
// beyond the area are recorded too; the metafile's frame clips them.

#include <QByteArray>
#include <QImage>
#include <QRect>

namespace kel {

class Renderer;

struct EmfRecording {
    QByteArray bytes; // empty when the metafile could not be made
    QImage raster;    // the same area as the screen shows it, drawn alongside
};

// The crop must not be empty. Rows that cannot be drawn are reported by the
// renderer as by any replay (Renderer::lastProblem).
EmfRecording RecordCropEmf(Renderer& renderer, const QRect& crop);

} // namespace kel
