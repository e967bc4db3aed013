#pragma once
// Pictures kept in rows as text: JPG picture records (`j`, hexadecimal
// bytes), bitmap picture records (`x`, six-bit characters, JPEG data inside)
// and EMF picture records (`f`, hexadecimal bytes of an enhanced metafile).
//
// Picture text comes from files and the clipboard, so every decoder checks
// its input and reports damage instead of reading past the end; decoded
// pictures are limited to kMaxPictureSide pixels a side.

#include "model/Canvas.h"
#include "model/RecordKinds.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kel {

inline constexpr int kMaxPictureSide = 10000;

// Two characters per byte, the first giving the low four bits and the second
// the high four bits; digits and A..F (a..f accepted). Nothing, with the
// reason in *error, for an odd length or any other character.
std::optional<QByteArray> DecodeHexPicture(const QString& text, QString* error = nullptr);
QString EncodeHexPicture(QByteArrayView bytes);

// Four characters per three bytes, each character standing for its code
// minus 48 (0..63), the first character the lowest six bits. Nothing for a
// length that is not a multiple of 4 or a character outside the range.
std::optional<QByteArray> DecodeSixBitPicture(const QString& text, QString* error = nullptr);
// A last group of fewer than three bytes is completed with zero bytes.
QString EncodeSixBitPicture(QByteArrayView bytes);

// The size in pixels (96 dots per inch) an enhanced metafile declares in its
// header; nothing when the data is not a metafile or declares more than
// kMaxPictureSide pixels a side.
std::optional<QSize> EmfPictureSize(QByteArrayView data, QString* error = nullptr);

// What a picture cell decodes to: the pixels of a JPEG picture, or the
// declared size of a metafile; `error` says why neither was found.
struct DecodedPicture {
    QImage image;
    QSize size;
    QString error;
};

// Decodes picture cells, keeping the last few results so an unchanged
// drawing is not decoded again on every redraw.
class PictureCache {
public:
    // `type` is one of the picture kinds.
    const DecodedPicture& decode(RecordKind type, const QString& text);
    void clear() { entries_.clear(); }

private:
    struct Entry {
        RecordKind type;
        QString text;
        DecodedPicture picture;
        std::uint64_t lastUse = 0;
    };
    static DecodedPicture decodeNew(RecordKind type, const QString& text);
    void evictBeyondLimits();

    std::vector<Entry> entries_;
    std::uint64_t clock_ = 0;
};

// The stand-in for an enhanced metafile until metafiles are played: a white
// box with a light cross hatch and a grey frame, of the declared size scaled
// by `percent`, at `at`. Nothing for a size of 0 or less.
void DrawEmfPlaceholder(Canvas& canvas, QPoint at, QSize size, int percent);
// The box the placeholder fills, in 64 bits (it can exceed 32).
struct PictureBox {
    long long left, top, right, bottom;
};
PictureBox EmfPictureBox(QPoint at, QSize size, int percent);

} // namespace kel
