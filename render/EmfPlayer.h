#pragma once
// Plays an enhanced metafile through a QPainter: the device context's
// mapping (window and viewport, the mapping modes, the world transform),
// its saved states, objects (pens, extended pens, brushes, fonts), clipping
// by rectangles, regions and paths, paths themselves, the shapes, text with
// per-character advances and the bitmap blits. Comment records (EMF+ among
// them) and records it does not know are skipped by their size; a record
// whose fields do not fit inside it is skipped too, so damaged data draws
// what it can and nothing more.

#include "render/EmfData.h"

#include <QByteArrayView>
#include <QImage>
#include <QRectF>

class QPainter;

namespace kel {

// Plays `data`, which ValidateEmf accepted with `info`, so that the
// metafile's frame fills `target` (painter coordinates).
void PlayEmf(QPainter& painter, QByteArrayView data, const EmfInfo& info, const QRectF& target);

// The metafile played onto a transparent image of `size` pixels: the part
// `visible` (in the coordinates of the whole picture stretched to `whole`)
// of the picture.
QImage RenderEmf(QByteArrayView data, const EmfInfo& info, QSizeF whole, const QRect& visible);

} // namespace kel
