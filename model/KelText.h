#pragma once
// The text encoding of KEL drawing files. Older files are single-byte
// Windows-1252 text; a file that starts with the UTF-8 byte-order mark is
// UTF-8. Writing picks Windows-1252 whenever every character fits, and UTF-8
// with the mark otherwise, so no character is ever lost.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace kel {

// Every byte has a character: the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 etc., so any file round-trips.
QString decodeWindows1252(QByteArrayView bytes);
// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> encodeWindows1252(QStringView text);

// The character of a single-byte code as the drawing's texts hold it (codes
// 128 to 159 are Windows-1252's euro sign, quotes and dashes); nothing for the
// control codes, which a text cannot keep.
std::optional<QChar> singleByteCharacter(int code);

// Bytes of a KEL file as text: UTF-8 after a byte-order mark, Windows-1252
// otherwise.
QString decodeKelBytes(QByteArrayView bytes);
// Text as the bytes of a KEL file: Windows-1252 when it fits (and cannot be
// mistaken for UTF-8 on reading), UTF-8 with the byte-order mark otherwise.
QByteArray encodeKelText(QStringView text);

// Splits text at CR LF, lone CR and lone LF; text after the last line end is
// one more line, and a final line end does not start an empty line. The lines
// are views into `text` and live as long as it does.
QList<QStringView> splitKelLines(QStringView text);
// Each line followed by CR LF.
QString joinKelLines(const QStringList& lines);

} // namespace kel
