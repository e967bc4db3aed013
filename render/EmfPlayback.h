#pragma once
// The state of one metafile playback: the device context the records
// change and the object table they fill. Used by EmfPlayer's files and by
// the raster player, which hands it what it does not draw itself.

#include "render/EmfData.h"
#include "render/EmfMapping.h"
#include "render/EmfObjects.h"
#include "render/EmfSavedStates.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace kel::emfplay {

struct PenObject {
    QPen pen;
};
struct BrushObject {
    QBrush brush;
};
struct FontObject {
    QFont font;
    double height = 16; // logical units, the character height
    int escapement = 0; // tenths of a degree
};
using GdiObject = std::variant<std::monostate, PenObject, BrushObject, FontObject>;

struct DeviceContext {
    EmfMapping mapping;
    QPen pen{QColor(Qt::black), 0};
    QBrush brush{QColor(Qt::white)};
    FontObject font;
    QColor textColour{Qt::black};
    QColor backColour{Qt::white};
    bool opaqueBackground = true;
    std::uint32_t textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    bool clockwiseArcs = false;
    QPointF position;
    std::optional<QPainterPath> clip; // device coordinates
};

class Playback {
public:
    Playback(QPainter& painter, const EmfInfo& info, const QRectF& target);
    void play(const EmfRecord& record);

private:
    // Mapping.
    QTransform logicalToDevice() const { return dc_.mapping.logicalToDevice(info_.devicePerMm); }
    void applyClip();
    // The painter's transform, set only when it changes.
    void useTransform(const QTransform& transform);
    // Clip, transform, pen and brush for the next shape; false when the shape
    // must go as a path (a hatch over an opaque background).
    bool prepare(const QPen& pen, const QBrush& brush);
    void drawWith(const QPen& pen, const QBrush& brush, const QPainterPath& path);
    // Polygons and polylines outside a path, without building one.
    bool drawnDirectly(const QPolygonF& points, bool closed);
    void fillAndStroke(const QPainterPath& path, bool fill, bool stroke);
    // Shapes either go into the open path or are drawn at once.
    void shape(const QPainterPath& path, bool closedFill);

    // Records, by family.
    bool mapping(const EmfRecord& r);
    bool textState(const EmfRecord& r);
    bool context(const EmfRecord& r); // the records both players decode alike (EmfObjects)
    bool shapes(const EmfRecord& r);
    bool points(const EmfRecord& r);
    bool paths(const EmfRecord& r);
    bool clipping(const EmfRecord& r);
    bool bitmaps(const EmfRecord& r);
    bool text(const EmfRecord& r);

    // A table object or a stock object into the device context.
    void select(std::uint32_t handle);
    void combineClip(const QPainterPath& area, std::uint32_t mode);
    // Bitmaps stretched into a destination in logical units.
    void blit(const QImage& image, const QRectF& dest, const QRectF& source, std::uint32_t rop,
              double opacity);

    QPainter& painter_;
    EmfInfo info_;
    QTransform deviceToTarget_;
    DeviceContext dc_;
    EmfSavedStates<DeviceContext> saved_;
    emfobjects::HandleTable<GdiObject> objects_;
    bool inPath_ = false;
    // The painter's clip no longer matches the device context's.
    bool clipDirty_ = true;
    std::optional<QTransform> transform_;
    QPainterPath path_; // logical coordinates
};

// A device-independent bitmap inside a record: the info header at
// `bmiOffset`, the pixels at `bitsOffset` (offsets from the record's start).
// A null image when anything does not fit or the format is not one read.
QImage DecodeDib(const EmfRecord& r, std::uint32_t bmiOffset, std::uint32_t bmiSize,
                 std::uint32_t bitsOffset, std::uint32_t bitsSize, bool keepAlpha);

} // namespace kel::emfplay
