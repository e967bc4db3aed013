#include "render/EmfRasterPlayer.h"

#include "render/EmfPlayback.h"
#include "render/EmfRasterPlayback.h"

#include <uemf.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>

// The raster playback's states and objects; the shapes are in
// EmfRasterPlayerShapes.cpp.

namespace kel {

namespace emfraster {

namespace {

constexpr std::size_t kMaxSavedStates = 1024;
constexpr std::uint32_t kStockObject = 0x80000000u;
constexpr int kMaxHandles = 65536;

BrushStyle HatchStyle(std::uint32_t hatch)
{
    switch (hatch) {
    case U_HS_HORIZONTAL:
        return BrushStyle::Horizontal;
    case U_HS_VERTICAL:
        return BrushStyle::Vertical;
    case U_HS_FDIAGONAL:
        return BrushStyle::ForwardDiagonal;
    case U_HS_BDIAGONAL:
        return BrushStyle::BackwardDiagonal;
    case U_HS_CROSS:
        return BrushStyle::Cross;
    default:
        return BrushStyle::DiagonalCross;
    }
}

} // namespace

RasterPlayback::RasterPlayback(QImage& image, int firstRow, QSize picture, const EmfInfo& info,
                               const QRectF& target)
    : shapes_(image, firstRow, picture), devicePerMm_(info.devicePerMm),
      deviceToTarget_(DeviceToTarget(info, target))
{
    objects_.resize(static_cast<std::size_t>(std::clamp(info.handles, 1, kMaxHandles)));
}

RasterPlayback::Step RasterPlayback::play(const EmfRecord& r)
{
    switch (r.type()) {
    case U_EMR_HEADER:
    case U_EMR_EOF:
    case U_EMR_COMMENT:
    case U_EMR_SETSTRETCHBLTMODE:
    case U_EMR_SETROP2:
    case U_EMR_SETMITERLIMIT:
    case U_EMR_SETBRUSHORGEX:
    case U_EMR_SETICMMODE:
    case U_EMR_SETMAPPERFLAGS:
    case U_EMR_SETCOLORADJUSTMENT:
    case U_EMR_SETTEXTCOLOR:
    case U_EMR_SELECTPALETTE:
    case U_EMR_REALIZEPALETTE:
    case U_EMR_CREATEPALETTE:
        return Step::Shared;
    case U_EMR_SETTEXTALIGN:
        dc_.textMovesPosition = r.u32(8).value_or(0) & U_TA_UPDATECP;
        return Step::Shared;
    // The raster cannot clip: under any clip the painter draws the shapes.
    case U_EMR_EXTSELECTCLIPRGN:
        if (const auto size = r.u32(8), mode = r.u32(12); size && mode) {
            if (*size != 0)
                dc_.clipped = true;
            else if (*mode == U_RGN_COPY)
                dc_.clipped = false;
        }
        return Step::Shared;
    case U_EMR_INTERSECTCLIPRECT:
    case U_EMR_EXCLUDECLIPRECT:
    case U_EMR_SELECTCLIPPATH:
        dc_.clipped = true;
        return Step::Shared;
    case U_EMR_OFFSETCLIPRGN:
        return Step::Shared;
    case U_EMR_EXTTEXTOUTW:
    case U_EMR_EXTTEXTOUTA:
        return dc_.textMovesPosition ? Step::Stop : Step::Painter;
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_ALPHABLEND:
    case U_EMR_STRETCHDIBITS:
    case U_EMR_SETDIBITSTODEVICE:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_FILLRGN:
    case U_EMR_PAINTRGN:
        return Step::Painter;
    default:
        break;
    }
    if (dc_.mapping.read(r)) {
        scaleKnown_ = false;
        return Step::Shared;
    }
    for (auto family : {&RasterPlayback::state, &RasterPlayback::objects})
        if (const Outcome outcome = (this->*family)(r))
            return *outcome ? Step::Shared : Step::Stop;
    for (auto family : {&RasterPlayback::shapes, &RasterPlayback::points})
        if (const Outcome outcome = (this->*family)(r))
            return *outcome ? Step::Drawn : Step::Painter;
    return Step::Stop;
}

RasterPlayback::Outcome RasterPlayback::state(const EmfRecord& r)
{
    switch (r.type()) {
    case U_EMR_SAVEDC:
        if (saved_.size() < kMaxSavedStates)
            saved_.push_back(dc_);
        return true;
    case U_EMR_RESTOREDC: {
        const std::int32_t n = r.i32(8).value_or(0);
        // Negative: that many states back; positive: the n-th saved state.
        const long long index =
            n < 0 ? static_cast<long long>(saved_.size()) + n : static_cast<long long>(n) - 1;
        if (index < 0 || index >= static_cast<long long>(saved_.size()))
            return true;
        dc_ = saved_[static_cast<std::size_t>(index)];
        saved_.resize(static_cast<std::size_t>(index));
        scaleKnown_ = false;
        return true;
    }
    case U_EMR_SETBKMODE:
        dc_.opaqueBackground = r.u32(8) == std::optional<std::uint32_t>(U_OPAQUE);
        return true;
    case U_EMR_SETPOLYFILLMODE:
        dc_.winding = r.u32(8) == std::optional<std::uint32_t>(U_WINDING);
        return true;
    case U_EMR_SETBKCOLOR:
        if (const auto c = r.u32(8))
            dc_.backColour = ColourOf(*c);
        return true;
    case U_EMR_SETARCDIRECTION:
        dc_.clockwiseArcs = r.u32(8) == std::optional<std::uint32_t>(U_AD_CLOCKWISE);
        return true;
    case U_EMR_MOVETOEX:
        if (const auto x = r.i32(8), y = r.i32(12); x && y)
            dc_.position = QPointF(*x, *y);
        return true;
    default:
        return std::nullopt;
    }
}

RasterPlayback::Outcome RasterPlayback::objects(const EmfRecord& r)
{
    switch (r.type()) {
    case U_EMR_SELECTOBJECT:
        if (const auto handle = r.u32(8))
            select(*handle);
        return true;
    case U_EMR_DELETEOBJECT:
        if (const auto handle = r.u32(8); handle && *handle < objects_.size())
            objects_[*handle] = std::monostate{};
        return true;
    case U_EMR_CREATEPEN:
        createPen(r);
        return true;
    case U_EMR_EXTCREATEPEN:
        createExtPen(r);
        return true;
    case U_EMR_CREATEBRUSHINDIRECT:
        createBrush(r);
        return true;
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_CREATEMONOBRUSH: {
        // Stored when the painter stores it: with all its fields.
        const qsizetype bmi = offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBmi),
                        bits = offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBits);
        const auto index = r.u32(8);
        if (index && r.u32(bmi) && r.u32(bmi + 4) && r.u32(bits) && r.u32(bits + 4))
            store(*index, BrushObject{});
        return true;
    }
    case U_EMR_EXTCREATEFONTINDIRECTW: {
        // A font record the painter would not take leaves the table as it
        // was there; the raster leaves such doubts to the painter.
        const qsizetype face =
            offsetof(U_EMREXTCREATEFONTINDIRECTW, elfw) + offsetof(U_LOGFONT, lfFaceName);
        const auto index = r.u32(8);
        if (!index || !r.holds(face, U_LF_FACESIZE, 2))
            return false;
        store(*index, FontObject{});
        return true;
    }
    default:
        return std::nullopt;
    }
}

void RasterPlayback::store(std::uint32_t index, GdiObject object)
{
    if (index != 0 && index < objects_.size())
        objects_[index] = object;
}

void RasterPlayback::select(std::uint32_t handle)
{
    if (handle & kStockObject) {
        static constexpr int kGreys[] = {255, 192, 128, 64, 0};
        const std::uint32_t stock = handle & ~kStockObject;
        if (stock <= 4)
            dc_.brush = Brush{qRgb(kGreys[stock], kGreys[stock], kGreys[stock])};
        else if (stock == 5)
            dc_.brush = Brush{0, BrushStyle::Clear};
        else if (stock == 6 || stock == 7)
            dc_.pen = Pen{Pen::Kind::Thin, stock == 6 ? qRgb(255, 255, 255) : qRgb(0, 0, 0)};
        else if (stock == 8)
            dc_.pen = Pen{Pen::Kind::None};
        return;
    }
    if (handle >= objects_.size())
        return;
    const GdiObject& object = objects_[handle];
    if (const auto* pen = std::get_if<PenObject>(&object))
        dc_.pen = pen->pen;
    else if (const auto* brush = std::get_if<BrushObject>(&object))
        dc_.brush = brush->brush;
}

void RasterPlayback::createPen(const EmfRecord& r)
{
    const auto index = r.u32(8), style = r.u32(12), colour = r.u32(24);
    const auto width = r.i32(16);
    if (!index || !style || !width || !colour)
        return;
    PenObject object;
    switch (*style & U_PS_STYLE_MASK) {
    case U_PS_SOLID:
    case U_PS_INSIDEFRAME:
        object.pen = Pen{*width > 1 ? Pen::Kind::Wide : Pen::Kind::Thin, ColourOf(*colour),
                         static_cast<double>(*width)};
        break;
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        object.pen = Pen{Pen::Kind::Dotted, ColourOf(*colour)};
        break;
    case U_PS_NULL:
        object.pen = Pen{Pen::Kind::None};
        break;
    default: // dashes
        break;
    }
    store(*index, object);
}

void RasterPlayback::createExtPen(const EmfRecord& r)
{
    const qsizetype elp = offsetof(U_EMREXTCREATEPEN, elp);
    const auto index = r.u32(8), style = r.u32(elp), width = r.u32(elp + 4),
               brushStyle = r.u32(elp + 8), colour = r.u32(elp + 12), entries = r.u32(elp + 20);
    if (!index || !style || !width || !brushStyle || !colour || !entries)
        return;
    PenObject object;
    const bool wide =
        (*style & U_PS_TYPE_MASK) == U_PS_GEOMETRIC && *width > 1 && *width < 1'000'000;
    const std::uint32_t dash = *style & U_PS_STYLE_MASK;
    const bool round = (*style & U_PS_ENDCAP_MASK) == U_PS_ENDCAP_ROUND &&
                       (*style & U_PS_JOIN_MASK) == U_PS_JOIN_ROUND;
    if (*brushStyle == U_BS_NULL || dash == U_PS_NULL)
        object.pen = Pen{Pen::Kind::None};
    else if (*brushStyle != U_BS_SOLID)
        ; // a pen painted with a pattern
    else if ((dash == U_PS_SOLID || dash == U_PS_INSIDEFRAME) && !wide)
        object.pen = Pen{Pen::Kind::Thin, ColourOf(*colour)};
    else if ((dash == U_PS_SOLID || dash == U_PS_INSIDEFRAME) && round)
        object.pen = Pen{Pen::Kind::Wide, ColourOf(*colour), static_cast<double>(*width)};
    else if ((dash == U_PS_DOT || dash == U_PS_ALTERNATE) && !wide)
        object.pen = Pen{Pen::Kind::Dotted, ColourOf(*colour)};
    store(*index, object);
}

void RasterPlayback::createBrush(const EmfRecord& r)
{
    const auto index = r.u32(8), style = r.u32(12), colour = r.u32(16), hatch = r.u32(20);
    if (!index || !style || !colour || !hatch)
        return;
    Brush brush{ColourOf(*colour)};
    if (*style == U_BS_NULL)
        brush.style = BrushStyle::Clear;
    else if (*style == U_BS_HATCHED)
        brush.style = HatchStyle(*hatch);
    store(*index, BrushObject{brush});
}
} // namespace emfraster

namespace {

// Smaller pictures and shorter metafiles play on one thread: starting a
// second would cost more than it saves.
constexpr long long kMinPixelsToSplit = 256 * 256;
constexpr int kMinRecordsToSplit = 256;
// Hatch tiles repeat every 8 pixels, scaled up to 8 times.
constexpr int kBandAlign = 64;

} // namespace

bool PlayEmfBandOnRaster(QImage& band, int firstRow, QSize picture, QByteArrayView data,
                         const EmfInfo& info, const QRectF& target, const std::atomic<bool>* given)
{
    if (band.format() != QImage::Format_ARGB32_Premultiplied || band.isNull())
        return false;
    using Step = emfraster::RasterPlayback::Step;
    emfraster::RasterPlayback raster(band, firstRow, picture, info, target);
    // The painter's pixels go straight into the image as the raster's do,
    // so the two draw in the records' order.
    QPainter painter(&band);
    emfplay::Playback painted(painter, info, target, firstRow);
    EmfRecordWalk walk(data);
    while (const std::optional<EmfRecord> record = walk.next()) {
        if (given && given->load(std::memory_order_relaxed))
            return false;
        const Step step = raster.play(*record);
        if (step == Step::Stop)
            return false;
        if (step != Step::Drawn)
            painted.play(*record);
    }
    return true;
}

bool PlayEmfOnRaster(QImage& image, QByteArrayView data, const EmfInfo& info, const QRectF& target)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied || image.isNull())
        return false;
    const int height = image.height();
    const long long pixels = static_cast<long long>(image.width()) * height;
    // Each half plays every record clipped to its rows; the lower one starts
    // on a whole hatch tile, wherever a pattern is anchored.
    const int split = height / 2 / kBandAlign * kBandAlign;
    if (pixels < kMinPixelsToSplit || info.records < kMinRecordsToSplit || split == 0)
        return PlayEmfBandOnRaster(image, 0, image.size(), data, info, target, nullptr);
    uchar* const bits = image.bits();
    const qsizetype line = image.bytesPerLine();
    QImage upper(bits, image.width(), split, line, image.format());
    QImage lower(bits + split * line, image.width(), height - split, line, image.format());
    std::atomic<bool> given{false};
    bool lowerDrawn = false;
    std::thread helper([&] {
        lowerDrawn = PlayEmfBandOnRaster(lower, split, image.size(), data, info, target, &given);
        if (!lowerDrawn)
            given = true;
    });
    const bool upperDrawn = PlayEmfBandOnRaster(upper, 0, image.size(), data, info, target, &given);
    if (!upperDrawn)
        given = true;
    helper.join();
    return upperDrawn && lowerDrawn;
}

} // namespace kel
