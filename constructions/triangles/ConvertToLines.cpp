// "Convert to Lines" of polylines and polygons: every side becomes a line
// record of its own and the polyline or polygon row goes.

#include "constructions/triangles/TriangleTools.h"

#include "figures/Quadrilaterals.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"
#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

void convertToLines(Editor& editor)
{
    ObjectTable& table = editor.doc.table;
    const int row = editor.tool.pickedRow;
    const std::optional<RecordKind> kind =
        row >= 1 && row < table.rows() ? RowKind(table, row) : std::nullopt;
    // Only a polyline or polygon has sides to give; any other row stays.
    if (kind == RecordKind::Polyline || kind == RecordKind::Polygon) {
        const std::vector<int> numbers = ParseNumberList(table.cell(col::list::Points, row));
        for (const Side& side : PolySides(numbers, kind == RecordKind::Polygon))
            AddLineRow(editor.doc, side.from.x(), side.from.y(), side.to.x(), side.to.y());
        DeleteRow(table, row);
    }
    editor.CancelTool();
}

} // namespace

void registerConvertToLines(Registrations& registrations)
{
    registrations.commands.add(QStringLiteral("mnupoppoly2Lines"), convertToLines);
    registrations.commands.add(QStringLiteral("mnyKonPolyGon2Line"), convertToLines);
}

} // namespace kel
