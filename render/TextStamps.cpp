#include "render/TextStamps.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace kel {

namespace {

constexpr qsizetype kMaxBytes = qsizetype(64) * 1024 * 1024;
constexpr qsizetype kMaxStamps = 8192;
// The cell of a text in a font of 2000 pixels holds tens of millions of
// pixels, which take seconds to paint and scan; only stamps up to this size
// are made whole and kept.
constexpr long long kMaxKeptPixels = 4LL * 1024 * 1024;

// The anchored text's transform: scale, then the turn about the anchor.
QTransform TextTransform(int escapement, int scale)
{
    QTransform t;
    t.scale(scale, scale);
    t.rotate(-escapement / 10.0);
    return t;
}

} // namespace

size_t qHash(const TextStamps::Key& key, size_t seed)
{
    return qHashMulti(seed, key.face, key.escapement, key.scale, key.text);
}

QString TextStamps::faceKey(const QFont& font)
{
    return font.family() + QLatin1Char('/') + QString::number(font.pixelSize()) +
           QLatin1Char(font.bold() ? 'b' : '-') + QLatin1Char(font.italic() ? 'i' : '-');
}

TextStamps& TextStamps::shared()
{
    static TextStamps stamps;
    return stamps;
}

QRect TextStamps::area(const QFont& font, int escapement, int scale, const QString& text)
{
    const QFontMetrics metrics(font);
    // The cell with room for overhangs (italics, accents).
    const double room = font.pixelSize();
    const QRectF cell(-room, -room, metrics.horizontalAdvance(text) + 2 * room,
                      metrics.height() + 2 * room);
    return TextTransform(escapement, scale).mapRect(cell).toAlignedRect();
}

TextStamps::Stamp TextStamps::render(const QFont& font, int escapement, int scale,
                                     const QString& text, const QRect& area)
{
    if (area.isEmpty())
        return {};
    QImage canvas(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull())
        return {};
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setTransform(TextTransform(escapement, scale) *
                             QTransform::fromTranslate(-area.x(), -area.y()));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPointF(0, QFontMetrics(font).ascent()), text);
    }
    // Only the ink is kept, as runs.
    Stamp stamp;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        int x = 0;
        while (x < canvas.width()) {
            if (qAlpha(line[x]) < 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < canvas.width() && qAlpha(line[x]) >= 128)
                ++x;
            stamp.runs.push_back({area.y() + y, area.x() + start, area.x() + x - 1});
            stamp.bounds |= QRect(QPoint(area.x() + start, area.y() + y),
                                  QPoint(area.x() + x - 1, area.y() + y));
        }
    }
    return stamp;
}

void TextStamps::makeRoom(qsizetype bytes)
{
    // Forgetting everything at once is enough: the next redraw refills what
    // the drawing uses.
    if (bytes_ + bytes > kMaxBytes || stamps_.size() >= kMaxStamps) {
        stamps_.clear();
        extents_.clear();
        bytes_ = 0;
    }
}

std::shared_ptr<const TextStamps::Stamp> TextStamps::stamp(const QFont& font,
                                                           const QString& faceKey, int escapement,
                                                           int scale, const QString& text,
                                                           const QRect& window)
{
    const Key key{faceKey, escapement, scale, text};
    const std::lock_guard<std::mutex> hold(lock_);
    auto found = stamps_.constFind(key);
    if (found != stamps_.cend())
        return *found;
    const QRect whole = area(font, escapement, scale, text);
    if (static_cast<long long>(whole.width()) * whole.height() > kMaxKeptPixels)
        return std::make_shared<const Stamp>(render(font, escapement, scale, text, whole & window));
    auto made = std::make_shared<const Stamp>(render(font, escapement, scale, text, whole));
    const qsizetype bytes =
        static_cast<qsizetype>(made->runs.size() * sizeof(Run)) + text.size() * 2 + 64;
    makeRoom(bytes);
    bytes_ += bytes;
    stamps_.insert(key, made);
    return made;
}

QSize TextStamps::extent(const QFont& font, const QString& faceKey, const QString& text)
{
    const Key key{faceKey, 0, 0, text};
    const std::lock_guard<std::mutex> hold(lock_);
    auto found = extents_.constFind(key);
    if (found != extents_.cend())
        return *found;
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    makeRoom(text.size() * 2 + 64);
    bytes_ += text.size() * 2 + 64;
    extents_.insert(key, size);
    return size;
}

} // namespace kel
