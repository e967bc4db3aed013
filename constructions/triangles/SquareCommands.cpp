// Squares on the picked line, as a diagonal or as a side; the side square
// is previewed on one side and the user says whether that side is right.

#include "constructions/lines/LineSupport.h"
#include "constructions/triangles/TriangleTools.h"

#include "figures/Squares.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"

namespace kel {

namespace {

using namespace linetools;

// The message the system shows for both square commands.
const QString kNotLine =
    QStringLiteral("Object you have selected is not a line to construct a square by diagonal");

bool checkLine(Editor& editor)
{
    if (pickedIsLine(editor, true))
        return true;
    editor.ui().message(kNotLine);
    editor.CancelTool();
    return false;
}

void squareByDiagonal(Editor& editor)
{
    if (!checkLine(editor))
        return;
    const LineSegment line = pickedLine(editor, kOneFallback);
    SquareOnDiagonal(editor.doc, line.a, line.b);
    editor.CancelTool();
}

void squareBySide(Editor& editor)
{
    if (!checkLine(editor))
        return;
    const LineSegment line = pickedLine(editor, kOneFallback);
    if (PreviewSquareOnSide(editor.doc, editor.surfaceCanvas(), line.a, line.b)) {
        editor.ui().repaintSurface();
        const bool previewedSide = editor.ui().askYesNo(kSquareDirectionQuestion);
        SquareOnSide(editor.doc, line.a, line.b,
                     previewedSide ? SquareSide::Left : SquareSide::Right);
    }
    editor.CancelTool();
}

} // namespace

void registerSquareCommands(Registrations& registrations)
{
    registrations.commands.add(QStringLiteral("mnusquarbydiag"), squareByDiagonal);
    registrations.commands.add(QStringLiteral("mnysquareByside"), squareBySide);
}

} // namespace kel
