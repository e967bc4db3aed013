#include "render/EmfPlayer.h"

#include "render/EmfPlayback.h"
#include "render/EmfRasterPlayer.h"
#include "render/Hatch.h"

#include <uemf.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

// The playback's mapping, saved states and objects; shapes, paths and
// clipping are in EmfPlayerShapes.cpp, bitmaps and text in
// EmfPlayerImages.cpp.

namespace kel {

namespace emfplay {

namespace {

constexpr int kMaxHandles = 65536;

QColor ColourOf(std::uint32_t colorref)
{
    return QColor(static_cast<int>(colorref & 0xFF), static_cast<int>((colorref >> 8) & 0xFF),
                  static_cast<int>((colorref >> 16) & 0xFF));
}

Qt::PenStyle DashOf(std::uint32_t style)
{
    switch (style & U_PS_STYLE_MASK) {
    case U_PS_DASH:
        return Qt::DashLine;
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        return Qt::DotLine;
    case U_PS_DASHDOT:
        return Qt::DashDotLine;
    case U_PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    case U_PS_NULL:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

QPen Cosmetic(const QColor& colour, Qt::PenStyle style)
{
    QPen pen(colour, 0, style);
    if (style == Qt::DotLine)
        pen.setDashPattern({1, 1});
    return pen;
}

QPen PenOf(const emfobjects::LogPen& logPen)
{
    const Qt::PenStyle dash = DashOf(logPen.style);
    const QColor colour = ColourOf(logPen.colour);
    // Round ends and joins show only on wide pens.
    if (logPen.width > 1 && dash == Qt::SolidLine)
        return logPen.width < 4
                   ? QPen(colour, logPen.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                   : QPen(colour, logPen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return Cosmetic(colour, dash);
}

QPen PenOf(const emfobjects::ExtLogPen& logPen)
{
    if (logPen.brushStyle == U_BS_NULL)
        return QPen(Qt::NoPen);
    QPen pen = Cosmetic(ColourOf(logPen.colour), DashOf(logPen.style));
    if (logPen.wide()) {
        pen.setWidthF(logPen.width);
        const std::uint32_t cap = logPen.style & U_PS_ENDCAP_MASK,
                            join = logPen.style & U_PS_JOIN_MASK;
        pen.setCapStyle(cap == U_PS_ENDCAP_FLAT     ? Qt::FlatCap
                        : cap == U_PS_ENDCAP_SQUARE ? Qt::SquareCap
                                                    : Qt::RoundCap);
        pen.setJoinStyle(join == U_PS_JOIN_MITER   ? Qt::MiterJoin
                         : join == U_PS_JOIN_BEVEL ? Qt::BevelJoin
                                                   : Qt::RoundJoin);
    }
    if (!logPen.userDashes.empty()) {
        QList<qreal> pattern;
        const double unit = std::max(pen.widthF(), 1.0);
        for (const std::uint32_t length : logPen.userDashes)
            pattern.push_back(std::max(1.0, length / unit));
        if (pattern.size() % 2 == 1)
            pattern.push_back(pattern.back());
        pen.setDashPattern(pattern);
    }
    return pen;
}

QBrush BrushOf(const emfobjects::LogBrush& logBrush)
{
    switch (logBrush.style) {
    case BrushStyle::Solid:
        return QBrush(ColourOf(logBrush.colour));
    case BrushStyle::Clear:
        return QBrush(Qt::NoBrush);
    default:
        return QBrush(ColourOf(logBrush.colour), QtHatchPattern(logBrush.style));
    }
}

FontObject FontOf(const emfobjects::LogFont& logFont)
{
    FontObject font;
    font.font.setFamily(logFont.face.isEmpty() ? QStringLiteral("Arial") : logFont.face);
    font.font.setWeight(logFont.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.font.setItalic(logFont.italic);
    font.font.setUnderline(logFont.underline);
    font.font.setStrikeOut(logFont.strikeOut);
    font.font.setStyleStrategy(QFont::NoAntialias);
    // A negative height is the character height; a positive one includes
    // the internal leading, about an eighth of it.
    const double h =
        logFont.height < 0 ? -static_cast<double>(logFont.height) : logFont.height * 0.87;
    font.height = std::clamp(h == 0 ? 16.0 : h, 0.0, 1.0e6);
    font.escapement = logFont.escapement % 3600;
    return font;
}

} // namespace

Playback::Playback(QPainter& painter, const EmfInfo& info, const QRectF& target)
    : painter_(painter), info_(info), deviceToTarget_(DeviceToTarget(info, target))
{
    objects_.resize(static_cast<std::size_t>(std::clamp(info.handles, 1, kMaxHandles)));
    dc_.font.font.setFamily(QStringLiteral("Arial"));
    dc_.font.font.setStyleStrategy(QFont::NoAntialias);
}

void Playback::play(const EmfRecord& r)
{
    const bool known = mapping(r) || textState(r) || context(r) || shapes(r) || points(r) ||
                       paths(r) || clipping(r) || bitmaps(r) || text(r);
    // Comments (EMF+ among them), palettes, colour management and the rest
    // change nothing that is drawn here.
    (void)known;
}

bool Playback::mapping(const EmfRecord& r)
{
    return dc_.mapping.read(r);
}

bool Playback::textState(const EmfRecord& r)
{
    switch (r.type()) {
    case U_EMR_SETTEXTALIGN:
        dc_.textAlign = r.u32(8).value_or(0);
        return true;
    case U_EMR_SETTEXTCOLOR:
        if (const auto c = r.u32(8))
            dc_.textColour = ColourOf(*c);
        return true;
    default:
        return false;
    }
}

bool Playback::context(const EmfRecord& r)
{
    using namespace emfobjects;
    const std::optional<Record> record = Decode(r);
    if (!record)
        return false;
    auto objectOf = Handlers{
        [](const LogPen& pen) -> GdiObject { return PenObject{PenOf(pen)}; },
        [](const ExtLogPen& pen) -> GdiObject { return PenObject{PenOf(pen)}; },
        [](const LogBrush& brush) -> GdiObject { return BrushObject{BrushOf(brush)}; },
        [&](const PatternBrush& p) -> GdiObject {
            const QImage image =
                DecodeDib(r, p.bmiOffset, p.bmiSize, p.bitsOffset, p.bitsSize, false);
            return BrushObject{image.isNull() ? QBrush(Qt::black) : QBrush(image)};
        },
        [](const LogFont& font) -> GdiObject { return FontOf(font); },
    };
    std::visit(
        Handlers{
            [](const Unreadable&) {},
            [&](const SaveState&) { saved_.save(dc_); },
            [&](const RestoreState& s) {
                if (saved_.restore(s.n, dc_))
                    clipDirty_ = true;
            },
            [&](const BackMode& m) { dc_.opaqueBackground = m.opaque; },
            [&](const FillMode& m) {
                dc_.fillRule = m.winding ? Qt::WindingFill : Qt::OddEvenFill;
            },
            [&](const ArcDirection& d) { dc_.clockwiseArcs = d.clockwise; },
            [&](const BackColour& c) { dc_.backColour = ColourOf(c.colour); },
            [&](const MoveTo& m) {
                dc_.position = QPointF(m.x, m.y);
                if (inPath_)
                    path_.moveTo(dc_.position);
            },
            [&](const Select& s) { select(s.handle); },
            [&](const Delete& d) { objects_.erase(d.handle); },
            [&](const Create& c) { objects_.store(c.index, std::visit(objectOf, c.object)); },
        },
        *record);
    return true;
}

void Playback::select(std::uint32_t handle)
{
    if (const std::optional<std::uint32_t> stock = emfobjects::StockNumber(handle)) {
        switch (*stock) {
        case 0:
            dc_.brush = QBrush(Qt::white);
            break;
        case 1:
            dc_.brush = QBrush(QColor(192, 192, 192));
            break;
        case 2:
            dc_.brush = QBrush(QColor(128, 128, 128));
            break;
        case 3:
            dc_.brush = QBrush(QColor(64, 64, 64));
            break;
        case 4:
            dc_.brush = QBrush(Qt::black);
            break;
        case 5:
            dc_.brush = QBrush(Qt::NoBrush);
            break;
        case 6:
            dc_.pen = Cosmetic(Qt::white, Qt::SolidLine);
            break;
        case 7:
            dc_.pen = Cosmetic(Qt::black, Qt::SolidLine);
            break;
        case 8:
            dc_.pen = QPen(Qt::NoPen);
            break;
        case 10:
        case 11:
        case 12:
        case 13:
        case 14:
        case 16:
        case 17:
            dc_.font = FontObject{};
            dc_.font.font.setFamily(QStringLiteral("Arial"));
            dc_.font.font.setStyleStrategy(QFont::NoAntialias);
            break;
        default:
            break;
        }
        return;
    }
    if (const GdiObject* object = objects_.find(handle))
        std::visit(emfobjects::Handlers{[](std::monostate) {},
                                        [&](const PenObject& pen) { dc_.pen = pen.pen; },
                                        [&](const BrushObject& brush) { dc_.brush = brush.brush; },
                                        [&](const FontObject& font) { dc_.font = font; }},
                   *object);
}

} // namespace emfplay

void PlayEmf(QPainter& painter, QByteArrayView data, const EmfInfo& info, const QRectF& target)
{
    painter.save();
    emfplay::Playback playback(painter, info, target);
    EmfRecordWalk walk(data);
    while (const std::optional<EmfRecord> record = walk.next())
        playback.play(*record);
    painter.restore();
}

QImage RenderEmf(QByteArrayView data, const EmfInfo& info, QSizeF whole, const QRect& visible)
{
    QImage image(visible.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    const QRectF target(-visible.left(), -visible.top(), whole.width(), whole.height());
    // Most metafiles, ours among them, need nothing the raster cannot draw.
    const BandPlay banded = PlayEmfInBands(image, data, info, target);
    if (banded == BandPlay::Drawn)
        return image;
    if (banded == BandPlay::Abandoned)
        image.fill(Qt::transparent);
    if (PlayEmfOnRaster(image, data, info, target))
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PlayEmf(painter, data, info, target);
    painter.end();
    return image;
}

} // namespace kel
