// New points: at the pointer, or at coordinates typed on page T7.

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/FigureToolSupport.h"
#include "interaction/tools/ValuePageTool.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace clickpoint;

constexpr Control kXBox = Control::edtvar1;
constexpr Control kYBox = Control::edtvar2;
constexpr Control kShapeBox = Control::edtvar3;
constexpr char kEnterKey = 13;

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

// "New Point" > "Use Mouse": one point per click, at the pointer.
class PointByMouseTool : public ClickSequenceTool {
public:
    PointByMouseTool() : ClickSequenceTool(1, AfterLast::Repeats) {}

private:
    bool complete(Editor& editor, QPoint) override
    {
        // The move pipeline has just stored the click position as the mouse.
        AddPointRow(editor.doc, editor.tool.mouse.x(), editor.tool.mouse.y());
        return true;
    }
};

// "New Point" > "Enter Coordinate": x, y and the point shape typed into the
// value boxes; every click (or Enter, or "Done") appends the point the
// preview shows, wherever the pointer is. Esc ends it.
class PointByCoordinatesTool : public ValuePageTool {
public:
    PointByCoordinatesTool()
        : ValuePageTool(
              1, AfterLast::Repeats,
              QStringLiteral("You can enter unlimited points by entering their X,Y "
                             "coordinates, press Esc when done"),
              {QStringLiteral(" X "), QStringLiteral(" Y  "), QStringLiteral("Type 0..3")})
    {
    }

    bool key(Editor& editor, const KeyPress& press) override
    {
        // Enter right after Enter is swallowed: one Enter, one point, however
        // often it is pressed until another key comes between.
        return isEnterKey(press.key) && editor.tool.previousKey == kEnterKey;
    }

private:
    void begin(Editor& editor) override
    {
        ValuePageTool::begin(editor);
        editor.ui().setControlText(kXBox, QStringLiteral("100"));
        editor.ui().setControlText(kYBox, QStringLiteral("120"));
        editor.ui().setControlText(kShapeBox, QStringLiteral("0"));
    }

    void preview(Editor& editor, QPoint) override
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

    bool complete(Editor& editor, QPoint) override
    {
        // Read again: the click stores what the boxes hold now.
        const std::optional<TypedPoint> typed = typedPoint(editor);
        if (!typed) {
            editor.ui().message(QStringLiteral("Invalid numerical format"));
            return false;
        }
        // A point record holds one shape character: the first of the number.
        QString& shape = editor.doc.current.defaultPointShape;
        const QString saved = shape;
        shape = QString::number(typed->shape).left(1);
        AddPointRow(editor.doc, typed->at.x(), typed->at.y());
        shape = saved;
        return true;
    }
};

} // namespace

void registerPointTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<PointByMouseTool>(), {ToolMode::PointByMouse});
    tools.add(std::make_shared<PointByCoordinatesTool>(), {ToolMode::PointByCoordinates});
}

} // namespace kel
