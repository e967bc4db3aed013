#include "render/PictureDrawers.h"

#include "render/JpegCodec.h"
#include "render/ShapeDrawers.h"

#include <algorithm>
#include <cstring>

namespace kel {

namespace {

constexpr size_t kMaxEntries = 8;
constexpr qsizetype kMaxCachedBytes = qsizetype(256) * 1024 * 1024;
// Pictures are clamped to this far beyond the canvas; axis-parallel boxes
// keep every visible pixel.
constexpr long long kFar = 1LL << 30;

int HexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

std::int32_t ReadInt32(QByteArrayView data, qsizetype offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(data[offset + i]);
    std::int32_t result = 0;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

int ClampFar(long long v)
{
    return static_cast<int>(std::clamp(v, -kFar, kFar));
}

} // namespace

std::optional<QByteArray> DecodeHexPicture(const QString& text, QString* error)
{
    if (text.size() % 2 != 0) {
        SetError(error, QStringLiteral("Picture text has an odd number of digits"));
        return std::nullopt;
    }
    QByteArray bytes(text.size() / 2, Qt::Uninitialized);
    const char16_t* digits = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int low = HexValue(digits[2 * i]);
        const int high = HexValue(digits[2 * i + 1]);
        if (low < 0 || high < 0) {
            SetError(error, QStringLiteral("Picture text holds a character that is not a "
                                           "hexadecimal digit"));
            return std::nullopt;
        }
        bytes[i] = static_cast<char>(low | (high << 4));
    }
    return bytes;
}

QString EncodeHexPicture(QByteArrayView bytes)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    QString text(bytes.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[2 * i] = QChar(kDigits[b & 0x0F]);
        text[2 * i + 1] = QChar(kDigits[b >> 4]);
    }
    return text;
}

std::optional<QByteArray> DecodeSixBitPicture(const QString& text, QString* error)
{
    if (text.size() % 4 != 0) {
        SetError(error, QStringLiteral("Picture text length is not a multiple of 4"));
        return std::nullopt;
    }
    QByteArray bytes(text.size() / 4 * 3, Qt::Uninitialized);
    const char16_t* chars = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype group = 0; group < text.size() / 4; ++group) {
        std::uint32_t n = 0;
        for (int k = 3; k >= 0; --k) {
            const int value = static_cast<int>(chars[4 * group + k]) - 48;
            if (value < 0 || value > 63) {
                SetError(error, QStringLiteral("Picture text holds a character outside the "
                                               "six-bit range"));
                return std::nullopt;
            }
            n = (n << 6) | static_cast<std::uint32_t>(value);
        }
        bytes[3 * group] = static_cast<char>(n & 0xFF);
        bytes[3 * group + 1] = static_cast<char>((n >> 8) & 0xFF);
        bytes[3 * group + 2] = static_cast<char>((n >> 16) & 0xFF);
    }
    return bytes;
}

QString EncodeSixBitPicture(QByteArrayView bytes)
{
    QString text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (qsizetype i = 0; i < bytes.size(); i += 3) {
        std::uint32_t n = 0;
        for (qsizetype k = 2; k >= 0; --k)
            n = (n << 8) | (i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (int k = 0; k < 4; ++k)
            text += QChar(static_cast<char16_t>(48 + ((n >> (6 * k)) & 63)));
    }
    return text;
}

std::optional<QSize> EmfPictureSize(QByteArrayView data, QString* error)
{
    // EMR_HEADER: type 1, size, bounds (device pixels, inclusive), frame
    // (0.01 mm), then the signature " EMF".
    constexpr qsizetype kHeaderSize = 88;
    constexpr std::int32_t kSignature = 0x464D4520;
    if (data.size() < kHeaderSize || ReadInt32(data, 0) != 1 || ReadInt32(data, 40) != kSignature ||
        ReadInt32(data, 4) < kHeaderSize) {
        SetError(error, QStringLiteral("Metafile is not valid"));
        return std::nullopt;
    }
    const long long frameWidth = static_cast<long long>(ReadInt32(data, 32)) - ReadInt32(data, 24);
    const long long frameHeight = static_cast<long long>(ReadInt32(data, 36)) - ReadInt32(data, 28);
    long long width = (frameWidth * 96 + 1270) / 2540;
    long long height = (frameHeight * 96 + 1270) / 2540;
    if (frameWidth <= 0 || frameHeight <= 0) {
        width = static_cast<long long>(ReadInt32(data, 16)) - ReadInt32(data, 8) + 1;
        height = static_cast<long long>(ReadInt32(data, 20)) - ReadInt32(data, 12) + 1;
    }
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
        SetError(error, QStringLiteral("Metafile is not valid: it declares %1 x %2 pixels")
                            .arg(width)
                            .arg(height));
        return std::nullopt;
    }
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

DecodedPicture PictureCache::decodeNew(RecordKind type, const QString& text)
{
    DecodedPicture picture;
    const std::optional<QByteArray> bytes = type == RecordKind::BitmapPicture
                                                ? DecodeSixBitPicture(text, &picture.error)
                                                : DecodeHexPicture(text, &picture.error);
    if (!bytes)
        return picture;
    if (type == RecordKind::EmfPicture) {
        if (const std::optional<QSize> size = EmfPictureSize(*bytes, &picture.error))
            picture.size = *size;
        return picture;
    }
    JpegResult jpeg = decodeJpeg(*bytes, kMaxPictureSide, kMaxPictureSide);
    picture.image = std::move(jpeg.image);
    picture.size = picture.image.size();
    picture.error = jpeg.error;
    if (picture.image.isNull() && picture.error.isEmpty())
        picture.error = QStringLiteral("JPEG data is not valid");
    return picture;
}

const DecodedPicture& PictureCache::decode(RecordKind type, const QString& text)
{
    ++clock_;
    for (Entry& entry : entries_) {
        // A cell that did not change still shares its characters with the
        // cached copy.
        const bool same = entry.type == type && (entry.text.constData() == text.constData()
                                                     ? entry.text.size() == text.size()
                                                     : entry.text == text);
        if (same) {
            entry.lastUse = clock_;
            return entry.picture;
        }
    }
    entries_.push_back({type, text, decodeNew(type, text), clock_});
    evictBeyondLimits();
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return e.lastUse == clock_; })
        ->picture;
}

void PictureCache::evictBeyondLimits()
{
    auto total = [&] {
        qsizetype bytes = 0;
        for (const Entry& e : entries_)
            bytes += e.picture.image.sizeInBytes() + e.text.size() * 2;
        return bytes;
    };
    // The newest entry always stays, whatever its size.
    while (entries_.size() > 1 && (entries_.size() > kMaxEntries || total() > kMaxCachedBytes)) {
        auto oldest =
            std::min_element(entries_.begin(), entries_.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        entries_.erase(oldest);
    }
}

PictureBox EmfPictureBox(QPoint at, QSize size, int percent)
{
    const long long w = static_cast<long long>(size.width()) * percent / 100;
    const long long h = static_cast<long long>(size.height()) * percent / 100;
    return {at.x(), at.y(), at.x() + w, at.y() + h};
}

void DrawEmfPlaceholder(Canvas& canvas, QPoint at, QSize size, int percent)
{
    const PictureBox box = EmfPictureBox(at, size, percent);
    if (box.right <= box.left || box.bottom <= box.top)
        return;
    const int l = ClampFar(box.left), t = ClampFar(box.top);
    const int r = ClampFar(box.right), b = ClampFar(box.bottom);
    canvas.setBrush({kWhite, BrushStyle::Solid});
    canvas.fillRect(l, t, r, b);
    canvas.setBrush({0xC0C0C0, BrushStyle::DiagonalCross});
    canvas.fillRect(l, t, r, b);
    canvas.setBrush(kNoBrush);
    canvas.setPen({0x808080, 1, PenStyle::Solid});
    canvas.rectangle(l, t, r, b);
}

} // namespace kel
