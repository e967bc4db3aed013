#include "interaction/CurveToolParts.h"

#include "model/AttributeStrings.h"
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
    doc.table.setCell(kTypeColumn, row, QStringLiteral("B"));
    doc.table.setCell(3, row, pen);
    doc.table.setCell(4, row, list);
    return row;
}

std::optional<LineEnds> LineRowEnds(const ObjectTable& table, int row)
{
    if (row < 1 || row >= table.rows() || !table.inUse(row) ||
        table.cell(kTypeColumn, row) != QStringLiteral("L"))
        return std::nullopt;
    return LineEnds{{table.intCell(4, row, 100), table.intCell(5, row, 100)},
                    {table.intCell(6, row, 100), table.intCell(7, row, 100)}};
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
