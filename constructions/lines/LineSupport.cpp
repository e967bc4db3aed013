#include "constructions/lines/LineSupport.h"

#include "figures/Measures.h"
#include "figures/TableCells.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

namespace kel::linetools {

namespace {

// A slot no line tool uses for points.
constexpr int kReadySlot = ConstructionState::kSlots - 1;

bool isLineRow(const ObjectTable& table, int row)
{
    return row >= 1 && row < table.rows() && RowKind(table, row) == RecordKind::Line;
}

} // namespace

LineSegment lineOfRow(const Editor& editor, int row, int fallback)
{
    const ObjectTable& table = editor.doc.table;
    const bool ends = fallback == kEndsFallback;
    if (row < 1 || row >= table.rows())
        row = 0;
    auto read = [&](int column, int endsValue) {
        return cells::Int(table, column, row, ends ? endsValue : fallback);
    };
    return {{read(col::line::X1, 10), read(col::line::Y1, 20)},
            {read(col::line::X2, 30), read(col::line::Y2, 40)}};
}

LineSegment pickedLine(const Editor& editor, int fallback)
{
    return lineOfRow(editor, editor.tool.pickedRow, fallback);
}

bool pickedIsLine(const Editor& editor, bool mustBeVisible)
{
    const int row = editor.tool.pickedRow;
    if (!isLineRow(editor.doc.table, row))
        return false;
    return !mustBeVisible || cells::Visible(editor.doc.table, row);
}

bool anyVisibleLine(const Editor& editor)
{
    const ObjectTable& table = editor.doc.table;
    for (int row = 1; row < table.rows() && table.inUse(row); ++row) {
        if (cells::Visible(table, row) && isLineRow(table, row))
            return true;
    }
    return false;
}

void startIfLine(Editor& editor, ToolMode mode, bool mustBeVisible, const QString& refusal)
{
    if (!pickedIsLine(editor, mustBeVisible)) {
        editor.ui().message(refusal);
        return;
    }
    editor.startTool(mode);
}

void addShapedPoint(Editor& editor, QPoint at, const QString& shape)
{
    Document& doc = editor.doc;
    const int r = FindFreeRow(doc);
    ObjectTable::BulkUpdate bulk(doc.table);
    doc.table.setCell(col::State, r, QStringLiteral("Y"));
    doc.table.setCell(col::Type, r, KindText(RecordKind::Point));
    doc.table.setCell(col::point::Shape, r, shape);
    doc.table.setCell(col::point::X, r, at.x());
    doc.table.setCell(col::point::Y, r, at.y());
}

void addConstructedPoint(Editor& editor, QPoint at)
{
    addShapedPoint(editor, at, QStringLiteral("0"));
}

std::optional<int> wholeNumberIn(const QString& text, int lo, int hi)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < lo || value > hi)
        return std::nullopt;
    return static_cast<int>(value);
}

int distance(QPoint a, QPoint b)
{
    return require(PointDistance(a, b));
}

void setReady(Editor& editor, bool isReady)
{
    editor.tool.construction.slot[kReadySlot] = isReady ? 1 : 0;
}

bool ready(const Editor& editor)
{
    return editor.tool.construction.slot[kReadySlot] == 1;
}

void previewSegment(Editor& editor, QPoint from, QPoint to)
{
    previewLine(editor, from, to);
}

void status(Editor& editor, const QString& text)
{
    editor.ui().setStatus(3, text);
}

} // namespace kel::linetools
