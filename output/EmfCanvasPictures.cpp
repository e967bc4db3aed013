#include "output/EmfCanvas.h"

#include "output/CanvasFonts.h"
#include "output/EmfRecords.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <cstdlib>
#include <cstring>

// Text, pictures and flood fills of the metafile canvas.

namespace kel {

namespace {

// 96 dots per inch in pixels per metre.
constexpr int32_t kPixelsPerMetre = 3780;

bool SameFont(const CanvasFont& a, const CanvasFont& b)
{
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.escapement == b.escapement;
}

QPoint Rounded(QPointF p)
{
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

QTransform TextPlacement(QPoint at, int escapement)
{
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(-escapement / 10.0);
    return t;
}

} // namespace

void EmfCanvas::setFont(const CanvasFont& font)
{
    if (!SameFont(font, this->font()))
        fontCurrent_ = false;
    ShadowedCanvas::setFont(font);
}

void EmfCanvas::selectFont()
{
    if (fontCurrent_ && fontHandle_ != 0)
        return;
    const CanvasFont& font = shadow().font();
    qtFont_ = QtFontOf(font);
    // The face name is at most 31 UTF-16 units and ends with a zero.
    uint16_t face[U_LF_FACESIZE] = {};
    const QString name = font.name.left(U_LF_FACESIZE - 1);
    std::memcpy(face, name.utf16(), static_cast<size_t>(name.size()) * sizeof(uint16_t));
    // A negative height asks for the character height without the leading,
    // which is what a pixel size is.
    const U_LOGFONT logFont =
        logfont_set(-qtFont_.pixelSize(), 0, font.escapement, font.escapement,
                    font.bold ? U_FW_BOLD : U_FW_NORMAL, font.italic ? 1 : 0, 0, 0,
                    U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                    U_NONANTIALIASED_QUALITY, U_DEFAULT_PITCH, face);
    std::uint32_t handle = 0;
    writer_.append(extcreatefontindirectw_set(&handle, writer_.handles(),
                                              reinterpret_cast<const char*>(&logFont), nullptr));
    writer_.append(selectobject_set(handle, writer_.handles()));
    if (fontHandle_ != 0)
        writer_.append(deleteobject_set(&fontHandle_, writer_.handles()));
    fontHandle_ = handle;
    fontCurrent_ = true;
}

void EmfCanvas::selectTextColour(Colour colour)
{
    if (textColour_ == colour)
        return;
    writer_.append(U_EMRSETTEXTCOLOR_set(emf::ColorRef(colour)));
    textColour_ = colour;
}

void EmfCanvas::textOut(QPoint at, const QString& text)
{
    shadow().textOut(at, text);
    if (text.isEmpty())
        return;
    selectFont();
    selectTextColour(shadow().font().colour);
    // Each character's advance, so readers place the letters as the screen
    // does whatever font they substitute.
    const QFontMetricsF metrics(qtFont_);
    std::vector<uint32_t> advances(static_cast<size_t>(text.size()), 0);
    double x = 0;
    long long placed = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
        x += metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1));
        const long long next = std::llround(x);
        advances[static_cast<size_t>(i)] = static_cast<uint32_t>(std::max(next - placed, 0LL));
        placed = next;
        if (pair)
            ++i;
    }
    const QRectF cell(0, 0, x, metrics.height());
    const QRect area = TextPlacement(at, shadow().font().escapement).mapRect(cell).toAlignedRect();
    char* body = emrtext_set(emf::Point(at), static_cast<U_NUM_STR>(text.size()), 2,
                             const_cast<void*>(static_cast<const void*>(text.utf16())), U_ETO_NONE,
                             emf::Rect(0, 0, -1, -1), advances.data());
    if (!body) {
        writer_.append(nullptr);
        return;
    }
    writer_.append(
        U_EMREXTTEXTOUTW_set(emf::Rect(area.left(), area.top(), area.right(), area.bottom()),
                             U_GM_COMPATIBLE, 1.0f, 1.0f, reinterpret_cast<PU_EMRTEXT>(body)));
    std::free(body);
}

void EmfCanvas::textPath(QPoint at, const QString& text)
{
    shadow().textPath(at, text);
    if (text.isEmpty())
        return;
    // Readers fill text paths poorly, so the letters go as their outlines.
    const QFont f = QtFontOf(shadow().font());
    QPainterPath path;
    path.addText(0, QFontMetricsF(f).ascent(), f, text);
    std::vector<std::vector<QPoint>> outlines;
    for (const QPolygonF& polygon :
         path.toSubpathPolygons(TextPlacement(at, shadow().font().escapement))) {
        std::vector<QPoint> points;
        points.reserve(static_cast<size_t>(polygon.size()));
        for (const QPointF& p : polygon)
            points.push_back(Rounded(p));
        outlines.push_back(std::move(points));
    }
    selectPenAndBrush();
    polyPolygon(outlines);
}

void EmfCanvas::drawImage(QPoint at, const QImage& image)
{
    shadow().drawImage(at, image);
    if (image.isNull())
        return;
    // A picture with transparent parts (a played metafile) goes in as what
    // the shadow shows there: the picture over what lay below it.
    if (image.hasAlphaChannel()) {
        const QRect box = QRect(at, image.size()).intersected(QRect(QPoint(0, 0), size()));
        bitmapRecord(box, shadow().pixels(), box);
        return;
    }
    bitmapRecord(QRect(at, image.size()), image, image.rect());
}

void EmfCanvas::stretchImage(const QRect& box, const QImage& image)
{
    shadow().stretchImage(box, image);
    if (image.isNull())
        return;
    const std::optional<StretchedBox> part = onCanvas(box);
    if (!part)
        return;
    const double l = part->whole.left(), t = part->whole.top();
    const double w = part->whole.width(), h = part->whole.height();
    const QRectF& visible = part->visible;
    // Whole source pixels covering the visible part, and where they land.
    const double sx = image.width() / w, sy = image.height() / h;
    const int x0 = static_cast<int>(std::floor((visible.left() - l) * sx));
    const int y0 = static_cast<int>(std::floor((visible.top() - t) * sy));
    const int x1 = std::min(image.width(), static_cast<int>(std::ceil((visible.right() - l) * sx)));
    const int y1 =
        std::min(image.height(), static_cast<int>(std::ceil((visible.bottom() - t) * sy)));
    if (x1 <= x0 || y1 <= y0)
        return;
    const QRect source(x0, y0, x1 - x0, y1 - y0);
    const QPoint topLeft(static_cast<int>(std::lround(l + x0 / sx)),
                         static_cast<int>(std::lround(t + y0 / sy)));
    const QPoint bottomRight(static_cast<int>(std::lround(l + x1 / sx)),
                             static_cast<int>(std::lround(t + y1 / sy)));
    bitmapRecord(QRect(topLeft, bottomRight - QPoint(1, 1)), image, source);
}

void EmfCanvas::bitmapRecord(const QRect& box, const QImage& image, const QRect& source)
{
    if (box.isEmpty() || source.isEmpty())
        return;
    const QImage part = image.copy(source).convertToFormat(QImage::Format_RGB32);
    const int w = part.width(), h = part.height();
    // A bottom-up device-independent bitmap, 32 bits a pixel, the unused
    // fourth byte zero.
    QByteArray pixels(static_cast<qsizetype>(w) * h * 4, '\0');
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(part.constScanLine(h - 1 - y));
        auto* to = reinterpret_cast<uint32_t*>(pixels.data()) + static_cast<qsizetype>(y) * w;
        for (int x = 0; x < w; ++x)
            to[x] = from[x] & 0x00FFFFFFu;
    }
    const U_BITMAPINFOHEADER header = bitmapinfoheader_set(w, h, 1, U_BCBM_COLOR32, U_BI_RGB,
                                                           static_cast<uint32_t>(pixels.size()),
                                                           kPixelsPerMetre, kPixelsPerMetre, 0, 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
    writer_.append(U_EMRSTRETCHDIBITS_set(
        emf::Rect(box.left(), box.top(), box.right(), box.bottom()), emf::Point(box.topLeft()),
        point32_set(box.width(), box.height()), point32_set(0, 0), point32_set(w, h),
        U_DIB_RGB_COLORS, U_SRCCOPY, info, static_cast<uint32_t>(pixels.size()), pixels.data()));
    std::free(info);
}

void EmfCanvas::embedFill(const FilledArea& area)
{
    // The region's pixels from the shadow, clipped to the region so that
    // nothing around it is covered.
    std::vector<U_RECTL> rects;
    rects.reserve(area.rects.size());
    for (const QRect& r : area.rects)
        rects.push_back(emf::Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1));
    const QRect& box = area.box;
    const U_RGNDATAHEADER header =
        rgndataheader_set(static_cast<U_NUM_RECTL>(rects.size()),
                          emf::Rect(box.left(), box.top(), box.right() + 1, box.bottom() + 1));
    PU_RGNDATA region = rgndata_set(header, rects.data());
    writer_.append(U_EMRSAVEDC_set());
    writer_.append(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, region));
    std::free(region);
    bitmapRecord(box, shadow().pixels(), box);
    writer_.append(U_EMRRESTOREDC_set(-1));
}

} // namespace kel
