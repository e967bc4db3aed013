#pragma once
// The state of one raster playback (EmfRasterPlayer): the device context
// the records change and the object table they fill, in the raster's terms.
// Used by EmfRasterPlayer's files only.

#include "model/Canvas.h"
#include "render/EmfData.h"
#include "render/EmfMapping.h"
#include "render/EmfObjects.h"
#include "render/EmfSavedStates.h"
#include "render/PixelShapes.h"

#include <QImage>
#include <QPointF>
#include <QRgb>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace kel::emfraster {

// A metafile colour (red in the low byte) as an opaque pixel.
inline QRgb ColourOf(std::uint32_t colorref)
{
    return qRgb(static_cast<int>(colorref & 0xFF), static_cast<int>((colorref >> 8) & 0xFF),
                static_cast<int>((colorref >> 16) & 0xFF));
}

struct Pen {
    enum class Kind { None, Thin, Dotted, Wide };
    Kind kind = Kind::Thin;
    QRgb colour = qRgb(0, 0, 0);
    double width = 1; // logical units, of a wide pen
};

struct Brush {
    QRgb colour = qRgb(255, 255, 255);
    BrushStyle style = BrushStyle::Solid;
};

// An object the raster draws with, or (nothing inside) one only the painter
// draws with: selecting it is fine, drawing with it is not.
struct PenObject {
    std::optional<Pen> pen;
};
struct BrushObject {
    std::optional<Brush> brush;
};
struct FontObject {};
using GdiObject = std::variant<std::monostate, PenObject, BrushObject, FontObject>;

struct State {
    EmfMapping mapping;
    std::optional<Pen> pen = Pen{};
    std::optional<Brush> brush = Brush{};
    QRgb backColour = qRgb(255, 255, 255);
    bool opaqueBackground = true;
    bool winding = false;
    bool clockwiseArcs = false;
    QPointF position;
    bool textMovesPosition = false; // text aligned to the current position
    bool clipped = false;           // the painter draws every shape then
};

// Logical units to image pixels: x * sx + tx, y * sy + ty.
struct Scale {
    double sx, sy, tx, ty;
    QPointF map(double x, double y) const { return {x * sx + tx, y * sy + ty}; }
    QRectF map(const QRectF& r) const
    {
        return {r.left() * sx + tx, r.top() * sy + ty, r.width() * sx, r.height() * sy};
    }
};

class RasterPlayback {
public:
    // `image` holds rows firstRow onwards of a picture of `picture`'s size.
    RasterPlayback(QImage& image, int firstRow, QSize picture, const EmfInfo& info,
                   const QRectF& target);

    // What becomes of a record: drawn here, a change of state both players
    // follow, drawn by the painter in its place (which follows every state
    // record too, so it draws exactly as it would have), or beyond what the
    // two can share (paths, the current position moved by the painter's
    // text, records the raster does not know), when the painter must play
    // the whole metafile.
    enum class Step { Drawn, Shared, Painter, Stop };
    Step play(const EmfRecord& r);

private:
    // Records by family: nothing when the record is not of the family,
    // false when the raster cannot take it (a shape the painter draws in its
    // place, an object it cannot follow the painter in).
    using Outcome = std::optional<bool>;
    Outcome context(const EmfRecord& r); // the records both players decode alike (EmfObjects)
    Outcome shapes(const EmfRecord& r);
    Outcome points(const EmfRecord& r);
    void select(std::uint32_t handle);

    // The mapping as a scale, when it is one.
    const std::optional<Scale>& scale();
    // The pen and brush in pixels; false when the raster cannot draw them.
    bool tools(bool filled);
    void drawShape(std::span<const QPointF> points, bool filled);
    // `count` points of 16 or 32 bits from `offset`, mapped; false when
    // they do not fit in the record.
    bool readPoints(const EmfRecord& r, qsizetype offset, std::uint32_t count, bool small);

    PixelShapes shapes_;
    double devicePerMm_;
    QTransform deviceToTarget_;
    State dc_;
    EmfSavedStates<State> saved_;
    emfobjects::HandleTable<GdiObject> objects_;
    std::optional<Scale> scale_;
    bool scaleKnown_ = false;
    // What the next shape is drawn with.
    std::optional<PixelPen> pen_;
    std::optional<Ink> ink_, backInk_;
    std::vector<QPointF> points_;
};

} // namespace kel::emfraster
