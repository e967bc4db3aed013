#pragma once
// The quick way to play a metafile: straight into the image's pixels through
// FastRaster (PixelShapes), as the RasterCanvas draws: lines, rectangles,
// rounded rectangles, ellipses, arcs, polygons, polylines and Bezier curves,
// with one-pixel solid or dotted pens or wider solid ones, solid and hatched
// brushes, under a mapping that only scales (upright) and moves. The
// painter player (EmfPlayer) follows along on the same image and draws the
// text, the bitmaps and whatever shape the raster cannot (a turned mapping,
// a dashed or patterned object, the winding rule, any shape under a clip),
// so our own metafiles, text, pictures and embedded fills included, never
// wait for the painter's shapes. Paths and records it does not know stop it,
// and the caller plays the metafile through the painter alone instead.

#include "render/EmfData.h"

#include <QByteArrayView>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <atomic>

namespace kel {

// Plays `data`, which ValidateEmf accepted with `info`, into `image`
// (Format_ARGB32_Premultiplied) so that the metafile's frame fills `target`
// (image pixels). False as soon as a record needs the painter alone; the
// image is then partly drawn.
bool PlayEmfOnRaster(QImage& image, QByteArrayView data, const EmfInfo& info, const QRectF& target);

// The same for a large picture of many records that the raster draws alone,
// in two bands on two threads: not tried (nothing drawn) for a small picture
// or one with text, bitmaps or clips, abandoned (the image partly drawn) at
// another record that needs the painter.
enum class BandPlay { Drawn, NotTried, Abandoned };
BandPlay PlayEmfInBands(QImage& image, QByteArrayView data, const EmfInfo& info,
                        const QRectF& target);

// The raster alone into `band`, which holds rows firstRow onwards of a
// picture of `picture`'s size; false at a record that needs the painter, or
// once `given` is set.
bool PlayEmfBandOnRaster(QImage& band, int firstRow, QSize picture, QByteArrayView data,
                         const EmfInfo& info, const QRectF& target, const std::atomic<bool>* given);

} // namespace kel
