#pragma once
// How a metafile's logical units reach the picture: the device context's
// mapping mode, window and viewport, and world transform, and the stretch of
// the metafile's frame onto the target. Both players (EmfPlayer,
// EmfRasterPlayer) keep one of these per saved state.

#include "render/EmfData.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

namespace kel {

struct EmfMapping {
    int mapMode = 1; // MM_TEXT
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt{1, 1}, viewportExt{1, 1};
    QTransform world;

    // Applies a mapping record (mode, origins, extents, world transform);
    // false for every other record.
    bool read(const EmfRecord& r);
    QTransform pageTransform(double devicePerMm) const;
    QTransform logicalToDevice(double devicePerMm) const
    {
        return world * pageTransform(devicePerMm);
    }
};

// Reference-device pixels to painter coordinates: the frame fills `target`.
QTransform DeviceToTarget(const EmfInfo& info, const QRectF& target);

} // namespace kel
