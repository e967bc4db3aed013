#include "interaction/tools/CurveToolParts.h"

#include "figures/TableQueries.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

namespace kel {

namespace curvetools {

BezierRecordPoints ParseCurvePoints(const QString& cell, int maxChars)
{
    const std::vector<int> numbers = ParseNumberList(maxChars < 0 ? cell : cell.left(maxChars));
    auto number = [&numbers](std::size_t i) { return i < numbers.size() ? numbers[i] : 0; };
    BezierRecordPoints points;
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = QPoint(number(2 * i), number(2 * i + 1));
    return points;
}

int AddBezierRow(Document& doc, const BezierRecordPoints& points)
{
    const QString pen = MakePenAttr(doc);
    const QString list = MakePointList({points.begin(), points.end()});
    const int row = FindFreeRow(doc);
    ObjectTable::BulkUpdate bulk(doc.table);
    doc.table.setCell(kStateColumn, row, QStringLiteral("Y"));
    doc.table.setCell(kTypeColumn, row, KindText(RecordKind::Bezier));
    doc.table.setCell(col::list::Pen, row, pen);
    doc.table.setCell(col::list::Points, row, list);
    return row;
}

std::optional<LineEnds> LineRowEnds(const ObjectTable& table, int row)
{
    if (row < 1 || row >= table.rows() || !table.inUse(row) ||
        RowKind(table, row) != RecordKind::Line)
        return std::nullopt;
    return LineEnds{LineEndPoint(table, row, 0), LineEndPoint(table, row, 1)};
}

void DrawGuide(Canvas& canvas, QPoint from, QPoint to)
{
    const CanvasPen pen = canvas.pen();
    canvas.setPen({kBlack, 1, PenStyle::Dotted});
    canvas.line(from, to);
    canvas.setPen(pen);
}

} // namespace curvetools

} // namespace kel
