#pragma once
// The quick way to play a metafile: straight into the image's pixels through
// FastRaster (PixelShapes), with no QPainter. It draws the metafiles made of
// what the drawing's own canvas draws, as our recorder writes them: lines,
// rectangles, rounded rectangles, ellipses, arcs, polygons, polylines and
// Bezier curves, with one-pixel solid or dotted pens or wider solid ones,
// solid and hatched brushes, under a mapping that only scales (upright) and
// moves. Anything else (a rotating or mirroring mapping, clipping, paths,
// text, bitmaps, dashed or patterned objects, a record it does not know)
// stops it, and the caller plays the metafile through EmfPlayer instead.

#include "render/EmfData.h"

#include <QByteArrayView>
#include <QImage>
#include <QRectF>

namespace kel {

// Plays `data`, which ValidateEmf accepted with `info`, into `image`
// (Format_ARGB32_Premultiplied) so that the metafile's frame fills `target`
// (image pixels). False as soon as a record needs the painter; the image is
// then partly drawn.
bool PlayEmfOnRaster(QImage& image, QByteArrayView data, const EmfInfo& info, const QRectF& target);

} // namespace kel
