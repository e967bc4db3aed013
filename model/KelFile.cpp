#include "model/KelFile.h"

#include "model/KelText.h"
#include "model/TaggedRows.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace kel {

namespace {

constexpr int kLineColumns = 10;
constexpr qint64 kReadChunk = 1 << 20;
const QString kVisible = QStringLiteral("Y");

QString lineSafe(const QString& cell)
{
    if (!cell.contains(u'\t') && !cell.contains(u'\r') && !cell.contains(u'\n'))
        return cell;
    QString safe = cell;
    for (QChar& c : safe) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return safe;
}

bool wanted(const ObjectTable& table, int row, KelRowSet rows)
{
    if (!table.inUse(row))
        return false;
    return rows == KelRowSet::InUse ||
           (table.tagged(row) && table.cell(kStateColumn, row) == kVisible);
}

// A line whose state field is empty (blank lines included) gives no row.
bool isRowLine(QStringView line)
{
    return !line.isEmpty() && line.front() != u'\t';
}

// Parses lines[from..]; false when there are more rows than a table may take.
// The rows are counted before any is built, so an oversized text costs little.
bool parseLines(const QList<QStringView>& lines, qsizetype from, std::vector<KelFields>& rows)
{
    const auto count = std::count_if(lines.begin() + from, lines.end(), isRowLine);
    if (count > kMaxKelRows)
        return false;
    rows.reserve(static_cast<size_t>(count));
    for (qsizetype i = from; i < lines.size(); ++i) {
        if (std::optional<KelFields> fields = parseKelLine(lines[i]))
            rows.push_back(*std::move(fields));
    }
    return true;
}

QString tooManyRows(const QString& source)
{
    return source + QStringLiteral(" holds more than %1 objects").arg(kMaxKelRows);
}

QString readError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read file ") + path + QStringLiteral("\r\n") + reason;
}

// The whole file, refused beyond the size limit; reads in chunks so that a
// device that never ends cannot exhaust memory.
std::optional<QByteArray> readAllLimited(QFile& file, QString& reason)
{
    if (file.size() > kMaxKelFileBytes) {
        reason = QStringLiteral("The file is larger than 256 MiB.");
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(std::max<qint64>(file.size(), 0));
    QByteArray chunk(kReadChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0) {
            reason = file.errorString();
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        if (bytes.size() + got > kMaxKelFileBytes) {
            reason = QStringLiteral("The file is larger than 256 MiB.");
            return std::nullopt;
        }
        bytes.append(chunk.constData(), got);
    }
}

void writeRow(ObjectTable& table, int row, const KelFields& fields, const QString& tag)
{
    for (int c = 1; c < kTagColumn; ++c)
        table.setCell(c, row, fields[static_cast<size_t>(c - 1)]);
    table.setCell(kTagColumn, row, tag);
}

// Writes the rows tagged from `first` on; the table is already large enough.
void writeTagged(ObjectTable& table, int first, const std::vector<KelFields>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i)
        writeRow(table, first + static_cast<int>(i), rows[i], kTagMark);
}

} // namespace

QString kelLine(const ObjectTable& table, int row)
{
    QString line;
    for (int c = 1; c <= kLineColumns; ++c) {
        if (c > 1)
            line += u'\t';
        line += lineSafe(table.cell(c, row));
    }
    return line;
}

QStringList kelLines(const ObjectTable& table, KelRowSet rows)
{
    QStringList lines;
    for (int r = 1; r < table.rows(); ++r) {
        if (wanted(table, r, rows))
            lines.append(kelLine(table, r));
    }
    return lines;
}

QString drawingDataText(const ObjectTable& table)
{
    QStringList lines = kelLines(table, KelRowSet::TaggedVisible);
    lines.prepend(kDrawingDataSignature);
    return joinKelLines(lines);
}

std::optional<KelFields> parseKelLine(QStringView line)
{
    KelFields fields;
    qsizetype start = 0;
    for (QString& field : fields) {
        const qsizetype tab = line.indexOf(u'\t', start);
        if (tab < 0) {
            field = line.sliced(start).toString();
            break;
        }
        field = line.sliced(start, tab - start).toString();
        start = tab + 1;
    }
    if (fields[kStateColumn - 1].isEmpty())
        return std::nullopt;
    return fields;
}

KelReadResult readKelFile(const QString& path)
{
    KelReadResult result;
    // A pipe, device or folder could block the open or never end: refuse it
    // before opening. A missing file is left to the open, which names why.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        result.error = readError(path, path + QStringLiteral(" is not a regular file."));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = readError(path, file.errorString());
        return result;
    }
    QString reason;
    std::optional<QByteArray> bytes = readAllLimited(file, reason);
    if (!bytes) {
        result.error = readError(path, reason);
        return result;
    }
    const QString text = decodeKelBytes(*bytes);
    bytes.reset();
    if (!parseLines(splitKelLines(text), 0, result.rows)) {
        result.rows.clear();
        result.error = readError(path, tooManyRows(QStringLiteral("The file")) + u'.');
    }
    return result;
}

std::optional<KelReadResult> parseDrawingData(QStringView text)
{
    const QList<QStringView> lines = splitKelLines(text);
    if (lines.isEmpty() || lines.front() != kDrawingDataSignature)
        return std::nullopt;
    KelReadResult result;
    if (!parseLines(lines, 1, result.rows)) {
        result.rows.clear();
        result.error =
            tooManyRows(QStringLiteral("The clipboard")) + QStringLiteral("; nothing was pasted.");
    }
    return result;
}

QString writeKelFile(const QString& path, const QStringList& lines)
{
    const QByteArray bytes = encodeKelText(joinKelLines(lines));
    QSaveFile file(path);
    QString reason;
    // Unbuffered, so a short write (disk full, size limit) shows in write()'s
    // count; a buffered one is flushed by commit(), which accepts it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
    } else if (file.write(bytes) != bytes.size()) {
        // The temporary file goes with `file`; the target stays untouched.
        reason = file.error() == QFileDevice::NoError
                     ? QStringLiteral("The file could not be written completely.")
                     : file.errorString();
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (reason.isEmpty())
        return {};
    return QStringLiteral("Cannot save file ") + path + QStringLiteral("\r\n") + reason;
}

void replaceRows(ObjectTable& table, const std::vector<KelFields>& rows)
{
    ObjectTable::BulkUpdate bulk(table);
    const int count = static_cast<int>(rows.size());
    if (count > table.rows() - 1)
        table.setRows(count + kLoadSpareRows);
    table.clearObjects();
    for (int i = 0; i < count; ++i) {
        const KelFields& fields = rows[static_cast<size_t>(i)];
        const QString& tag = fields[kTagColumn - 1];
        writeRow(table, i + 1, fields, tag == kTagMark ? tag : QString());
    }
}

int appendRows(ObjectTable& table, const std::vector<KelFields>& rows)
{
    ObjectTable::BulkUpdate bulk(table);
    const int first = table.lastRowInUse() + 1;
    table.setRows(table.rows() + static_cast<int>(rows.size()));
    ClearAllTags(table);
    writeTagged(table, first, rows);
    return first;
}

int pasteRows(ObjectTable& table, const std::vector<KelFields>& rows)
{
    ObjectTable::BulkUpdate bulk(table);
    const int first = table.lastRowInUse() + 1;
    // Each row that reaches the last row grows the table to that row + 20;
    // the count is worked out first so the table grows once.
    int count = table.rows();
    const int last = first + static_cast<int>(rows.size()) - 1;
    for (int r = first; r <= last; ++r) {
        if (r >= count - 1)
            count = r + kLoadSpareRows;
    }
    if (count > table.rows())
        table.setRows(count);
    ClearAllTags(table);
    writeTagged(table, first, rows);
    return first;
}

} // namespace kel
