#include "model/RowRoutines.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/VectorMeasures.h"

#include <QString>

#include <cstdint>

namespace kel {

namespace {

const QString kVisible = QStringLiteral("Y");

} // namespace

int FindFreeRow(Document& doc)
{
    ObjectTable& table = doc.table;
    for (int r = 1; r < table.rows(); ++r) {
        if (!table.inUse(r)) {
            // A free row may still carry cells of an object deleted by hand;
            // the new object must not inherit its brush or tag.
            table.clearRow(r);
            doc.ui.setGridCurrentRow(r);
            return r;
        }
    }
    const int added = table.rows();
    table.setRows(added + 1);
    return added;
}

void DeleteRow(ObjectTable& table, int row)
{
    const int last = table.rows() - 1;
    // Row 0 is the header; shifting it would scramble the column numbers.
    if (row < 1 || row > last)
        return;
    ObjectTable::BulkUpdate bulk(table);
    for (int i = row; i < last; ++i)
        table.copyRow(i + 1, i);
    table.clearRow(last);
    table.renumber();
}

bool AddLineRow(Document& doc, int x1, int y1, int x2, int y2)
{
    // Measured before a row is taken, so a refused line leaves nothing behind.
    const std::optional<int> length = VectorLength(std::int64_t{x1} - x2, std::int64_t{y1} - y2);
    if (!length) {
        doc.ui.message(QStringLiteral("Range check error"));
        return false;
    }
    if (*length < 3) {
        doc.ui.message(QStringLiteral("Line too short, line not created"));
        return false;
    }
    const QString pen = MakePenAttr(doc);
    const int r = FindFreeRow(doc);
    ObjectTable::BulkUpdate bulk(doc.table);
    doc.table.setCell(col::State, r, kVisible);
    doc.table.setCell(col::Type, r, KindText(RecordKind::Line));
    doc.table.setCell(col::line::Pen, r, pen);
    doc.table.setCell(col::line::X1, r, x1);
    doc.table.setCell(col::line::Y1, r, y1);
    doc.table.setCell(col::line::X2, r, x2);
    doc.table.setCell(col::line::Y2, r, y2);
    return true;
}

int AddPointRow(Document& doc, int x, int y)
{
    const int r = FindFreeRow(doc);
    ObjectTable::BulkUpdate bulk(doc.table);
    doc.table.setCell(col::State, r, kVisible);
    doc.table.setCell(col::Type, r, KindText(RecordKind::Point));
    doc.table.setCell(col::point::Shape, r, doc.current.defaultPointShape);
    doc.table.setCell(col::point::X, r, x);
    doc.table.setCell(col::point::Y, r, y);
    return r;
}

bool FinishPolyObject(Document& doc, RecordKind kind, std::vector<QPoint>& vertices,
                      std::optional<QPoint> extraPoint)
{
    if (vertices.empty()) {
        doc.ui.message(QStringLiteral("error12"));
        return false;
    }
    // Every cell text is ready before the row is taken.
    const QString points = MakePointList(vertices);
    const QString pen = MakePenAttr(doc);
    const bool filled = kind == RecordKind::Polygon && !doc.panel.transparentObjects;
    const QString brush = filled ? MakeBrushAttr(doc.current) : QString();

    ObjectTable::BulkUpdate bulk(doc.table);
    const int r = FindFreeRow(doc);
    doc.table.setCell(col::State, r, kVisible);
    doc.table.setCell(col::Type, r, KindText(kind));
    doc.table.setCell(col::list::Pen, r, pen);
    doc.table.setCell(col::list::Points, r, points);
    if (filled)
        doc.table.setCell(col::polygon::Brush, r, brush);
    vertices.clear();
    if (extraPoint)
        AddPointRow(doc, extraPoint->x(), extraPoint->y());
    return true;
}

} // namespace kel
