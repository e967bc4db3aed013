// Rectangles: the plain one as four lines, the round and the focus rectangle
// as records of their own, and the fixed rectangle of typed size and angle.

#include "figures/Transforms.h"
#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/ShapeToolKit.h"
#include "interaction/tools/ValuePageTool.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace kel {

namespace {

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
        showValueVerdict(editor, false);
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
    showValueVerdict(editor, true);
    valid = 0;
    return true;
}

// The three rectangles of two corners.
enum class RectKind { Plain, Round, Focus };

QString RectInstruction(RectKind kind)
{
    switch (kind) {
    case RectKind::Round:
        return QStringLiteral("2 clicks are needed to draw the rectangle\r\n"
                              "Use mouse wheel for corner curvature");
    case RectKind::Focus:
        return QStringLiteral("2 clicks are needed to draw the focus rectangle");
    case RectKind::Plain:
        break;
    }
    return QStringLiteral("2 clicks are needed to draw the rectangle");
}

// Reg Rect, Round Rect, Focus Rect: two corners, repeats. The wheel sets the
// round rectangle's corner.
class RectangleTool : public ClickSequenceTool {
public:
    explicit RectangleTool(RectKind kind)
        : ClickSequenceTool(2, AfterLast::Repeats, RectInstruction(kind)), kind_(kind)
    {
    }

    // The corner the round rectangle draws is the radius box's: the wheel sets
    // it, never below 0, and the box takes it as it takes the user's typing.
    // The box holds three digits; the tool goes on from what it shows.
    void wheel(Editor& editor, int notches) override
    {
        if (kind_ != RectKind::Round)
            return;
        std::int32_t& radius = editor.tool.construction.slot[ConstructionState::kRadius];
        forEachNotch(notches, [&](int step) { radius = std::max(radius + step, 0); });
        editor.attributes.setBoxText(controls::kRadius, QString::number(radius));
        radius = editor.doc.panel.radius.value;
    }

private:
    void begin(Editor& editor) override
    {
        // The wheel changes the corner from what the radius box holds.
        if (kind_ == RectKind::Round)
            editor.tool.construction.slot[ConstructionState::kRadius] =
                editor.doc.panel.radius.value;
    }

    void track(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() == 0)
            state.setPoint(0, pos);
        else if (state.clicks() == 1)
            state.setPoint(1, pos);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() != 1)
            return;
        const QPoint p1 = state.point(0);
        Canvas& canvas = editor.surfaceCanvas();
        const CurrentAttributes& current = editor.doc.current;
        QString status = SizeStatus(p1, pos);
        switch (kind_) {
        case RectKind::Round:
            DrawRoundRect(canvas, current, p1, pos, RoundRectCorner(editor.doc.panel));
            status += QStringLiteral(" R=%1").arg(state.slot[ConstructionState::kRadius]);
            break;
        case RectKind::Focus:
            DrawFocusRect(canvas, p1, pos);
            break;
        case RectKind::Plain:
            DrawRectangle(canvas, current, p1, pos);
            break;
        }
        editor.ui().setStatus(3, status);
    }

    bool complete(Editor& editor, QPoint) override
    {
        const ConstructionState& state = editor.tool.construction;
        Document& doc = editor.doc;
        // The two corners in click order: x1 may exceed x2.
        const QPoint p1 = state.point(0);
        const QPoint p2 = state.point(1);
        if (kind_ == RectKind::Plain) {
            // Four independent sides; a side too short is refused on its own.
            AddLineRow(doc, p1.x(), p1.y(), p2.x(), p1.y());
            AddLineRow(doc, p1.x(), p1.y(), p1.x(), p2.y());
            AddLineRow(doc, p1.x(), p2.y(), p2.x(), p2.y());
            AddLineRow(doc, p2.x(), p1.y(), p2.x(), p2.y());
        } else {
            QStringList cells{kind_ == RectKind::Round ? QStringLiteral("1") : QStringLiteral("2"),
                              MakePenAttr(doc),
                              QString::number(p1.x()),
                              QString::number(p1.y()),
                              QString::number(p2.x()),
                              QString::number(p2.y())};
            if (kind_ == RectKind::Round) {
                const int corner = RoundRectCorner(doc.panel);
                cells << QString::number(corner);
                if (!doc.panel.transparentObjects)
                    cells << MakeBrushAttr(doc.current);
            }
            AppendRow(doc, cells);
        }
        return true;
    }

    RectKind kind_;
};

// Fixed Rect: width, height and angle typed on page T7, one click.
class FixedRectTool : public ValuePageTool {
public:
    FixedRectTool()
        : ValuePageTool(
              1, AfterLast::Ends,
              QStringLiteral("After you set the Width and Height and Rotation Angle 1 "
                             "click to set it"),
              {QStringLiteral("Width"), QStringLiteral("height"), QStringLiteral("Angle")})
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        if (!PlaceFixedRect(editor, pos))
            return;
        const ConstructionState& state = editor.tool.construction;
        Canvas& canvas = editor.surfaceCanvas();
        const CurrentAttributes& current = editor.doc.current;
        for (int i = 0; i < 4; ++i)
            DrawLine(canvas, current, state.point(i), state.point((i + 1) % 4));
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        // Placed again here: the click must never take corners a failed move
        // left behind.
        const ConstructionState& state = editor.tool.construction;
        if (!PlaceFixedRect(editor, pos)) {
            editor.ui().message(QStringLiteral("Invalid reactangle parameters"));
            return false;
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
        return true;
    }
};

} // namespace

void registerRectangleTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<RectangleTool>(RectKind::Plain), {ToolMode::Rectangle});
    tools.add(std::make_shared<RectangleTool>(RectKind::Round), {ToolMode::RoundRectangle});
    tools.add(std::make_shared<RectangleTool>(RectKind::Focus), {ToolMode::FocusRectangle});
    tools.add(std::make_shared<FixedRectTool>(), {ToolMode::FixedRectangle});
}

} // namespace kel
