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
#include "render/EmfData.h"

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

// What a picture cell decodes to: the pixels of a JPEG picture, or a
// checked metafile with its size; `error` says why neither was found.
struct DecodedPicture {
    QImage image;
    QSize size;
    QByteArray metafile;
    EmfInfo emf;
    QString error;
};

// The box a metafile picture fills, in 64 bits (it can exceed 32).
struct PictureBox {
    long long left, top, right, bottom;
};
PictureBox EmfPictureBox(QPoint at, QSize size, int percent);

// Decodes picture cells and plays metafiles, keeping the results by cell
// text so that an unchanged drawing decodes and plays nothing again.
class PictureCache {
public:
    // `type` is one of the picture kinds.
    const DecodedPicture& decode(RecordKind type, const QString& text);
    // The part `visible` (canvas pixels) of the metafile of `text` played
    // into `box`; null when nothing of it is visible.
    QImage playedEmf(const QString& text, const PictureBox& box, const QRect& visible);
    void clear();
    // How many cells were decoded since the cache was made (for tests).
    int decodeCount() const { return decodes_; }

private:
    struct Entry {
        RecordKind type;
        QString text;
        DecodedPicture picture;
        std::uint64_t lastUse = 0;
    };
    struct Played {
        QString text;
        long long width, height;
        QRect part; // in the box's coordinates
        QImage image;
        std::uint64_t lastUse = 0;
    };
    static DecodedPicture decodeNew(RecordKind type, const QString& text);
    void evictBeyondLimits();

    std::vector<Entry> entries_;
    std::vector<Played> played_;
    std::uint64_t clock_ = 0;
    int decodes_ = 0;
};

// Where a picture cell does not decode: a grey frame with a cross of
// kBrokenPictureSide pixels at `at`.
inline constexpr int kBrokenPictureSide = 48;
void DrawBrokenPicture(Canvas& canvas, QPoint at);

} // namespace kel
