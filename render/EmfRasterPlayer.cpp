#include "render/EmfRasterPlayer.h"

#include "render/EmfPlayback.h"
#include "render/EmfRasterPlayback.h"

#include <uemf.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <system_error>
#include <thread>

// The raster playback's states and objects; the shapes are in
// EmfRasterPlayerShapes.cpp.

namespace kel {

namespace emfraster {

namespace {

// Records the painter draws in the raster's place: text, bitmaps, chords,
// pies and regions.
bool DrawnByPainterOnly(std::uint32_t type)
{
    switch (type) {
    case U_EMR_EXTTEXTOUTW:
    case U_EMR_EXTTEXTOUTA:
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_ALPHABLEND:
    case U_EMR_STRETCHDIBITS:
    case U_EMR_SETDIBITSTODEVICE:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_FILLRGN:
    case U_EMR_PAINTRGN:
        return true;
    default:
        return false;
    }
}

constexpr int kMaxHandles = 65536;

PenObject PenOf(const emfobjects::LogPen& logPen)
{
    switch (logPen.dash()) {
    case U_PS_SOLID:
    case U_PS_INSIDEFRAME:
        return {Pen{logPen.width > 1 ? Pen::Kind::Wide : Pen::Kind::Thin, ColourOf(logPen.colour),
                    static_cast<double>(logPen.width)}};
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        return {Pen{Pen::Kind::Dotted, ColourOf(logPen.colour)}};
    case U_PS_NULL:
        return {Pen{Pen::Kind::None}};
    default: // dashes
        return {};
    }
}

PenObject PenOf(const emfobjects::ExtLogPen& logPen)
{
    const std::uint32_t dash = logPen.dash();
    const bool solid = dash == U_PS_SOLID || dash == U_PS_INSIDEFRAME;
    const bool round = (logPen.style & U_PS_ENDCAP_MASK) == U_PS_ENDCAP_ROUND &&
                       (logPen.style & U_PS_JOIN_MASK) == U_PS_JOIN_ROUND;
    if (logPen.brushStyle == U_BS_NULL || dash == U_PS_NULL)
        return {Pen{Pen::Kind::None}};
    if (logPen.brushStyle != U_BS_SOLID)
        return {}; // a pen painted with a pattern
    if (solid && !logPen.wide())
        return {Pen{Pen::Kind::Thin, ColourOf(logPen.colour)}};
    if (solid && round)
        return {Pen{Pen::Kind::Wide, ColourOf(logPen.colour), static_cast<double>(logPen.width)}};
    if ((dash == U_PS_DOT || dash == U_PS_ALTERNATE) && !logPen.wide())
        return {Pen{Pen::Kind::Dotted, ColourOf(logPen.colour)}};
    return {};
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
    default:
        if (DrawnByPainterOnly(r.type()))
            return Step::Painter;
        break;
    }
    if (dc_.mapping.read(r)) {
        scaleKnown_ = false;
        return Step::Shared;
    }
    if (const Outcome outcome = context(r))
        return *outcome ? Step::Shared : Step::Stop;
    for (auto family : {&RasterPlayback::shapes, &RasterPlayback::points})
        if (const Outcome outcome = (this->*family)(r))
            return *outcome ? Step::Drawn : Step::Painter;
    return Step::Stop;
}

RasterPlayback::Outcome RasterPlayback::context(const EmfRecord& r)
{
    using namespace emfobjects;
    const std::optional<Record> record = Decode(r);
    if (!record)
        return std::nullopt;
    // Pattern brushes and fonts are stored as the painter stores them, so
    // the two tables stay alike; only the painter draws with them.
    auto objectOf = Handlers{
        [](const LogPen& pen) -> GdiObject { return PenOf(pen); },
        [](const ExtLogPen& pen) -> GdiObject { return PenOf(pen); },
        [](const LogBrush& brush) -> GdiObject {
            return BrushObject{Brush{ColourOf(brush.colour), brush.style}};
        },
        [](const PatternBrush&) -> GdiObject { return BrushObject{}; },
        [](const LogFont&) -> GdiObject { return FontObject{}; },
    };
    return std::visit(
        Handlers{
            // A font record the painter would not take leaves the table as
            // it was there; the raster leaves such doubts to the painter.
            [](const Unreadable& u) { return u.type != U_EMR_EXTCREATEFONTINDIRECTW; },
            [&](const SaveState&) {
                saved_.save(dc_);
                return true;
            },
            [&](const RestoreState& s) {
                if (saved_.restore(s.n, dc_))
                    scaleKnown_ = false;
                return true;
            },
            [&](const BackMode& m) {
                dc_.opaqueBackground = m.opaque;
                return true;
            },
            [&](const FillMode& m) {
                dc_.winding = m.winding;
                return true;
            },
            [&](const ArcDirection& d) {
                dc_.clockwiseArcs = d.clockwise;
                return true;
            },
            [&](const BackColour& c) {
                dc_.backColour = ColourOf(c.colour);
                return true;
            },
            [&](const MoveTo& m) {
                dc_.position = QPointF(m.x, m.y);
                return true;
            },
            [&](const Select& s) {
                select(s.handle);
                return true;
            },
            [&](const Delete& d) {
                objects_.erase(d.handle);
                return true;
            },
            [&](const Create& c) {
                objects_.store(c.index, std::visit(objectOf, c.object));
                return true;
            },
        },
        *record);
}

void RasterPlayback::select(std::uint32_t handle)
{
    if (const std::optional<std::uint32_t> stock = emfobjects::StockNumber(handle)) {
        static constexpr int kGreys[] = {255, 192, 128, 64, 0};
        if (*stock <= 4)
            dc_.brush = Brush{qRgb(kGreys[*stock], kGreys[*stock], kGreys[*stock])};
        else if (*stock == 5)
            dc_.brush = Brush{0, BrushStyle::Clear};
        else if (*stock == 6 || *stock == 7)
            dc_.pen = Pen{Pen::Kind::Thin, *stock == 6 ? qRgb(255, 255, 255) : qRgb(0, 0, 0)};
        else if (*stock == 8)
            dc_.pen = Pen{Pen::Kind::None};
        return;
    }
    // Fonts are the painter's alone.
    if (const GdiObject* object = objects_.find(handle))
        std::visit(emfobjects::Handlers{[&](const PenObject& pen) { dc_.pen = pen.pen; },
                                        [&](const BrushObject& brush) { dc_.brush = brush.brush; },
                                        [](const auto&) {}},
                   *object);
}

} // namespace emfraster

namespace {

// Smaller pictures and shorter metafiles play on one thread: starting a
// second would cost more than it saves.
constexpr long long kMinPixelsToSplit = 256 * 256;
constexpr int kMinRecordsToSplit = 256;

// Records only the painter draws: a metafile with any of them is not cut
// into bands, where the painter's patterns and stretched pixels would not
// meet. (Other shapes the raster declines, such as dashed outlines, stop
// the bands when they come.)
bool HasPainterRecords(QByteArrayView data)
{
    EmfRecordWalk walk(data);
    while (const std::optional<EmfRecord> record = walk.next()) {
        const std::uint32_t type = record->type();
        if (emfraster::DrawnByPainterOnly(type))
            return true;
        switch (type) {
        case U_EMR_EXTSELECTCLIPRGN:
        case U_EMR_INTERSECTCLIPRECT:
        case U_EMR_EXCLUDECLIPRECT:
        case U_EMR_SELECTCLIPPATH:
        case U_EMR_BEGINPATH:
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace

bool PlayEmfOnRaster(QImage& image, QByteArrayView data, const EmfInfo& info, const QRectF& target)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied || image.isNull())
        return false;
    using Step = emfraster::RasterPlayback::Step;
    emfraster::RasterPlayback raster(image, 0, image.size(), info, target);
    // The painter's pixels go straight into the image as the raster's do,
    // so the two draw in the records' order.
    QPainter painter(&image);
    emfplay::Playback painted(painter, info, target);
    EmfRecordWalk walk(data);
    while (const std::optional<EmfRecord> record = walk.next()) {
        const Step step = raster.play(*record);
        if (step == Step::Stop)
            return false;
        if (step != Step::Drawn)
            painted.play(*record);
    }
    return true;
}

bool PlayEmfBandOnRaster(QImage& band, int firstRow, QSize picture, QByteArrayView data,
                         const EmfInfo& info, const QRectF& target, const std::atomic<bool>* given)
{
    if (band.format() != QImage::Format_ARGB32_Premultiplied || band.isNull())
        return false;
    using Step = emfraster::RasterPlayback::Step;
    emfraster::RasterPlayback raster(band, firstRow, picture, info, target);
    EmfRecordWalk walk(data);
    while (const std::optional<EmfRecord> record = walk.next()) {
        if (given && given->load(std::memory_order_relaxed))
            return false;
        const Step step = raster.play(*record);
        if (step == Step::Stop || step == Step::Painter)
            return false;
    }
    return true;
}

BandPlay PlayEmfInBands(QImage& image, QByteArrayView data, const EmfInfo& info,
                        const QRectF& target)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied || image.isNull())
        return BandPlay::NotTried;
    const int height = image.height();
    const long long pixels = static_cast<long long>(image.width()) * height;
    const int split = height / 2;
    if (pixels < kMinPixelsToSplit || info.records < kMinRecordsToSplit || split == 0 ||
        HasPainterRecords(data))
        return BandPlay::NotTried;
    uchar* const bits = image.bits();
    const qsizetype line = image.bytesPerLine();
    QImage upper(bits, image.width(), split, line, image.format());
    QImage lower(bits + split * line, image.width(), height - split, line, image.format());
    std::atomic<bool> given{false};
    bool lowerDrawn = false;
    auto playLower = [&] {
        lowerDrawn = PlayEmfBandOnRaster(lower, split, image.size(), data, info, target, &given);
        if (!lowerDrawn)
            given = true;
    };
    std::thread helper;
    try {
        helper = std::thread(playLower);
    } catch (const std::system_error&) {
        // No thread to be had: the lower band follows on this one.
    }
    const bool upperDrawn = PlayEmfBandOnRaster(upper, 0, image.size(), data, info, target, &given);
    if (!upperDrawn)
        given = true;
    if (helper.joinable())
        helper.join();
    else if (upperDrawn)
        playLower();
    return upperDrawn && lowerDrawn ? BandPlay::Drawn : BandPlay::Abandoned;
}

} // namespace kel
