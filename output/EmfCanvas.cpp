#include "output/EmfCanvas.h"

#include "output/EmfRecords.h"

#include <algorithm>
#include <utility>

namespace kel {

namespace {

constexpr int kMaxPenWidth = 255;

// The pen as the metafile sees it: a one-pixel dotted pen, or a solid pen
// of its width.
CanvasPen Effective(const CanvasPen& pen)
{
    if (pen.style == PenStyle::Dotted)
        return {pen.colour, 1, PenStyle::Dotted};
    return {pen.colour, std::clamp(pen.width, 1, kMaxPenWidth), PenStyle::Solid};
}

bool Same(const CanvasPen& a, const CanvasPen& b)
{
    return a.colour == b.colour && a.width == b.width && a.style == b.style;
}

std::uint32_t HatchOf(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Horizontal:
        return U_HS_HORIZONTAL;
    case BrushStyle::Vertical:
        return U_HS_VERTICAL;
    case BrushStyle::ForwardDiagonal:
        return U_HS_FDIAGONAL;
    case BrushStyle::BackwardDiagonal:
        return U_HS_BDIAGONAL;
    case BrushStyle::Cross:
        return U_HS_CROSS;
    default:
        return U_HS_DIAGCROSS;
    }
}

struct Box {
    int left, top, right, bottom;
    bool isEmpty() const { return left == right || top == bottom; }
};

Box Normalised(int left, int top, int right, int bottom)
{
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

// The caller checks that the points fit.
std::vector<U_POINT16> Points16(const std::vector<QPoint>& points)
{
    std::vector<U_POINT16> small;
    small.reserve(points.size());
    for (QPoint p : points)
        small.push_back(point16_set(static_cast<int16_t>(p.x()), static_cast<int16_t>(p.y())));
    return small;
}

std::vector<U_POINTL> Points32(const std::vector<QPoint>& points)
{
    std::vector<U_POINTL> large;
    large.reserve(points.size());
    for (QPoint p : points)
        large.push_back(emf::Point(p));
    return large;
}

} // namespace

EmfCanvas::EmfCanvas(QSize size) : ShadowedCanvas(size)
{
    writer_.append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    // Hatches and text leave what lies below them showing.
    writer_.append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    writer_.append(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE));
    writer_.append(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));
    writer_.append(U_EMRSETSTRETCHBLTMODE_set(U_COLORONCOLOR));
}

QByteArray EmfCanvas::finish()
{
    if (finished_)
        return {};
    finished_ = true;
    // Stock objects go back in before the last ones are deleted: a
    // selected object cannot be deleted.
    writer_.append(selectobject_set(U_NULL_PEN, writer_.handles()));
    writer_.append(selectobject_set(U_NULL_BRUSH, writer_.handles()));
    writer_.append(selectobject_set(U_DEVICE_DEFAULT_FONT, writer_.handles()));
    for (std::uint32_t* handle : {&penHandle_, &brushHandle_, &fontHandle_})
        if (*handle != 0)
            writer_.append(deleteobject_set(handle, writer_.handles()));
    return writer_.finish(size());
}

void EmfCanvas::selectPen(const std::optional<CanvasPen>& wanted)
{
    if (!wanted) {
        if (penHeld_ != Held::Null)
            writer_.append(selectobject_set(U_NULL_PEN, writer_.handles()));
        penHeld_ = Held::Null;
        return;
    }
    const CanvasPen pen = Effective(*wanted);
    if (penHandle_ != 0 && Same(pen, ownPen_)) {
        if (penHeld_ != Held::Own)
            writer_.append(selectobject_set(penHandle_, writer_.handles()));
        penHeld_ = Held::Own;
        return;
    }
    const std::uint32_t style = pen.style == PenStyle::Dotted ? U_PS_DOT : U_PS_SOLID;
    std::uint32_t handle = 0;
    writer_.append(
        createpen_set(&handle, writer_.handles(),
                      logpen_set(style, point32_set(pen.width, 0), emf::ColorRef(pen.colour))));
    writer_.append(selectobject_set(handle, writer_.handles()));
    if (penHandle_ != 0)
        writer_.append(deleteobject_set(&penHandle_, writer_.handles()));
    penHandle_ = handle;
    ownPen_ = pen;
    penHeld_ = Held::Own;
}

void EmfCanvas::selectBrush(const std::optional<CanvasBrush>& wanted)
{
    if (!wanted || wanted->style == BrushStyle::Clear) {
        if (brushHeld_ != Held::Null)
            writer_.append(selectobject_set(U_NULL_BRUSH, writer_.handles()));
        brushHeld_ = Held::Null;
        return;
    }
    if (brushHandle_ != 0 && wanted->colour == ownBrush_.colour &&
        wanted->style == ownBrush_.style) {
        if (brushHeld_ != Held::Own)
            writer_.append(selectobject_set(brushHandle_, writer_.handles()));
        brushHeld_ = Held::Own;
        return;
    }
    const bool solid = wanted->style == BrushStyle::Solid;
    const U_LOGBRUSH brush =
        logbrush_set(solid ? U_BS_SOLID : U_BS_HATCHED, emf::ColorRef(wanted->colour),
                     solid ? 0 : static_cast<int32_t>(HatchOf(wanted->style)));
    std::uint32_t handle = 0;
    writer_.append(createbrushindirect_set(&handle, writer_.handles(), brush));
    writer_.append(selectobject_set(handle, writer_.handles()));
    if (brushHandle_ != 0)
        writer_.append(deleteobject_set(&brushHandle_, writer_.handles()));
    brushHandle_ = handle;
    ownBrush_ = *wanted;
    brushHeld_ = Held::Own;
}

void EmfCanvas::selectPenAndBrush()
{
    selectPen(shadow().pen());
    selectBrush(shadow().brush());
}

void EmfCanvas::selectOutlineOnly()
{
    selectPen(shadow().pen());
    selectBrush(std::nullopt);
}

void EmfCanvas::line(QPoint from, QPoint to)
{
    shadow().line(from, to);
    selectPen(shadow().pen());
    writer_.append(U_EMRMOVETOEX_set(emf::Point(from)));
    writer_.append(U_EMRLINETO_set(emf::Point(to)));
}

void EmfCanvas::rectangle(int left, int top, int right, int bottom)
{
    shadow().rectangle(left, top, right, bottom);
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    selectPenAndBrush();
    writer_.append(U_EMRRECTANGLE_set(emf::Rect(b.left, b.top, b.right, b.bottom)));
}

void EmfCanvas::fillRect(int left, int top, int right, int bottom)
{
    shadow().fillRect(left, top, right, bottom);
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty() || shadow().brush().style == BrushStyle::Clear)
        return;
    // A polygon without a pen fills exactly left..right - 1, as a rectangle
    // record would not.
    selectPen(std::nullopt);
    selectBrush(shadow().brush());
    pointsRecord(Shape::Polygon,
                 {{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}});
}

void EmfCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                          int cornerHeight)
{
    shadow().roundRect(left, top, right, bottom, cornerWidth, cornerHeight);
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    selectPenAndBrush();
    writer_.append(
        U_EMRROUNDRECT_set(emf::Rect(b.left, b.top, b.right, b.bottom),
                           sizel_set(std::max(cornerWidth, 0), std::max(cornerHeight, 0))));
}

void EmfCanvas::focusRect(int left, int top, int right, int bottom)
{
    shadow().focusRect(left, top, right, bottom);
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    // Readers do not invert; on the white page a dotted black frame looks
    // the same.
    selectPen(CanvasPen{kBlack, 1, PenStyle::Dotted});
    selectBrush(std::nullopt);
    writer_.append(U_EMRRECTANGLE_set(emf::Rect(b.left, b.top, b.right, b.bottom)));
}

void EmfCanvas::ellipse(int left, int top, int right, int bottom)
{
    shadow().ellipse(left, top, right, bottom);
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    selectPenAndBrush();
    writer_.append(U_EMRELLIPSE_set(emf::Rect(b.left, b.top, b.right, b.bottom)));
}

void EmfCanvas::arc(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    shadow().arc(left, top, right, bottom, start, end);
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    // Counter-clockwise is the device default; equal points draw the
    // whole ellipse there too.
    selectOutlineOnly();
    writer_.append(U_EMRARC_set(emf::Rect(b.left, b.top, b.right, b.bottom), emf::Point(start),
                                emf::Point(end)));
}

void EmfCanvas::polygon(const std::vector<QPoint>& points)
{
    shadow().polygon(points);
    if (points.size() < 2)
        return;
    selectPenAndBrush();
    pointsRecord(Shape::Polygon, points);
}

void EmfCanvas::polyline(const std::vector<QPoint>& points)
{
    shadow().polyline(points);
    if (points.size() < 2)
        return;
    selectOutlineOnly();
    pointsRecord(Shape::Polyline, points);
}

void EmfCanvas::bezier(const std::vector<QPoint>& points)
{
    shadow().bezier(points);
    if (points.size() < 4)
        return;
    selectOutlineOnly();
    // Whole segments only: a start point and three points per segment.
    const size_t used = 1 + (points.size() - 1) / 3 * 3;
    pointsRecord(Shape::Bezier, std::vector<QPoint>(points.begin(), points.begin() + used));
}

void EmfCanvas::pointsRecord(Shape shape, const std::vector<QPoint>& points)
{
    using Make16 = char* (*)(U_RECTL, uint32_t, const U_POINT16*);
    using Make32 = char* (*)(U_RECTL, uint32_t, const U_POINTL*);
    const auto [make16, make32] = [shape]() -> std::pair<Make16, Make32> {
        switch (shape) {
        case Shape::Polygon:
            return {U_EMRPOLYGON16_set, U_EMRPOLYGON_set};
        case Shape::Polyline:
            return {U_EMRPOLYLINE16_set, U_EMRPOLYLINE_set};
        case Shape::Bezier:
            break;
        }
        return {U_EMRPOLYBEZIER16_set, U_EMRPOLYBEZIER_set};
    }();
    const U_RECTL bounds = emf::Bounds(points, outlineMargin());
    const auto count = static_cast<uint32_t>(points.size());
    if (emf::Fits16(points))
        writer_.append(make16(bounds, count, Points16(points).data()));
    else
        writer_.append(make32(bounds, count, Points32(points).data()));
}

void EmfCanvas::polyPolygon(const std::vector<std::vector<QPoint>>& polygons)
{
    std::vector<QPoint> all;
    std::vector<uint32_t> counts;
    for (const std::vector<QPoint>& polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        all.insert(all.end(), polygon.begin(), polygon.end());
        counts.push_back(static_cast<uint32_t>(polygon.size()));
    }
    if (counts.empty())
        return;
    const U_RECTL bounds = emf::Bounds(all, outlineMargin());
    const auto polys = static_cast<uint32_t>(counts.size());
    const auto total = static_cast<uint32_t>(all.size());
    if (emf::Fits16(all))
        writer_.append(
            U_EMRPOLYPOLYGON16_set(bounds, polys, counts.data(), total, Points16(all).data()));
    else
        writer_.append(
            U_EMRPOLYPOLYGON_set(bounds, polys, counts.data(), total, Points32(all).data()));
}

int EmfCanvas::outlineMargin() const
{
    return (penHeld_ == Held::Own ? ownPen_.width : 0) / 2 + 1;
}

void EmfCanvas::setPixel(QPoint at, Colour colour)
{
    shadow().setPixel(at, colour);
    writer_.append(U_EMRSETPIXELV_set(emf::Point(at), emf::ColorRef(colour)));
}

} // namespace kel
