#pragma once
// KEL drawing files and the clipboard drawing data. A KEL file holds the rows
// in use, one line each: the cells of columns 1 to 10 separated by tabs.
// Drawing data is the same lines behind the line "KelSignature". Reading
// always parses everything first, so a refused file leaves the table alone.

#include "model/ObjectTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace kel {

// Files and clipboard texts beyond these limits are refused as a whole.
inline constexpr qint64 kMaxKelFileBytes = qint64(256) * 1024 * 1024;
inline constexpr int kMaxKelRows = 1'000'000;
// Rows a loaded table keeps free behind the loaded ones.
inline constexpr int kLoadSpareRows = 20;
inline const QString kDrawingDataSignature = QStringLiteral("KelSignature");

// The fields of one read line: fields[k - 1] belongs to column k (1..11).
using KelFields = std::array<QString, kTagColumn>;

// Which rows a writer takes, always in table order.
enum class KelRowSet {
    InUse,         // every row in use, wherever it stands
    TaggedVisible, // rows in use, visible ("Y") and tagged
};

// Columns 1..10 of a row joined by tabs. Tabs and line breaks inside a cell
// become blanks, so the line always has exactly ten fields.
QString kelLine(const ObjectTable& table, int row);
QStringList kelLines(const ObjectTable& table, KelRowSet rows);
// "KelSignature" and the lines of the tagged visible rows, each ended by CR LF.
QString drawingDataText(const ObjectTable& table);

// Splits a line at its tabs; fields after the 11th are dropped. Nothing for a
// line whose state field is empty: it would stand as a free row inside the
// run of rows in use, so readers skip it like a blank line.
std::optional<KelFields> parseKelLine(QStringView line);

struct KelReadResult {
    std::vector<KelFields> rows;
    QString error; // for the user; empty when the rows are complete
    bool ok() const { return error.isEmpty(); }
};

// Reads and parses a whole KEL file; the error names the file.
KelReadResult readKelFile(const QString& path);
// Nothing when the text does not begin with the signature line.
std::optional<KelReadResult> parseDrawingData(QStringView text);
// Writes the lines through a temporary file that replaces the target only when
// everything was written. Gives the error for the user, or an empty text.
QString writeKelFile(const QString& path, const QStringList& lines);

// Open: the table is emptied and takes the rows from row 1; it grows to
// rows + 20 when the rows do not fit. A field 11 other than the tag mark is
// not kept: the tag column holds the mark or nothing.
void replaceRows(ObjectTable& table, const std::vector<KelFields>& rows);
// Append load: the table grows by the number of rows, which go from the first
// free row on. Exactly the new rows end up tagged. Gives the first new row.
int appendRows(ObjectTable& table, const std::vector<KelFields>& rows);
// Paste: like the append load, but the table grows only when a row reaches its
// last row, to that row + 20. Gives the first new row.
int pasteRows(ObjectTable& table, const std::vector<KelFields>& rows);

} // namespace kel
