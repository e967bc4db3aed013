// New arcs: from typed radius and angles, through three points, from two end
// points and a height, and swept around a clicked centre.

#include "figures/Circles.h"
#include "figures/Perpendiculars.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/Controls.h"
#include "render/ShapeDrawers.h"

#include <algorithm>

namespace kel {

namespace {

using namespace clickpoint;

constexpr int kBisectorLength = 200;
// The height from which the arc over two end points is previewed.
constexpr int kMinPreviewHeight = 3;
constexpr int kHeightMark = 1;
constexpr int kSweepMark = 2;
// A sweep arc needs a radius above this.
constexpr int kMinSweepRadius = 2;

std::int32_t& radiusSlot(Editor& editor)
{
    return toolSlot(editor, ConstructionState::kRadius);
}

// "New Precision Arc": radius and angles from page T1 (or the wheel); one
// click places the centre and ends the tool.
class PrecisionArcTool : public ClickSequenceTool {
public:
    PrecisionArcTool()
        : ClickSequenceTool(1, AfterLast::Ends,
                            QStringLiteral("Initialize the arc parameters R, ang1, ang2 first, "
                                           "then 1 click to draw the arc"))
    {
    }

    // The wheel changes the value the radio buttons of page T1 choose: the
    // radius, or an angle that wraps from 359 up to 0 and stops at 0 going down.
    // All three boxes show the values afterwards.
    void wheel(Editor& editor, int notches) override
    {
        UiPort& ui = editor.ui();
        std::int32_t& radius = radiusSlot(editor);
        std::int32_t& angle1 = toolSlot(editor, ConstructionState::kAngle1);
        std::int32_t& angle2 = toolSlot(editor, ConstructionState::kAngle2);
        forEachNotch(notches, [&](int step) {
            auto turn = [step](std::int32_t& angle) {
                if (step > 0 && angle >= 359)
                    angle = 0;
                else
                    angle = std::max(angle + step, 0);
            };
            if (ui.controlChecked(Control::rbRsel))
                radius += step;
            else if (ui.controlChecked(Control::rbang1))
                turn(angle1);
            else if (ui.controlChecked(Control::rbang2))
                turn(angle2);
            showControlValue(ui, Control::edtrad, radius);
            showControlValue(ui, Control::edtang1, angle1);
            showControlValue(ui, Control::edtang2, angle2);
        });
    }

private:
    void begin(Editor& editor) override
    {
        reload(editor);
        editor.ui().showPage(0);
        editor.ui().setGridEnabled(false);
    }

    void track(Editor& editor, QPoint pos) override
    {
        reload(editor);
        if (clickCount(editor) == 0)
            setClickPoint(editor, kP1, pos);
    }

    void preview(Editor& editor, QPoint) override
    {
        const int r = radiusSlot(editor);
        DrawArc(editor.surfaceCanvas(), editor.doc.current, clickPoint(editor, kP1), r,
                toolSlot(editor, ConstructionState::kAngle1),
                toolSlot(editor, ConstructionState::kAngle2));
        editor.ui().setStatus(3, QStringLiteral("R=%1").arg(r));
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        addArcRow(editor, pos, toolSlot(editor, ConstructionState::kAngle1),
                  toolSlot(editor, ConstructionState::kAngle2), radiusSlot(editor));
        return true;
    }

    static void reload(Editor& editor)
    {
        const AttributePanel& panel = editor.doc.panel;
        radiusSlot(editor) = panel.radius.value;
        toolSlot(editor, ConstructionState::kAngle1) = panel.angle1.value;
        toolSlot(editor, ConstructionState::kAngle2) = panel.angle2.value;
    }
};

// The arcs through three clicked points P1, P2, P3, then the next arc: the
// second click shows a line from the first, the third the arc itself.
class ArcThroughPointsTool : public ClickSequenceTool {
public:
    explicit ArcThroughPointsTool(QString instruction)
        : ClickSequenceTool(3, AfterLast::Repeats, std::move(instruction))
    {
    }

protected:
    // The arc after two clicks, with the pointer tracked.
    virtual void previewArc(Editor& editor, QPoint pos) = 0;

private:
    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 1)
            previewLine(editor, pos, clickPoint(editor, kP1));
        else if (clickCount(editor) == 2)
            previewArc(editor, pos);
    }

    bool complete(Editor& editor, QPoint) override
    {
        // Points that allow no arc: the third click is asked for again.
        const std::optional<ArcFit> arc = FitArc3Points(
            clickPoint(editor, kP1), clickPoint(editor, kP2), clickPoint(editor, kP3));
        if (!arc) {
            editor.ui().message(kNoArcMessage);
            return false;
        }
        setClickPoint(editor, kP4, arc->centre);
        radiusSlot(editor) = arc->radius;
        addArcRow(editor, arc->centre, arc->startAngle, arc->endAngle, arc->radius);
        return true;
    }
};

// "3 Point Arc": from the first click through the second to the third.
class ThreePointArcTool : public ArcThroughPointsTool {
public:
    ThreePointArcTool()
        : ArcThroughPointsTool(QStringLiteral("3 mouse clicks needed to complete the arc"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks < 3)
            setClickPoint(editor, clicks, pos); // P1, P2, P3
    }

    void previewArc(Editor& editor, QPoint pos) override
    {
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        DrawArc3Points(editor.surfaceCanvas(), editor.doc.current, p1, p2, pos);
        const std::optional<std::array<int, 3>> angles = PointAnglesOnCircle(p1, p2, pos);
        const std::optional<CircleFit> circle = CircleThrough3Points(p1, p2, pos);
        if (!angles || !circle) {
            editor.ui().setStatus(4, QString());
            return;
        }
        toolSlot(editor, ConstructionState::kAngle1) = (*angles)[0];
        toolSlot(editor, ConstructionState::kAngle2) = (*angles)[2];
        setClickPoint(editor, kP4, circle->centre);
        radiusSlot(editor) = circle->radius;
        editor.ui().setStatus(4, QStringLiteral("R=%1 Ang1=%2 Ang2=%3")
                                     .arg(circle->radius)
                                     .arg((*angles)[0])
                                     .arg((*angles)[2]));
    }
};

// "2 End Points Arc": two clicks are the ends, the third sets the height on
// the perpendicular bisector.
class EndPointsArcTool : public ArcThroughPointsTool {
public:
    EndPointsArcTool()
        : ArcThroughPointsTool(
              QStringLiteral("First 2 clicks are the end points of arc, 3rd click set its height"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        switch (clickCount(editor)) {
        case 0:
            setClickPoint(editor, kP1, pos);
            break;
        case 1:
            setClickPoint(editor, kP3, pos); // the second end
            break;
        case 2: {
            // The top of the arc slides along the perpendicular bisector of the
            // two ends.
            const QPoint p1 = clickPoint(editor, kP1);
            const QPoint middle = midPoint(p1, clickPoint(editor, kP3));
            const std::optional<SidePoints> bisector =
                PerpendicularPoints(p1, middle, kBisectorLength);
            if (!bisector) {
                // The ends (nearly) coincide: there is no height to give.
                setClickPoint(editor, kP2, middle);
                break;
            }
            setClickPoint(editor, kP4, bisector->left);
            setClickPoint(editor, kP5, bisector->right);
            const std::optional<MeasuredPoint> top =
                PerpendicularFoot(pos, bisector->left, bisector->right);
            setClickPoint(editor, kP2,
                          requirePoint(top ? std::optional(top->point) : std::nullopt));
            break;
        }
        default:
            break;
        }
    }

    void previewArc(Editor& editor, QPoint pos) override
    {
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        const QPoint p3 = clickPoint(editor, kP3);
        const QPoint middle = midPoint(p1, p3);
        previewMark(editor, p2, kHeightMark);
        const int height = require(PointDistance(p2, middle));
        if (height <= kMinPreviewHeight)
            return;
        previewGuide(editor, middle, p2);
        previewGuide(editor, pos, p2);
        const std::optional<int> radius =
            DrawArc3Points(editor.surfaceCanvas(), editor.doc.current, p1, p2, p3);
        editor.ui().setStatus(3, QStringLiteral("H=%1 R=%2").arg(height).arg(radius.value_or(0)));
    }
};

// "New Sweep Arc": the centre, a point giving the radius, then three points
// on the circle: the start, one the arc passes and the end. The tool ends
// with its arc.
class SweepArcTool : public ClickSequenceTool {
public:
    SweepArcTool()
        : ClickSequenceTool(5, AfterLast::Ends,
                            QStringLiteral("5 mouse clicks needed to complete the arc, center, "
                                           "rad, 3 points"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        const QPoint centre = clickPoint(editor, kP1);
        if (clicks == 0) {
            setClickPoint(editor, kP1, pos);
        } else if (clicks == 1) {
            radiusSlot(editor) = require(PointDistance(centre, pos));
        } else if (clicks <= 4) {
            // P2, P3 and P4 lie on the circle, where the line from the centre
            // through the pointer cuts it.
            const std::optional<MeasuredPoint> onCircle =
                NearestPointOnCircle(centre, radiusSlot(editor), pos);
            setClickPoint(editor, clicks - 1,
                          requirePoint(onCircle ? std::optional(onCircle->point) : std::nullopt));
        }
    }

    void preview(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks == 0 || clicks > 4)
            return;
        const QPoint centre = clickPoint(editor, kP1);
        const int r = radiusSlot(editor);
        previewCircleOutline(editor, centre, r);
        previewMark(editor, centre, kSweepMark);
        if (clicks == 1) {
            editor.ui().setStatus(3, QStringLiteral("R=%1").arg(r));
            return;
        }
        const QPoint next = clickPoint(editor, clicks - 1);
        previewLine(editor, pos, next);
        for (int i = kP2; i < clicks; ++i)
            previewMark(editor, clickPoint(editor, i), kSweepMark);
        editor.ui().setStatus(
            3, QStringLiteral("R=%1  Degree=%2").arg(r).arg(DirectionAngle(centre, next)));
        if (clicks == 4)
            DrawArc3Points(editor.surfaceCanvas(), editor.doc.current, clickPoint(editor, kP2),
                           clickPoint(editor, kP3), next);
    }

    bool takeClick(Editor& editor, int clicks) override
    {
        if (clicks == 2 && radiusSlot(editor) <= kMinSweepRadius) {
            editor.ui().message(QStringLiteral("Radius too small"));
            return false;
        }
        return true;
    }

    bool complete(Editor& editor, QPoint) override
    {
        const std::optional<ArcFit> arc = FitArc3Points(
            clickPoint(editor, kP2), clickPoint(editor, kP3), clickPoint(editor, kP4));
        if (!arc) {
            editor.ui().message(kNoArcMessage);
            return false;
        }
        // The arc keeps the clicked centre and radius; the three points give its
        // ends and direction.
        addArcRow(editor, clickPoint(editor, kP1), arc->startAngle, arc->endAngle,
                  radiusSlot(editor));
        return true;
    }
};

} // namespace

void registerArcTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<PrecisionArcTool>(), {ToolMode::PrecisionArc});
    tools.add(std::make_shared<ThreePointArcTool>(), {ToolMode::ThreePointArc});
    tools.add(std::make_shared<EndPointsArcTool>(), {ToolMode::EndPointsArc});
    tools.add(std::make_shared<SweepArcTool>(), {ToolMode::SweepArc});
}

} // namespace kel
