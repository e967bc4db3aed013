#include "constructions/circles/CircleSupport.h"

#include "figures/FigureMath.h"
#include "figures/Measures.h"
#include "figures/TableCells.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "model/RecordKinds.h"

namespace kel::circletools {

namespace {

int row(const Editor& editor)
{
    return pickedExists(editor) ? editor.tool.pickedRow : 0;
}

int magnitude(int value)
{
    return require(figmath::Narrow(IntAbs(value)));
}

} // namespace

bool pickedExists(const Editor& editor)
{
    const int r = editor.tool.pickedRow;
    return r >= 1 && r < editor.doc.table.rows();
}

bool pickedIsArc(const Editor& editor)
{
    return pickedExists(editor) &&
           RowKind(editor.doc.table, editor.tool.pickedRow) == RecordKind::Arc;
}

CircleOfRow pickedCircle(const Editor& editor, int fallback)
{
    using namespace col::circle;
    const ObjectTable& table = editor.doc.table;
    const int r = row(editor);
    return {cells::Point(table, CentreX, r, fallback),
            magnitude(cells::Int(table, Radius, r, fallback))};
}

ArcOfRow pickedArc(const Editor& editor, int fallback)
{
    using namespace col::arc;
    const ObjectTable& table = editor.doc.table;
    const int r = row(editor);
    return {cells::Point(table, CentreX, r, fallback), cells::Int(table, Start, r, fallback),
            cells::Int(table, End, r, fallback), magnitude(cells::Int(table, Radius, r, fallback))};
}

CircleOfRow pickedRound(const Editor& editor, int fallback)
{
    if (pickedIsArc(editor)) {
        const ArcOfRow arc = pickedArc(editor, fallback);
        return {arc.centre, arc.radius};
    }
    return pickedCircle(editor, fallback);
}

} // namespace kel::circletools
