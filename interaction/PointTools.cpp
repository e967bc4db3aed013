#include "interaction/PointTools.h"

#include "interaction/Editor.h"
#include "interaction/FigureToolSupport.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace clickpoint;

constexpr Control kXBox = Control::edtvar1;
constexpr Control kYBox = Control::edtvar2;
constexpr Control kShapeBox = Control::edtvar3;

struct TypedPoint {
    QPoint at;
    int shape = 0;
};

// The point the three boxes describe, or nothing while one of them does not
// hold an integer.
std::optional<TypedPoint> typedPoint(Editor& editor)
{
    const std::optional<int> x = controlNumber(editor, kXBox);
    const std::optional<int> y = controlNumber(editor, kYBox);
    const std::optional<int> shape = controlNumber(editor, kShapeBox);
    if (!x || !y || !shape)
        return std::nullopt;
    return TypedPoint{{*x, *y}, *shape};
}

} // namespace

void PointByMouseTool::click(Editor& editor, QPoint)
{
    // The move pipeline has just stored the click position as the mouse.
    AddPointRow(editor.doc, editor.tool.mouse.x(), editor.tool.mouse.y());
    editor.RedrawAll();
}

void PointByCoordinatesTool::start(Editor& editor)
{
    editor.ShowValuePage(QStringLiteral(" X "), QStringLiteral(" Y  "),
                         QStringLiteral("Type 0..3"));
    editor.ui().setControlText(kXBox, QStringLiteral("100"));
    editor.ui().setControlText(kYBox, QStringLiteral("120"));
    editor.ui().setControlText(kShapeBox, QStringLiteral("0"));
    editor.ui().message(QStringLiteral("You can enter unlimited points by entering their X,Y "
                                       "coordinates, press Esc when done"));
}

void PointByCoordinatesTool::move(Editor& editor, QPoint)
{
    const std::optional<TypedPoint> typed = typedPoint(editor);
    showValueVerdict(editor, typed.has_value());
    toolSlot(editor, ConstructionState::kSize) = typed ? 1 : 0;
    if (!typed)
        return;
    setClickPoint(editor, kP1, typed->at);
    toolSlot(editor, 2) = typed->shape;
    previewMark(editor, typed->at, typed->shape);
}

void PointByCoordinatesTool::click(Editor& editor, QPoint)
{
    // Read again: the click stores what the boxes hold now.
    const std::optional<TypedPoint> typed = typedPoint(editor);
    if (!typed) {
        editor.ui().message(QStringLiteral("Invalid numerical format"));
        return;
    }
    // A point record holds one shape character: the first of the number.
    QString& shape = editor.doc.current.defaultPointShape;
    const QString saved = shape;
    shape = QString::number(typed->shape).left(1);
    AddPointRow(editor.doc, typed->at.x(), typed->at.y());
    shape = saved;
    editor.RedrawAll();
}

} // namespace kel
