#include "render/EmfData.h"

#include <uemf.h>

#include <cmath>
#include <cstddef>
#include <cstring>

namespace kel {

namespace {

constexpr std::uint32_t kSignature = 0x464D4520; // " EMF"
constexpr int kMaxRecords = 4'000'000;
constexpr int kMaxSide = 10000;
constexpr long long kMaxCoordinate = 1LL << 28;

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

template <class T> std::optional<T> ReadAt(QByteArrayView bytes, qsizetype offset)
{
    return EmfRecord(bytes).read<T>(offset);
}

} // namespace

std::optional<float> EmfRecord::f32(qsizetype offset) const
{
    const std::optional<float> v = read<float>(offset);
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

bool EmfRecord::holds(qsizetype offset, std::uint64_t count, qsizetype itemSize) const
{
    if (offset < 0 || offset > bytes_.size() || itemSize <= 0)
        return false;
    return count <= static_cast<std::uint64_t>((bytes_.size() - offset) / itemSize);
}

std::optional<EmfRecord> EmfRecordWalk::next()
{
    if (ended_ || offset_ > data_.size() - 8)
        return std::nullopt;
    const std::uint32_t size = ReadAt<std::uint32_t>(data_, offset_ + 4).value_or(0);
    if (size < 8 || size % 4 != 0 || size > static_cast<std::uint64_t>(data_.size() - offset_))
        return std::nullopt;
    EmfRecord record(data_.sliced(offset_, size));
    offset_ += size;
    ended_ = record.type() == U_EMR_EOF;
    return record;
}

std::optional<EmfInfo> ValidateEmf(QByteArrayView data, QString* error)
{
    const QString invalid = QStringLiteral("Metafile is not valid");
    if (data.size() > kMaxMetafileBytes) {
        SetError(error, QStringLiteral("Metafile is too large (%1 bytes)").arg(data.size()));
        return std::nullopt;
    }
    EmfRecordWalk walk(data);
    const std::optional<EmfRecord> header = walk.next();
    if (!header || header->type() != U_EMR_HEADER ||
        header->u32(offsetof(U_EMRHEADER, dSignature)) != kSignature ||
        !header->holds(0, 1, offsetof(U_EMRHEADER, szlMillimeters) + sizeof(U_SIZEL))) {
        SetError(error, invalid);
        return std::nullopt;
    }
    EmfInfo info;
    auto at = [&](size_t offset) { return static_cast<long long>(*header->i32(offset)); };
    const size_t frame = offsetof(U_EMRHEADER, rclFrame);
    const size_t bounds = offsetof(U_EMRHEADER, rclBounds);
    const long long frameW = at(frame + 8) - at(frame);
    const long long frameH = at(frame + 12) - at(frame + 4);
    const long long devW = at(offsetof(U_EMRHEADER, szlDevice));
    const long long devH = at(offsetof(U_EMRHEADER, szlDevice) + 4);
    const long long mmW = at(offsetof(U_EMRHEADER, szlMillimeters));
    const long long mmH = at(offsetof(U_EMRHEADER, szlMillimeters) + 4);
    long long width = (frameW * 96 + 1270) / 2540;
    long long height = (frameH * 96 + 1270) / 2540;
    if (frameW <= 0 || frameH <= 0) {
        width = at(bounds + 8) - at(bounds) + 1;
        height = at(bounds + 12) - at(bounds + 4) + 1;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        SetError(error, QStringLiteral("Metafile is not valid: it declares %1 x %2 pixels")
                            .arg(width)
                            .arg(height));
        return std::nullopt;
    }
    info.size = QSize(static_cast<int>(width), static_cast<int>(height));
    const bool deviceKnown = devW > 0 && devH > 0 && mmW > 0 && mmH > 0;
    const double perMmX = deviceKnown ? double(devW) / double(mmW) : 96 / 25.4;
    const double perMmY = deviceKnown ? double(devH) / double(mmH) : 96 / 25.4;
    info.devicePerMm = perMmX;
    // Device coordinates stay far inside int, so rectangles made of them
    // cannot overflow; a header that needs more is refused.
    auto device = [](long long hundredths, double perMm) -> std::optional<int> {
        const double value = std::round(static_cast<double>(hundredths) * perMm / 100);
        if (!std::isfinite(value) || std::abs(value) > kMaxCoordinate)
            return std::nullopt;
        return static_cast<int>(value);
    };
    if (frameW > 0 && frameH > 0) {
        const std::optional<int> l = device(at(frame), perMmX), t = device(at(frame + 4), perMmY),
                                 r = device(at(frame + 8), perMmX),
                                 b = device(at(frame + 12), perMmY);
        if (l && t && r && b)
            info.frameDevice = QRect(QPoint(*l, *t), QPoint(*r - 1, *b - 1));
    }
    if (info.frameDevice.isEmpty()) {
        if (std::abs(at(bounds)) > kMaxCoordinate || std::abs(at(bounds + 4)) > kMaxCoordinate) {
            SetError(error, QStringLiteral("Metafile is not valid: its bounds lie out of range"));
            return std::nullopt;
        }
        info.frameDevice = QRect(static_cast<int>(at(bounds)), static_cast<int>(at(bounds + 4)),
                                 info.size.width(), info.size.height());
    }
    info.handles = header->u16(offsetof(U_EMRHEADER, nHandles)).value_or(0);
    int records = 1;
    bool ended = false;
    while (const std::optional<EmfRecord> record = walk.next()) {
        if (++records > kMaxRecords) {
            SetError(error, QStringLiteral("Metafile has too many records"));
            return std::nullopt;
        }
        ended = record->type() == U_EMR_EOF;
    }
    if (!ended) {
        SetError(error, QStringLiteral("Metafile is not valid: a record's size does not fit"));
        return std::nullopt;
    }
    info.records = records;
    return info;
}

} // namespace kel
