// Ellipses: along a horizontal or vertical axis as an ellipse record, and
// along any axis (the ellipsoid) as two half-ellipse curve records.

#include "figures/Measures.h"
#include "figures/Perpendiculars.h"
#include "figures/Transforms.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/ShapeToolKit.h"
#include "model/AttributeStrings.h"
#include "render/CurveDrawers.h"
#include "render/ShapeDrawers.h"

#include <cstdlib>

namespace kel {

namespace {

constexpr int kGuideReach = 100;
constexpr int kMinEllipsoidAxis = 4;
// The first curve slot: slots 26..33 hold the second half's four points.
constexpr int kCurvePoint = 13;
constexpr int kP5 = 4;
constexpr int kP6 = 5;

// Axis ellipses work along the axis (u) and across it (v): x and y for the
// horizontal ellipse, y and x for the vertical one.
struct AxisFrame {
    bool vertical = false;
    std::int64_t u(QPoint p) const { return vertical ? p.y() : p.x(); }
    std::int64_t v(QPoint p) const { return vertical ? p.x() : p.y(); }
    QPoint point(std::int64_t u, std::int64_t v) const
    {
        return vertical ? requirePoint(v, u) : requirePoint(u, v);
    }
};

// With the axis P1-P2 fixed: the across-axis guide through the axis middle,
// and the bounding box P3-P4 whose half-height is the pointer's distance from
// the axis, both stored. Gives the guide's ends and the half-height.
struct EllipseBox {
    QPoint guideFrom;
    QPoint guideTo;
    std::int64_t across = 0;
};

EllipseBox PlaceEllipseBox(Editor& editor, AxisFrame frame, QPoint pos)
{
    ConstructionState& state = editor.tool.construction;
    const QPoint p1 = state.point(0);
    const QPoint p2 = state.point(1);
    const std::int64_t middle = (frame.u(p1) + frame.u(p2)) / 2;
    // The foot of the pointer on the guide.
    const std::int64_t foot = frame.v(pos);
    EllipseBox box;
    box.guideFrom = frame.point(middle, frame.v(p1) - kGuideReach);
    box.guideTo = frame.point(middle, frame.v(p1) + kGuideReach);
    box.across = std::llabs(foot - frame.v(p1));
    state.setPoint(2, frame.point(frame.u(p1), 2 * frame.v(p1) - foot));
    state.setPoint(3, frame.point(frame.u(p2), foot));
    return box;
}

// The two halves of the ellipsoid on the axis a-b whose other half-axis is
// the pointer's distance from it. Each half is the cubic from a to b whose
// control points stand 4/3 of the half-axis off the axis at its ends, kept as
// a curve record keeps it: ends and the points at t = 1/3 and 2/3.
struct EllipsoidHalves {
    BezierRecordPoints first;  // the side turned left of a-b
    BezierRecordPoints second; // the side turned right
};

EllipsoidHalves EllipsoidCurves(QPoint a, QPoint b, QPoint pointer)
{
    const std::int64_t mx = (std::int64_t{a.x()} + b.x()) / 2;
    const std::int64_t my = (std::int64_t{a.y()} + b.y()) / 2;
    const QPoint middle = requirePoint(mx, my);
    const std::int64_t half = require(PointDistance(a, b)) / 2;
    const int direction = DirectionAngle(a, b);
    const std::optional<MeasuredPoint> foot = PerpendicularFoot(pointer, a, b);
    if (!foot)
        throw ActionFailed(QStringLiteral("Range check error"));
    const std::int64_t lift = 4 * std::int64_t{foot->distance} / 3;

    auto halfCurve = [&](int side) {
        const QPoint c1 = requirePoint(
            RotatePoint(requirePoint(mx - half, my + side * lift), middle, -direction));
        const QPoint c2 = requirePoint(
            RotatePoint(requirePoint(mx + half, my + side * lift), middle, -direction));
        auto at = [&](int wa, int w1, int w2, int wb) {
            const std::int64_t x = (wa * std::int64_t{a.x()} + w1 * std::int64_t{c1.x()} +
                                    w2 * std::int64_t{c2.x()} + wb * std::int64_t{b.x()}) /
                                   27;
            const std::int64_t y = (wa * std::int64_t{a.y()} + w1 * std::int64_t{c1.y()} +
                                    w2 * std::int64_t{c2.y()} + wb * std::int64_t{b.y()}) /
                                   27;
            return requirePoint(x, y);
        };
        return BezierRecordPoints{a, at(8, 12, 6, 1), at(1, 6, 12, 8), b};
    };
    return {halfCurve(-1), halfCurve(1)};
}

// Works the halves out for the pointer and keeps them where the tool keeps
// them: the first half's middle points in P5 and P6, the second half in the
// curve slots.
EllipsoidHalves PlaceEllipsoid(Editor& editor, QPoint pos)
{
    ConstructionState& state = editor.tool.construction;
    const EllipsoidHalves halves = EllipsoidCurves(state.point(0), state.point(1), pos);
    state.setPoint(kP5, halves.first[1]);
    state.setPoint(kP6, halves.first[2]);
    for (int i = 0; i < 4; ++i)
        state.setPoint(kCurvePoint + i, halves.second[static_cast<size_t>(i)]);
    return halves;
}

QString PointListOf(const BezierRecordPoints& points)
{
    return MakePointList({points.begin(), points.end()});
}

QString AxisEllipseInstruction(bool vertical)
{
    if (vertical)
        return QStringLiteral(
            "3 clicks are needed, 1st click set first point of Ver axis \r\n 2nd click set the "
            "height of Ver axis, 3rd click set width of Hore axis");
    return QStringLiteral(
        "3 clicks are needed, 1st click set first point of Hor axis \r\n 2nd click set the "
        "width of Hor axis, 3rd click set height of Ver axis");
}

// Ellipses along a horizontal or vertical axis: three clicks, repeats.
class AxisEllipseTool : public ClickSequenceTool {
public:
    explicit AxisEllipseTool(bool vertical)
        : ClickSequenceTool(3, AfterLast::Repeats, AxisEllipseInstruction(vertical)), frame_{
                                                                                          vertical}
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const AxisFrame frame = frame_;
        ConstructionState& state = editor.tool.construction;
        Canvas& canvas = editor.surfaceCanvas();
        const CurrentAttributes& current = editor.doc.current;
        const QPoint p1 = state.point(0);
        switch (state.clicks()) {
        case 0:
            state.setPoint(0, pos);
            break;
        case 1: {
            const QPoint p2 = frame.point(frame.u(pos), frame.v(p1));
            state.setPoint(1, p2);
            DrawLine(canvas, current, p1, p2);
            editor.ui().setStatus(
                3, QStringLiteral("W=%1").arg(std::llabs(frame.u(p1) - frame.u(p2))));
            break;
        }
        case 2: {
            const EllipseBox box = PlaceEllipseBox(editor, frame, pos);
            DrawLine(canvas, current, p1, state.point(1));
            CurrentAttributes dotted = current;
            dotted.penWidth = 0;
            DrawLine(canvas, dotted, box.guideFrom, box.guideTo);
            canvas.setBrush(kNoBrush);
            DrawEllipse(canvas, current, state.point(2), state.point(3));
            editor.ui().setStatus(3, QStringLiteral("H=%1").arg(box.across));
            break;
        }
        default:
            break;
        }
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        const ConstructionState& state = editor.tool.construction;
        PlaceEllipseBox(editor, frame_, pos);
        const QPoint p3 = state.point(2);
        const QPoint p4 = state.point(3);
        AppendRow(editor.doc,
                  {QStringLiteral("E"), MakePenAttr(editor.doc), QString::number(p3.x()),
                   QString::number(p3.y()), QString::number(p4.x()), QString::number(p4.y())});
        return true;
    }

    AxisFrame frame_;
};

// The ellipsoid: an ellipse along any axis as two half-ellipse curves.
class EllipsoidTool : public ClickSequenceTool {
public:
    EllipsoidTool()
        : ClickSequenceTool(3, AfterLast::Ends,
                            QStringLiteral("1st 2 clicks set the length of 1 axis , next you can "
                                           "modify the \r\nlength of 2nd axis, 3rd click will "
                                           "complete the action"))
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        Canvas& canvas = editor.surfaceCanvas();
        const CurrentAttributes& current = editor.doc.current;
        switch (state.clicks()) {
        case 0:
            state.setPoint(0, pos);
            break;
        case 1:
            // The first axis follows the pointer.
            state.setPoint(1, pos);
            DrawLine(canvas, current, state.point(0), pos);
            break;
        case 2: {
            const EllipsoidHalves halves = PlaceEllipsoid(editor, pos);
            DrawBezier(canvas, current, halves.first);
            DrawBezier(canvas, current, halves.second);
            break;
        }
        default:
            break;
        }
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        const ConstructionState& state = editor.tool.construction;
        if (require(PointDistance(state.point(0), state.point(1))) < kMinEllipsoidAxis) {
            editor.ui().message(QStringLiteral("Ellipsoid axis too short"));
            return false;
        }
        const EllipsoidHalves halves = PlaceEllipsoid(editor, pos);
        Document& doc = editor.doc;
        const QString pen = MakePenAttr(doc);
        const QString second = PointListOf(halves.second);
        const QString first = PointListOf(halves.first);
        AppendRow(doc, {QStringLiteral("B"), pen, second});
        AppendRow(doc, {QStringLiteral("B"), pen, first});
        return true;
    }
};

} // namespace

void registerEllipseTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<AxisEllipseTool>(false), {ToolMode::HorizontalEllipse});
    tools.add(std::make_shared<AxisEllipseTool>(true), {ToolMode::VerticalEllipse});
    tools.add(std::make_shared<EllipsoidTool>(), {ToolMode::Ellipsoid});
}

} // namespace kel
