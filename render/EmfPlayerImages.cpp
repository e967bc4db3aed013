#include "render/EmfPlayback.h"

#include <uemf.h>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <cstddef>

// Bitmaps and text of the metafile player.

namespace kel::emfplay {

namespace {

constexpr int kMaxDibSide = 10000;
constexpr long long kMaxDibPixels = 4096LL * 4096;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kPatCopy = 0x00F00021;
constexpr std::uint32_t kBlackness = 0x00000042;
constexpr std::uint32_t kWhiteness = 0x00FF0062;
constexpr std::uint32_t kSrcAnd = 0x008800C6;
constexpr std::uint32_t kSrcPaint = 0x00EE0086;
constexpr std::uint32_t kSrcInvert = 0x00660046;
constexpr std::uint32_t kMaxTextLength = 65536;
constexpr int kLargestGlyphImage = 1000; // pixels high

int ShiftOf(std::uint32_t mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0)
        mask >>= 1, ++shift;
    return shift;
}

int Channel(std::uint32_t value, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const std::uint32_t field = (value & mask) >> ShiftOf(mask);
    const std::uint32_t top = mask >> ShiftOf(mask);
    return static_cast<int>(field * 255 / top);
}

} // namespace

QImage DecodeDib(const EmfRecord& r, std::uint32_t bmiOffset, std::uint32_t bmiSize,
                 std::uint32_t bitsOffset, std::uint32_t bitsSize, bool keepAlpha)
{
    if (bmiSize < 40 || !r.holds(bmiOffset, bmiSize, 1) || !r.holds(bitsOffset, bitsSize, 1))
        return {};
    const qsizetype h0 = bmiOffset;
    const std::uint32_t headerSize = *r.u32(h0);
    const std::int32_t width = *r.i32(h0 + 4), rawHeight = *r.i32(h0 + 8);
    const std::uint16_t bits = *r.u16(h0 + 14);
    const std::uint32_t compression = *r.u32(h0 + 16);
    const std::uint32_t used = *r.u32(h0 + 32);
    const long long height = std::llabs(static_cast<long long>(rawHeight));
    if (headerSize < 40 || headerSize > bmiSize || width <= 0 || height == 0 ||
        width > kMaxDibSide || height > kMaxDibSide ||
        static_cast<long long>(width) * height > kMaxDibPixels)
        return {};
    if (compression == U_BI_JPEG || compression == U_BI_PNG) {
        QImage image = QImage::fromData(r.bytes().sliced(bitsOffset, bitsSize));
        if (image.width() > kMaxDibSide || image.height() > kMaxDibSide)
            return {};
        return image;
    }
    const bool fields = compression == U_BI_BITFIELDS;
    if (compression != U_BI_RGB && !fields)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return {};
    const long long stride = (static_cast<long long>(width) * bits + 31) / 32 * 4;
    if (stride * height > bitsSize)
        return {};
    // Masks follow a short header; a palette follows the header (and masks).
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bits == 32)
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    qsizetype palette = h0 + headerSize;
    if (fields) {
        const qsizetype at = headerSize >= 52 ? h0 + 40 : h0 + headerSize;
        if (!r.holds(at, 3, 4))
            return {};
        for (int i = 0; i < 3; ++i)
            masks[i] = *r.u32(at + 4 * i);
        if (headerSize < 52)
            palette += 12;
    }
    QList<QRgb> colours;
    if (bits <= 8) {
        const std::uint32_t count =
            used != 0 ? std::min<std::uint32_t>(used, 1u << bits) : 1u << bits;
        if (!r.holds(palette, count, 4))
            return {};
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t q = *r.u32(palette + 4 * i);
            colours.append(qRgb((q >> 16) & 0xFF, (q >> 8) & 0xFF, q & 0xFF));
        }
    }
    QImage image(width, static_cast<int>(height),
                 keepAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto* data = reinterpret_cast<const std::uint8_t*>(r.bytes().data()) + bitsOffset;
    const bool bottomUp = rawHeight > 0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = data + stride * (bottomUp ? height - 1 - y : y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb pixel = 0;
            if (bits <= 8) {
                const int perByte = 8 / bits;
                const int shift = 8 - bits * (x % perByte + 1);
                const std::uint32_t index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
                pixel = index < static_cast<std::uint32_t>(colours.size()) ? colours[index]
                                                                           : qRgb(0, 0, 0);
            } else if (bits == 24) {
                pixel = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            } else {
                const std::uint32_t v =
                    bits == 16 ? (row[2 * x] | (row[2 * x + 1] << 8))
                               : (row[4 * x] | (row[4 * x + 1] << 8) | (row[4 * x + 2] << 16) |
                                  (std::uint32_t(row[4 * x + 3]) << 24));
                const int alpha = keepAlpha && bits == 32 ? int(v >> 24) : 255;
                pixel =
                    qRgba(Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]), alpha);
            }
            out[x] = keepAlpha ? pixel : (pixel | 0xFF000000u);
        }
    }
    if (keepAlpha) // alpha-blended bitmaps hold premultiplied colours
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

void Playback::blit(const QImage& image, const QRectF& dest, const QRectF& source,
                    std::uint32_t rop, double opacity)
{
    QPainterPath area;
    area.addRect(dest);
    applyClip();
    useTransform(logicalToDevice() * deviceToTarget_);
    if (image.isNull()) {
        const QBrush fill = rop == kBlackness   ? QBrush(Qt::black)
                            : rop == kWhiteness ? QBrush(Qt::white)
                            : rop == kPatCopy   ? dc_.brush
                                                : QBrush(Qt::NoBrush);
        painter_.fillPath(area, fill);
        return;
    }
    const QPainter::CompositionMode mode =
        rop == kSrcAnd      ? QPainter::RasterOp_SourceAndDestination
        : rop == kSrcPaint  ? QPainter::RasterOp_SourceOrDestination
        : rop == kSrcInvert ? QPainter::RasterOp_SourceXorDestination
                            : QPainter::CompositionMode_SourceOver;
    painter_.setCompositionMode(mode);
    painter_.setOpacity(opacity);
    painter_.drawImage(dest, image, source);
    painter_.setOpacity(1);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool Playback::bitmaps(const EmfRecord& r)
{
    const std::uint32_t type = r.type();
    auto rectAt = [&](qsizetype at, qsizetype sizeAt) -> std::optional<QRectF> {
        const auto x = r.i32(at), y = r.i32(at + 4), w = r.i32(sizeAt), h = r.i32(sizeAt + 4);
        if (!x || !y || !w || !h)
            return std::nullopt;
        return QRectF(*x, *y, *w, *h);
    };
    // The source rectangle counted from the top of the decoded image.
    auto sourceOf = [](const QImage& image, QRectF src) {
        return image.isNull() ? src : src.intersected(QRectF(image.rect()));
    };
    switch (type) {
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_ALPHABLEND: {
        const bool alpha = type == U_EMR_ALPHABLEND;
        const qsizetype srcAt = alpha ? offsetof(U_EMRALPHABLEND, Src) : offsetof(U_EMRBITBLT, Src);
        const qsizetype bmiAt =
            alpha ? offsetof(U_EMRALPHABLEND, offBmiSrc) : offsetof(U_EMRBITBLT, offBmiSrc);
        const std::optional<QRectF> dest =
            rectAt(offsetof(U_EMRBITBLT, Dest), offsetof(U_EMRBITBLT, cDest));
        const auto rop =
            alpha ? std::optional<std::uint32_t>(kSrcCopy) : r.u32(offsetof(U_EMRBITBLT, dwRop));
        const auto offBmi = r.u32(bmiAt), cbBmi = r.u32(bmiAt + 4), offBits = r.u32(bmiAt + 8),
                   cbBits = r.u32(bmiAt + 12);
        if (!dest || !rop || !offBmi || !cbBmi || !offBits || !cbBits)
            return true;
        const std::uint8_t format =
            alpha ? r.u8(offsetof(U_EMRALPHABLEND, Blend) + 3).value_or(0) : 0;
        const QImage image = *cbBmi == 0 ? QImage()
                                         : DecodeDib(r, *offBmi, *cbBmi, *offBits, *cbBits,
                                                     format == U_AC_SRC_ALPHA);
        if (*cbBmi != 0 && image.isNull())
            return true;
        QRectF src(QPointF(r.i32(srcAt).value_or(0), r.i32(srcAt + 4).value_or(0)), dest->size());
        if (type != U_EMR_BITBLT) {
            const qsizetype cSrc =
                alpha ? offsetof(U_EMRALPHABLEND, cSrc) : offsetof(U_EMRSTRETCHBLT, cSrc);
            src.setSize(QSizeF(r.i32(cSrc).value_or(0), r.i32(cSrc + 4).value_or(0)));
        }
        const double opacity =
            alpha ? r.u8(offsetof(U_EMRALPHABLEND, Blend) + 2).value_or(255) / 255.0 : 1;
        blit(image, *dest, sourceOf(image, src), *rop, opacity);
        return true;
    }
    case U_EMR_STRETCHDIBITS:
    case U_EMR_SETDIBITSTODEVICE: {
        const bool stretch = type == U_EMR_STRETCHDIBITS;
        const qsizetype bmiAt = offsetof(U_EMRSTRETCHDIBITS, offBmiSrc);
        const auto offBmi = r.u32(bmiAt), cbBmi = r.u32(bmiAt + 4), offBits = r.u32(bmiAt + 8),
                   cbBits = r.u32(bmiAt + 12);
        const std::optional<QRectF> src =
            rectAt(offsetof(U_EMRSTRETCHDIBITS, Src), offsetof(U_EMRSTRETCHDIBITS, cSrc));
        const auto destAt = r.i32(offsetof(U_EMRSTRETCHDIBITS, Dest)),
                   destY = r.i32(offsetof(U_EMRSTRETCHDIBITS, Dest) + 4);
        if (!offBmi || !cbBmi || !offBits || !cbBits || !src || !destAt || !destY)
            return true;
        const QImage image = DecodeDib(r, *offBmi, *cbBmi, *offBits, *cbBits, false);
        if (image.isNull())
            return true;
        QSizeF destSize = src->size();
        std::uint32_t rop = kSrcCopy;
        if (stretch) {
            destSize = QSizeF(r.i32(offsetof(U_EMRSTRETCHDIBITS, cDest)).value_or(0),
                              r.i32(offsetof(U_EMRSTRETCHDIBITS, cDest) + 4).value_or(0));
            rop = r.u32(offsetof(U_EMRSTRETCHDIBITS, dwRop)).value_or(kSrcCopy);
        }
        // The source's y counts from the bitmap's bottom edge.
        const QRectF fromTop(src->x(), image.height() - src->y() - src->height(), src->width(),
                             src->height());
        blit(image, QRectF(QPointF(*destAt, *destY), destSize), sourceOf(image, fromTop), rop, 1);
        return true;
    }
    default:
        return false;
    }
}

bool Playback::text(const EmfRecord& r)
{
    const std::uint32_t type = r.type();
    if (type != U_EMR_EXTTEXTOUTW && type != U_EMR_EXTTEXTOUTA)
        return false;
    const bool wide = type == U_EMR_EXTTEXTOUTW;
    constexpr qsizetype kText = offsetof(U_EMREXTTEXTOUTW, emrtext);
    const auto refX = r.i32(kText), refY = r.i32(kText + 4);
    const auto count = r.u32(kText + 8), offString = r.u32(kText + 12), options = r.u32(kText + 16);
    if (!refX || !refY || !count || !offString || !options || *count > kMaxTextLength ||
        !r.holds(*offString, *count, wide ? 2 : 1) || (*options & U_ETO_GLYPH_INDEX))
        return true;
    const bool hasRect = !(*options & U_ETO_NO_RECT);
    const qsizetype dxAt = kText + 20 + (hasRect ? 16 : 0);
    const auto offDx = r.u32(dxAt);
    const bool pairs = *options & U_ETO_PDY;
    QString text;
    for (std::uint32_t i = 0; i < *count; ++i)
        text += wide ? QChar(*r.u16(*offString + 2 * i)) : QChar(*r.u8(*offString + i));
    const bool advances = offDx && *offDx != 0 && r.holds(*offDx, *count * (pairs ? 2u : 1u), 4);

    const QTransform full = logicalToDevice() * deviceToTarget_;
    const double scaleX = std::hypot(full.m11(), full.m12());
    const double scaleY = std::hypot(full.m21(), full.m22());
    QFont font = dc_.font.font;
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(std::min(dc_.font.height * scaleY, 10000.0)))));
    const QFontMetricsF metrics(font);
    std::vector<double> offsets; // along the baseline, target pixels
    double x = 0;
    for (std::uint32_t i = 0; i < *count; ++i) {
        offsets.push_back(x);
        x += advances ? static_cast<std::int32_t>(*r.u32(*offDx + 4 * i * (pairs ? 2 : 1))) * scaleX
                      : metrics.horizontalAdvance(text.at(i));
    }
    const bool updateCp = dc_.textAlign & U_TA_UPDATECP;
    const QPointF reference = updateCp ? dc_.position : QPointF(*refX, *refY);
    const std::uint32_t horizontal = dc_.textAlign & U_TA_CENTER;
    const std::uint32_t vertical = dc_.textAlign & U_TA_BASELINE;
    const double shiftX = horizontal == U_TA_CENTER ? -x / 2 : horizontal == U_TA_RIGHT ? -x : 0;
    const double baseline = vertical == U_TA_BASELINE ? 0
                            : vertical == U_TA_BOTTOM ? -metrics.descent()
                                                      : metrics.ascent();
    if (updateCp && scaleX > 0)
        dc_.position = reference + QPointF(x / scaleX, 0);

    applyClip();
    if (hasRect && (*options & (U_ETO_OPAQUE | U_ETO_CLIPPED))) {
        const auto l = r.i32(kText + 20), t = r.i32(kText + 24), ri = r.i32(kText + 28),
                   b = r.i32(kText + 32);
        const QRectF box = QRectF(QPointF(*l, *t), QPointF(*ri, *b)).normalized();
        useTransform(full);
        if (*options & U_ETO_OPAQUE)
            painter_.fillRect(box, dc_.backColour);
        if (*options & U_ETO_CLIPPED) {
            painter_.setClipRect(box, Qt::IntersectClip);
            clipDirty_ = true;
        }
    }
    QTransform placement;
    placement.translate(full.map(reference).x(), full.map(reference).y());
    placement.rotate(-dc_.font.escapement / 10.0);
    useTransform(placement);
    if (dc_.opaqueBackground)
        painter_.fillRect(QRectF(shiftX, baseline - metrics.ascent(), x, metrics.height()),
                          dc_.backColour);
    // Big glyphs go as outlines: the painter would first make an image of
    // each whole glyph (seconds for one of 10,000 pixels), however little of
    // it the picture shows.
    if (font.pixelSize() > kLargestGlyphImage) {
        QPainterPath outlines;
        for (std::uint32_t i = 0; i < *count; ++i)
            outlines.addText(QPointF(shiftX + offsets[i], baseline), font, QString(text.at(i)));
        painter_.fillPath(outlines, dc_.textColour);
        return true;
    }
    painter_.setFont(font);
    painter_.setPen(dc_.textColour);
    for (std::uint32_t i = 0; i < *count; ++i)
        painter_.drawText(QPointF(shiftX + offsets[i], baseline), QString(text.at(i)));
    return true;
}

} // namespace kel::emfplay
