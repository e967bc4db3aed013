// Rectangles: the plain one as four lines, the round and the focus rectangle
// as records of their own, and the fixed rectangle of typed size and angle.

#include "interaction/ShapeTools.h"

#include "figures/Transforms.h"
#include "interaction/ActionFailed.h"
#include "interaction/Editor.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

#include <array>
#include <cstdlib>

namespace kel {

namespace {

constexpr int kRegRectMode = 5;
constexpr int kRoundRectMode = 31;
constexpr int kFocusRectMode = 36;

constexpr Colour kErrorRed = 0x0000FF;
constexpr Control kResultLabel = Control::Label29;
// What a T7 box holds when its text is not a number.
constexpr int kNotANumber = -1000;
constexpr int kMinSide = 2;
constexpr int kInvalid = -1;

// The corner size a round rectangle gets from the radius box: negative when
// it is filled. An outline needs a corner of at least 1, since 0 and below
// mean filled in the record.
int RoundRectCorner(const AttributePanel& panel)
{
    const int corner = std::abs(panel.radius.value);
    if (!panel.transparentObjects)
        return -corner;
    return corner < 1 ? 1 : corner;
}

// Reads the typed width, height and angle and puts the corners P1..P4 about
// the pointer, P1 at the pointer, the sides turned counter-clockwise by the
// angle. The result label and the size parameter say whether the values are
// usable; false when they are not.
bool PlaceFixedRect(Editor& editor, QPoint pos)
{
    UiPort& ui = editor.ui();
    ConstructionState& state = editor.tool.construction;
    std::int32_t& valid = state.slot[ConstructionState::kSize];
    const int width = valueBox(ui, 1, kNotANumber);
    const int height = valueBox(ui, 2, kNotANumber);
    const int angle = valueBox(ui, 3, kNotANumber);
    if (width < kMinSide || height < kMinSide || angle == kNotANumber) {
        ui.setControlText(kResultLabel, QStringLiteral("Error"));
        ui.setControlColour(kResultLabel, ControlColour::Text, kErrorRed);
        valid = kInvalid;
        return false;
    }
    const std::int64_t x = pos.x();
    const std::int64_t y = pos.y();
    const std::array<QPoint, 3> upright{requirePoint(x + width, y),
                                        requirePoint(x + width, y - height),
                                        requirePoint(x, y - height)};
    state.setPoint(0, pos);
    for (size_t i = 0; i < upright.size(); ++i)
        state.setPoint(static_cast<int>(i) + 1, requirePoint(RotatePoint(upright[i], pos, -angle)));
    ui.setControlText(kResultLabel, QStringLiteral("OK"));
    ui.setControlColour(kResultLabel, ControlColour::Text, kBlack);
    valid = 0;
    return true;
}

} // namespace

// Reg Rect, Round Rect, Focus Rect -------------------------------------------

void RectangleTool::start(Editor& editor)
{
    UiPort& ui = editor.ui();
    switch (editor.tool.mode) {
    case kRoundRectMode:
        // The wheel changes the corner from what the radius box holds.
        editor.tool.construction.slot[ConstructionState::kRadius] = editor.doc.panel.radius.value;
        ui.message(QStringLiteral("2 clicks are needed to draw the rectangle\r\n"
                                  "Use mouse wheel for corner curvature"));
        break;
    case kFocusRectMode:
        ui.message(QStringLiteral("2 clicks are needed to draw the focus rectangle"));
        break;
    default:
        ui.message(QStringLiteral("2 clicks are needed to draw the rectangle"));
        break;
    }
}

void RectangleTool::move(Editor& editor, QPoint pos)
{
    ConstructionState& state = editor.tool.construction;
    if (state.clicks() == 0) {
        state.setPoint(0, pos);
        return;
    }
    if (state.clicks() != 1)
        return;
    state.setPoint(1, pos);
    const QPoint p1 = state.point(0);
    Canvas& canvas = editor.surfaceCanvas();
    const CurrentAttributes& current = editor.doc.current;
    QString status = SizeStatus(p1, pos);
    switch (editor.tool.mode) {
    case kRoundRectMode:
        DrawRoundRect(canvas, current, p1, pos, RoundRectCorner(editor.doc.panel));
        status += QStringLiteral(" R=%1").arg(state.slot[ConstructionState::kRadius]);
        break;
    case kFocusRectMode:
        DrawFocusRect(canvas, p1, pos);
        break;
    default:
        DrawRectangle(canvas, current, p1, pos);
        break;
    }
    editor.ui().setStatus(3, status);
}

void RectangleTool::click(Editor& editor, QPoint)
{
    ConstructionState& state = editor.tool.construction;
    if (++state.clicks() < 2)
        return;
    Document& doc = editor.doc;
    // The two corners in click order: x1 may exceed x2.
    const QPoint p1 = state.point(0);
    const QPoint p2 = state.point(1);
    const int mode = editor.tool.mode;
    if (mode == kRegRectMode) {
        // Four independent sides; a side too short is refused on its own.
        AddLineRow(doc, p1.x(), p1.y(), p2.x(), p1.y());
        AddLineRow(doc, p1.x(), p1.y(), p1.x(), p2.y());
        AddLineRow(doc, p1.x(), p2.y(), p2.x(), p2.y());
        AddLineRow(doc, p2.x(), p1.y(), p2.x(), p2.y());
    } else {
        QStringList cells{mode == kRoundRectMode ? QStringLiteral("1") : QStringLiteral("2"),
                          MakePenAttr(doc),
                          QString::number(p1.x()),
                          QString::number(p1.y()),
                          QString::number(p2.x()),
                          QString::number(p2.y())};
        if (mode == kRoundRectMode) {
            const int corner = RoundRectCorner(doc.panel);
            cells << QString::number(corner);
            if (!doc.panel.transparentObjects)
                cells << MakeBrushAttr(doc.current);
        }
        AppendRow(doc, cells);
    }
    state.clicks() = 0;
    editor.RedrawAll();
}

// Fixed Rect ---------------------------------------------------------------

void FixedRectTool::start(Editor& editor)
{
    editor.ui().message(
        QStringLiteral("After you set the Width and Height and Rotation Angle 1 click to set it"));
    editor.ShowValuePage(QStringLiteral("Width"), QStringLiteral("height"),
                         QStringLiteral("Angle"));
}

void FixedRectTool::move(Editor& editor, QPoint pos)
{
    if (!PlaceFixedRect(editor, pos))
        return;
    const ConstructionState& state = editor.tool.construction;
    Canvas& canvas = editor.surfaceCanvas();
    const CurrentAttributes& current = editor.doc.current;
    for (int i = 0; i < 4; ++i)
        DrawLine(canvas, current, state.point(i), state.point((i + 1) % 4));
}

void FixedRectTool::click(Editor& editor, QPoint pos)
{
    // Placed again here: the click must never take corners a failed move
    // left behind.
    const ConstructionState& state = editor.tool.construction;
    if (!PlaceFixedRect(editor, pos)) {
        editor.ui().message(QStringLiteral("Invalid reactangle parameters"));
        return;
    }
    Document& doc = editor.doc;
    const QPoint p1 = state.point(0);
    const QPoint p2 = state.point(1);
    const QPoint p3 = state.point(2);
    const QPoint p4 = state.point(3);
    AddLineRow(doc, p1.x(), p1.y(), p2.x(), p2.y());
    AddLineRow(doc, p2.x(), p2.y(), p3.x(), p3.y());
    AddLineRow(doc, p3.x(), p3.y(), p4.x(), p4.y());
    AddLineRow(doc, p1.x(), p1.y(), p4.x(), p4.y());
    editor.CancelTool();
}

} // namespace kel
