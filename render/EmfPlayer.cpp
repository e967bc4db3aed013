#include "render/EmfPlayer.h"

#include "render/EmfPlayback.h"
#include "render/EmfRasterPlayer.h"

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

constexpr std::size_t kMaxSavedStates = 1024;
constexpr std::uint32_t kStockObject = 0x80000000u;
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

Qt::BrushStyle HatchOf(std::uint32_t hatch)
{
    switch (hatch) {
    case U_HS_HORIZONTAL:
        return Qt::HorPattern;
    case U_HS_VERTICAL:
        return Qt::VerPattern;
    case U_HS_FDIAGONAL:
        return Qt::FDiagPattern; // "\" falling to the right on the screen
    case U_HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case U_HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

QPen Cosmetic(const QColor& colour, Qt::PenStyle style)
{
    QPen pen(colour, 0, style);
    if (style == Qt::DotLine)
        pen.setDashPattern({1, 1});
    return pen;
}

} // namespace

Playback::Playback(QPainter& painter, const EmfInfo& info, const QRectF& target, int firstRow)
    : painter_(painter), info_(info), deviceToTarget_(DeviceToTarget(info, target)),
      firstRow_(firstRow)
{
    objects_.resize(static_cast<std::size_t>(std::clamp(info.handles, 1, kMaxHandles)));
    dc_.font.font.setFamily(QStringLiteral("Arial"));
    dc_.font.font.setStyleStrategy(QFont::NoAntialias);
}

void Playback::play(const EmfRecord& r)
{
    const bool known = mapping(r) || state(r) || objects(r) || shapes(r) || points(r) || paths(r) ||
                       clipping(r) || bitmaps(r) || text(r);
    // Comments (EMF+ among them), palettes, colour management and the rest
    // change nothing that is drawn here.
    (void)known;
}

bool Playback::mapping(const EmfRecord& r)
{
    return dc_.mapping.read(r);
}

bool Playback::state(const EmfRecord& r)
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
        clipDirty_ = true;
        saved_.resize(static_cast<std::size_t>(index));
        return true;
    }
    case U_EMR_SETBKMODE:
        dc_.opaqueBackground = r.u32(8) == std::optional<std::uint32_t>(U_OPAQUE);
        return true;
    case U_EMR_SETPOLYFILLMODE:
        dc_.fillRule =
            r.u32(8) == std::optional<std::uint32_t>(U_WINDING) ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case U_EMR_SETTEXTALIGN:
        dc_.textAlign = r.u32(8).value_or(0);
        return true;
    case U_EMR_SETTEXTCOLOR:
        if (const auto c = r.u32(8))
            dc_.textColour = ColourOf(*c);
        return true;
    case U_EMR_SETBKCOLOR:
        if (const auto c = r.u32(8))
            dc_.backColour = ColourOf(*c);
        return true;
    case U_EMR_SETARCDIRECTION:
        dc_.clockwiseArcs = r.u32(8) == std::optional<std::uint32_t>(U_AD_CLOCKWISE);
        return true;
    case U_EMR_MOVETOEX:
        if (const auto x = r.i32(8), y = r.i32(12); x && y) {
            dc_.position = QPointF(*x, *y);
            if (inPath_)
                path_.moveTo(dc_.position);
        }
        return true;
    default:
        return false;
    }
}

bool Playback::objects(const EmfRecord& r)
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
    case U_EMR_CREATEMONOBRUSH:
        createPatternBrush(r, offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBmi),
                           offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBits));
        return true;
    case U_EMR_EXTCREATEFONTINDIRECTW:
        createFont(r);
        return true;
    default:
        return false;
    }
}

bool Playback::storeObject(std::uint32_t index, GdiObject object)
{
    if (index == 0 || index >= objects_.size())
        return false;
    objects_[index] = std::move(object);
    return true;
}

void Playback::select(std::uint32_t handle)
{
    if (handle & kStockObject) {
        switch (handle & ~kStockObject) {
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
    if (handle >= objects_.size())
        return;
    const GdiObject& object = objects_[handle];
    if (const auto* pen = std::get_if<PenObject>(&object))
        dc_.pen = pen->pen;
    else if (const auto* brush = std::get_if<BrushObject>(&object))
        dc_.brush = brush->brush;
    else if (const auto* font = std::get_if<FontObject>(&object))
        dc_.font = *font;
}

void Playback::createPen(const EmfRecord& r)
{
    const auto index = r.u32(8), style = r.u32(12), colour = r.u32(24);
    const auto width = r.i32(16);
    if (!index || !style || !width || !colour)
        return;
    const Qt::PenStyle dash = DashOf(*style);
    QPen pen = Cosmetic(ColourOf(*colour), dash);
    // Round ends and joins show only on wide pens.
    if (*width > 1 && dash == Qt::SolidLine)
        pen = *width < 4
                  ? QPen(ColourOf(*colour), *width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                  : QPen(ColourOf(*colour), *width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    storeObject(*index, PenObject{pen});
}

void Playback::createExtPen(const EmfRecord& r)
{
    const qsizetype elp = offsetof(U_EMREXTCREATEPEN, elp);
    const auto index = r.u32(8), style = r.u32(elp), width = r.u32(elp + 4),
               brushStyle = r.u32(elp + 8), colour = r.u32(elp + 12), entries = r.u32(elp + 20);
    if (!index || !style || !width || !brushStyle || !colour || !entries)
        return;
    if (*brushStyle == U_BS_NULL) {
        storeObject(*index, PenObject{QPen(Qt::NoPen)});
        return;
    }
    const bool geometric = (*style & U_PS_TYPE_MASK) == U_PS_GEOMETRIC;
    const Qt::PenStyle dash = DashOf(*style);
    QPen pen = Cosmetic(ColourOf(*colour), dash);
    if (geometric && *width > 1 && *width < 1'000'000) {
        pen.setWidthF(*width);
        const std::uint32_t cap = *style & U_PS_ENDCAP_MASK, join = *style & U_PS_JOIN_MASK;
        pen.setCapStyle(cap == U_PS_ENDCAP_FLAT     ? Qt::FlatCap
                        : cap == U_PS_ENDCAP_SQUARE ? Qt::SquareCap
                                                    : Qt::RoundCap);
        pen.setJoinStyle(join == U_PS_JOIN_MITER   ? Qt::MiterJoin
                         : join == U_PS_JOIN_BEVEL ? Qt::BevelJoin
                                                   : Qt::RoundJoin);
    }
    if ((*style & U_PS_STYLE_MASK) == U_PS_USERSTYLE && *entries > 0 &&
        r.holds(elp + 24, *entries, 4) && *entries <= 64) {
        QList<qreal> pattern;
        const double unit = std::max(pen.widthF(), 1.0);
        for (std::uint32_t i = 0; i < *entries; ++i)
            pattern.push_back(std::max(1.0, r.u32(elp + 24 + 4 * i).value_or(1) / unit));
        if (pattern.size() % 2 == 1)
            pattern.push_back(pattern.back());
        pen.setDashPattern(pattern);
    }
    storeObject(*index, PenObject{pen});
}

void Playback::createBrush(const EmfRecord& r)
{
    const auto index = r.u32(8), style = r.u32(12), colour = r.u32(16), hatch = r.u32(20);
    if (!index || !style || !colour || !hatch)
        return;
    QBrush brush(ColourOf(*colour));
    if (*style == U_BS_NULL)
        brush = QBrush(Qt::NoBrush);
    else if (*style == U_BS_HATCHED)
        brush = QBrush(ColourOf(*colour), HatchOf(*hatch));
    storeObject(*index, BrushObject{brush});
}

void Playback::createPatternBrush(const EmfRecord& r, qsizetype bmiField, qsizetype bitsField)
{
    const auto index = r.u32(8), offBmi = r.u32(bmiField), cbBmi = r.u32(bmiField + 4),
               offBits = r.u32(bitsField), cbBits = r.u32(bitsField + 4);
    if (!index || !offBmi || !cbBmi || !offBits || !cbBits)
        return;
    const QImage image = DecodeDib(r, *offBmi, *cbBmi, *offBits, *cbBits, false);
    storeObject(*index, BrushObject{image.isNull() ? QBrush(Qt::black) : QBrush(image)});
}

void Playback::createFont(const EmfRecord& r)
{
    const qsizetype lf = offsetof(U_EMREXTCREATEFONTINDIRECTW, elfw);
    const auto index = r.u32(8);
    const auto height = r.i32(lf), escapement = r.i32(lf + 8), weight = r.i32(lf + 16);
    const auto italic = r.u8(lf + 20), underline = r.u8(lf + 21), strike = r.u8(lf + 22);
    if (!index || !height || !escapement || !weight || !italic || !underline || !strike ||
        !r.holds(lf + offsetof(U_LOGFONT, lfFaceName), U_LF_FACESIZE, 2))
        return;
    QString face;
    for (int i = 0; i < U_LF_FACESIZE; ++i) {
        const std::uint16_t c = r.u16(lf + offsetof(U_LOGFONT, lfFaceName) + 2 * i).value_or(0);
        if (c == 0)
            break;
        face += QChar(c);
    }
    FontObject font;
    font.font.setFamily(face.isEmpty() ? QStringLiteral("Arial") : face);
    font.font.setWeight(*weight >= 600 ? QFont::Bold : QFont::Normal);
    font.font.setItalic(*italic != 0);
    font.font.setUnderline(*underline != 0);
    font.font.setStrikeOut(*strike != 0);
    font.font.setStyleStrategy(QFont::NoAntialias);
    // A negative height is the character height; a positive one includes
    // the internal leading, about an eighth of it.
    const double h = *height < 0 ? -static_cast<double>(*height) : *height * 0.87;
    font.height = std::clamp(h == 0 ? 16.0 : h, 0.0, 1.0e6);
    font.escapement = *escapement % 3600;
    storeObject(*index, font);
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
    if (PlayEmfOnRaster(image, data, info, target))
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PlayEmf(painter, data, info, target);
    painter.end();
    return image;
}

} // namespace kel
