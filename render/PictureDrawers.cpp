#include "render/PictureDrawers.h"

#include "render/EmfPlayer.h"
#include "render/JpegCodec.h"
#include "render/ShapeDrawers.h"

#include <algorithm>
#include <cstring>

namespace kel {

namespace {

constexpr size_t kMaxEntries = 64;
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

DecodedPicture PictureCache::decodeNew(RecordKind type, const QString& text)
{
    DecodedPicture picture;
    const std::optional<QByteArray> bytes = type == RecordKind::BitmapPicture
                                                ? DecodeSixBitPicture(text, &picture.error)
                                                : DecodeHexPicture(text, &picture.error);
    if (!bytes)
        return picture;
    if (type == RecordKind::EmfPicture) {
        if (const std::optional<EmfInfo> info = ValidateEmf(*bytes, &picture.error)) {
            picture.emf = *info;
            picture.size = info->size;
            picture.metafile = *bytes;
        }
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

namespace {

// A cell that did not change still shares its characters with the cached
// copy.
bool SameText(const QString& a, const QString& b)
{
    return a.constData() == b.constData() ? a.size() == b.size() : a == b;
}

} // namespace

const DecodedPicture& PictureCache::decode(RecordKind type, const QString& text)
{
    ++clock_;
    for (Entry& entry : entries_) {
        if (entry.type == type && SameText(entry.text, text)) {
            entry.lastUse = clock_;
            return entry.picture;
        }
    }
    ++decodes_;
    entries_.push_back({type, text, decodeNew(type, text), clock_});
    evictBeyondLimits();
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return e.lastUse == clock_; })
        ->picture;
}

QImage PictureCache::playedEmf(const QString& text, const PictureBox& box, const QRect& visible)
{
    const long long width = box.right - box.left, height = box.bottom - box.top;
    const QRect part = visible.translated(-QPoint(ClampFar(box.left), ClampFar(box.top)));
    ++clock_;
    for (Played& p : played_) {
        if (p.width == width && p.height == height && p.part == part && SameText(p.text, text)) {
            p.lastUse = clock_;
            return p.image;
        }
    }
    const DecodedPicture& picture = decode(RecordKind::EmfPicture, text);
    if (picture.metafile.isEmpty() || part.isEmpty())
        return {};
    QImage image = RenderEmf(picture.metafile, picture.emf,
                             QSizeF(static_cast<double>(width), static_cast<double>(height)), part);
    played_.push_back({text, width, height, part, image, clock_});
    evictBeyondLimits();
    return image;
}

void PictureCache::clear()
{
    entries_.clear();
    played_.clear();
}

void PictureCache::evictBeyondLimits()
{
    auto total = [&] {
        qsizetype bytes = 0;
        for (const Entry& e : entries_)
            bytes += e.picture.image.sizeInBytes() + e.picture.metafile.size() + e.text.size() * 2;
        for (const Played& p : played_)
            bytes += p.image.sizeInBytes();
        return bytes;
    };
    auto oldest = [](auto& list) {
        return std::min_element(list.begin(), list.end(),
                                [](const auto& a, const auto& b) { return a.lastUse < b.lastUse; });
    };
    // The newest entry of each list always stays, whatever its size.
    while (entries_.size() > kMaxEntries ||
           (total() > kMaxCachedBytes && (entries_.size() > 1 || played_.size() > 1))) {
        if (played_.size() > 1 &&
            (entries_.size() <= 1 || oldest(played_)->lastUse < oldest(entries_)->lastUse))
            played_.erase(oldest(played_));
        else if (entries_.size() > 1)
            entries_.erase(oldest(entries_));
        else
            break;
    }
    while (played_.size() > kMaxEntries)
        played_.erase(oldest(played_));
}

PictureBox EmfPictureBox(QPoint at, QSize size, int percent)
{
    const long long w = static_cast<long long>(size.width()) * percent / 100;
    const long long h = static_cast<long long>(size.height()) * percent / 100;
    return {at.x(), at.y(), at.x() + w, at.y() + h};
}

void DrawBrokenPicture(Canvas& canvas, QPoint at)
{
    const long long r = static_cast<long long>(at.x()) + kBrokenPictureSide;
    const long long b = static_cast<long long>(at.y()) + kBrokenPictureSide;
    const int right = ClampFar(r), bottom = ClampFar(b);
    canvas.setBrush(kNoBrush);
    canvas.setPen({0x808080, 1, PenStyle::Solid});
    canvas.rectangle(at.x(), at.y(), right, bottom);
    canvas.line(at, {right - 1, bottom - 1});
    canvas.line({at.x(), bottom - 1}, {right - 1, at.y()});
}

} // namespace kel
