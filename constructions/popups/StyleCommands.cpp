// The pen, brush, point shape and fill style items of the kind popups: the
// current attributes of pages T1 and T2 go into the picked row.

#include "constructions/popups/PopupCommands.h"

#include "figures/ObjectStyles.h"
#include "figures/TableCells.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"
#include "model/AttributeStrings.h"

namespace kel {

namespace {

using popups::pickedRowOf;
using enum RecordKind;

// What a command does once the row is written.
enum class Then { Redraw, Cancel };

void finish(Editor& editor, Then then)
{
    if (then == Then::Cancel)
        editor.CancelTool();
    else
        editor.RedrawAll();
}

// The brush attribute string, empty when "Trans. Objects" is checked.
QString currentBrush(Editor& editor)
{
    return editor.doc.panel.transparentObjects ? QString() : MakeBrushAttr(editor.doc.current);
}

// Column 3 := the current pen. A focus rectangle drawn with a pen of its own
// is a plain rectangle.
void modifyPen(Editor& editor, const std::vector<RecordKind>& kinds, Then then)
{
    if (const std::optional<int> row = pickedRowOf(editor, kinds)) {
        ObjectTable& table = editor.doc.table;
        const QString pen = MakePenAttr(editor.doc);
        ObjectTable::BulkUpdate bulk(table);
        table.setCell(col::Pen, *row, pen);
        if (RowKind(table, *row) == FocusRect)
            table.setCell(col::Type, *row, KindText(Rectangle));
    }
    finish(editor, then);
}

// The brush beside a size whose sign says "filled": circles and round
// rectangles.
void modifySignedBrush(Editor& editor, int row, int sizeColumn, int brushColumn)
{
    ObjectTable& table = editor.doc.table;
    const QString brush = currentBrush(editor);
    const int size = cells::Int(table, sizeColumn, row, fallback::Size);
    ObjectTable::BulkUpdate bulk(table);
    table.setCell(brushColumn, row, brush);
    table.setCell(sizeColumn, row, FilledSize(size, !brush.isEmpty()));
}

void modifyCircleBrush(Editor& editor)
{
    if (const std::optional<int> row = pickedRowOf(editor, {Circle}))
        modifySignedBrush(editor, *row, col::circle::Radius, col::circle::Brush);
    editor.RedrawAll();
}

// Only the round rectangle has a brush among the kinds of this popup; the
// item is disabled for the others.
void modifyBoxBrush(Editor& editor)
{
    if (const std::optional<int> row = pickedRowOf(editor, {RoundRect}))
        modifySignedBrush(editor, *row, col::roundRect::Corner, col::roundRect::Brush);
    editor.CancelTool();
}

void modifyPolygonBrush(Editor& editor)
{
    if (const std::optional<int> row = pickedRowOf(editor, {Polygon}))
        editor.doc.table.setCell(col::polygon::Brush, *row, currentBrush(editor));
    editor.CancelTool();
}

// The fill's colour and style from the brush swatch and the pattern box
// (style 3 when the box holds no number), and its border colour.
void modifyFillStyle(Editor& editor)
{
    constexpr int kDefaultStyle = 3;
    if (const std::optional<int> row = pickedRowOf(editor, {Fill})) {
        const AttributePanel& panel = editor.doc.panel;
        bool ok = false;
        const int style = panel.brushPattern.text.trimmed().toInt(&ok);
        CurrentAttributes fill;
        fill.brushColour = panel.brushSwatch;
        fill.brushStyle = ok ? style : kDefaultStyle;
        ObjectTable& table = editor.doc.table;
        ObjectTable::BulkUpdate bulk(table);
        table.setCell(col::fill::Attributes, *row, MakeBrushAttr(fill));
        table.setCell(col::fill::Border, *row, colourHex(panel.boundarySwatch));
    }
    editor.RedrawAll();
}

void setPointShape(Editor& editor, int shape)
{
    if (const std::optional<int> row = pickedRowOf(editor, {Point}))
        editor.doc.table.setCell(col::point::Shape, *row, shape);
    editor.RedrawAll();
}

} // namespace

void registerStyleCommands(Registrations& registrations)
{
    CommandRegistry& commands = registrations.commands;
    struct PenItem {
        const char* component;
        std::vector<RecordKind> kinds;
        Then then;
    };
    const PenItem penItems[] = {
        {"mnuModifylinePen", {Line}, Then::Cancel},
        {"popArcModifyPen", {Arc}, Then::Cancel},
        {"popGridModifyPen", {Grid}, Then::Cancel},
        {"popOtherModifyPen", {Rectangle, RoundRect, FocusRect, Ellipse}, Then::Cancel},
        {"popPolyLineModifyPen", {Polyline}, Then::Cancel},
        {"popCurveModifyPen", {Bezier}, Then::Cancel},
        {"popPolynomialModifyPen", {Polynomial}, Then::Cancel},
        {"mnuedtplygonpen", {Polygon}, Then::Cancel},
        {"popCircleModifyPen", {Circle}, Then::Redraw},
    };
    for (const PenItem& item : penItems) {
        commands.add(QString::fromLatin1(item.component),
                     [kinds = item.kinds, then = item.then](Editor& editor) {
                         modifyPen(editor, kinds, then);
                     });
    }
    commands.add(QStringLiteral("popCircleModifyBrush"), modifyCircleBrush);
    commands.add(QStringLiteral("mnumodelissbrush"), modifyBoxBrush);
    commands.add(QStringLiteral("mnyeditpolybrush"), modifyPolygonBrush);
    commands.add(QStringLiteral("popFillModifyStyle"), modifyFillStyle);
    const char* shapeItems[] = {"popPointYellowCenter", "popPointSolidBack3", "popPointSolidBlack2",
                                "popPointBlueSquare"};
    for (int shape = 0; shape < 4; ++shape) {
        commands.add(QString::fromLatin1(shapeItems[shape]),
                     [shape](Editor& editor) { setPointShape(editor, shape); });
    }
}

} // namespace kel
