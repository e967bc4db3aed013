#pragma once
// Enhanced metafile bytes checked before anything reads them: the header
// with its " EMF" signature, then a walk over every record by its size up
// to the end-of-file record. Metafiles come from the clipboard and from
// picture text, so every read of a record field is bounds-checked too.

#include <QByteArray>
#include <QByteArrayView>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <cstring>
#include <optional>

namespace kel {

// Larger metafiles are refused outright.
inline constexpr qsizetype kMaxMetafileBytes = qsizetype(64) * 1024 * 1024;

struct EmfInfo {
    QSize size;        // pixels at 96 dots per inch, from the frame
    QRect frameDevice; // the frame in reference-device pixels
    double devicePerMm = 96 / 25.4;
    int handles = 0; // the object table's size the header declares
    int records = 0;
};

// The header's facts after the whole metafile walked cleanly; nothing, with
// the reason in *error, otherwise.
std::optional<EmfInfo> ValidateEmf(QByteArrayView data, QString* error = nullptr);

// One record's fields, each read only when it lies inside the record.
class EmfRecord {
public:
    EmfRecord(QByteArrayView bytes) : bytes_(bytes) {}

    std::uint32_t type() const { return u32(0).value_or(0); }
    qsizetype size() const { return bytes_.size(); }
    QByteArrayView bytes() const { return bytes_; }

    // Read for every record played: kept inline.
    template <class T> std::optional<T> read(qsizetype offset) const
    {
        if (offset < 0 || offset > bytes_.size() - static_cast<qsizetype>(sizeof(T)))
            return std::nullopt;
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof value);
        return value;
    }
    std::optional<std::uint32_t> u32(qsizetype offset) const { return read<std::uint32_t>(offset); }
    std::optional<std::int32_t> i32(qsizetype offset) const { return read<std::int32_t>(offset); }
    std::optional<std::int16_t> i16(qsizetype offset) const { return read<std::int16_t>(offset); }
    std::optional<std::uint16_t> u16(qsizetype offset) const { return read<std::uint16_t>(offset); }
    std::optional<std::uint8_t> u8(qsizetype offset) const { return read<std::uint8_t>(offset); }
    // Finite values only.
    std::optional<float> f32(qsizetype offset) const;
    // `count` items of `itemSize` bytes from `offset`, when all of them fit.
    bool holds(qsizetype offset, std::uint64_t count, qsizetype itemSize) const;

private:
    QByteArrayView bytes_;
};

// Walks validated metafile bytes record by record (the header first).
class EmfRecordWalk {
public:
    explicit EmfRecordWalk(QByteArrayView data) : data_(data) {}
    // The next record, or nothing after the end-of-file record or at a
    // record whose size does not fit.
    std::optional<EmfRecord> next();

private:
    QByteArrayView data_;
    qsizetype offset_ = 0;
    bool ended_ = false;
};

} // namespace kel
