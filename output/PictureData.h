#pragma once
// What picture rows are made of: a metafile taken from the clipboard (checked
// whole before it may become a row), a clipboard bitmap reduced and stored
// as JPEG data, and the metafile of a picture row at its zoom.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace kel {

class UiPort;

struct PictureText {
    QString text;  // the cell's picture text
    QString error; // why there is none
    QImage preview;
};

// The clipboard's metafile as hexadecimal picture text; an error when the
// clipboard holds none ("No EMF object is in clipboard") or it is damaged.
PictureText ClipboardMetafileText(const UiPort& ui);

// A bitmap reduced to `percent` of its sides, as six-bit picture text of its
// JPEG data.
PictureText BitmapPictureText(const QImage& bitmap, int percent);

// The metafile of a picture row's text drawn at `percent`: the same records
// with the frame and the reference device scaled, so every reader shows it
// that much larger and sharp. An error when the text does not decode.
struct ScaledMetafile {
    QByteArray bytes;
    QByteArray original;
    QString error;
};
ScaledMetafile MetafileAtZoom(const QString& pictureText, int percent);

// A metafile holding the bitmap at (0, 0), its own size; empty on failure.
QByteArray BitmapToMetafile(const QImage& bitmap);

// The metafile played onto a white picture of `size`, for the clipboard's
// bitmap beside it; null when it is too large.
QImage MetafilePreview(const QByteArray& bytes);

} // namespace kel
