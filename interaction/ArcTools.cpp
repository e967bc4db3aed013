#include "interaction/ArcTools.h"

#include "figures/Circles.h"
#include "figures/Perpendiculars.h"
#include "interaction/ActionFailed.h"
#include "interaction/Editor.h"
#include "interaction/FigureToolSupport.h"
#include "render/ShapeDrawers.h"

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

// The last click of the arcs through three points: the arc row, or the click
// taken back when the points allow no arc.
void finishArcThrough(Editor& editor, QPoint p1, QPoint p2, QPoint p3)
{
    const std::optional<ArcFit> arc = FitArc3Points(p1, p2, p3);
    if (!arc) {
        clickCount(editor) = 2;
        editor.ui().message(kNoArcMessage);
        return;
    }
    setClickPoint(editor, kP4, arc->centre);
    radiusSlot(editor) = arc->radius;
    addArcRow(editor, arc->centre, arc->startAngle, arc->endAngle, arc->radius);
    clickCount(editor) = 0;
    editor.RedrawAll();
}

} // namespace

// Precision arc ------------------------------------------------------------

void PrecisionArcTool::reload(Editor& editor)
{
    const AttributePanel& panel = editor.doc.panel;
    radiusSlot(editor) = panel.radius.value;
    toolSlot(editor, ConstructionState::kAngle1) = panel.angle1.value;
    toolSlot(editor, ConstructionState::kAngle2) = panel.angle2.value;
}

void PrecisionArcTool::start(Editor& editor)
{
    editor.ui().message(QStringLiteral("Initialize the arc parameters R, ang1, ang2 first, then 1 "
                                       "click to draw the arc"));
    reload(editor);
    editor.ui().showPage(0);
    editor.ui().setGridEnabled(false);
}

void PrecisionArcTool::move(Editor& editor, QPoint pos)
{
    reload(editor);
    if (clickCount(editor) == 0)
        setClickPoint(editor, kP1, pos);
    const int r = radiusSlot(editor);
    DrawArc(editor.surfaceCanvas(), editor.doc.current, clickPoint(editor, kP1), r,
            toolSlot(editor, ConstructionState::kAngle1),
            toolSlot(editor, ConstructionState::kAngle2));
    editor.ui().setStatus(3, QStringLiteral("R=%1").arg(r));
}

void PrecisionArcTool::click(Editor& editor, QPoint pos)
{
    reload(editor);
    setClickPoint(editor, kP1, pos);
    addArcRow(editor, pos, toolSlot(editor, ConstructionState::kAngle1),
              toolSlot(editor, ConstructionState::kAngle2), radiusSlot(editor));
    editor.CancelTool();
}


// Arc through three points -------------------------------------------------

void ThreePointArcTool::start(Editor& editor)
{
    editor.ui().message(QStringLiteral("3 mouse clicks needed to complete the arc"));
}

void ThreePointArcTool::track(Editor& editor, QPoint pos)
{
    const int clicks = clickCount(editor);
    if (clicks < 3)
        setClickPoint(editor, clicks, pos); // P1, P2, P3
}

void ThreePointArcTool::move(Editor& editor, QPoint pos)
{
    track(editor, pos);
    const QPoint p1 = clickPoint(editor, kP1);
    switch (clickCount(editor)) {
    case 1:
        previewLine(editor, pos, p1);
        break;
    case 2: {
        const QPoint p2 = clickPoint(editor, kP2);
        DrawArc3Points(editor.surfaceCanvas(), editor.doc.current, p1, p2, pos);
        const std::optional<std::array<int, 3>> angles = PointAnglesOnCircle(p1, p2, pos);
        const std::optional<CircleFit> circle = CircleThrough3Points(p1, p2, pos);
        if (!angles || !circle) {
            editor.ui().setStatus(4, QString());
            break;
        }
        toolSlot(editor, ConstructionState::kAngle1) = (*angles)[0];
        toolSlot(editor, ConstructionState::kAngle2) = (*angles)[2];
        setClickPoint(editor, kP4, circle->centre);
        radiusSlot(editor) = circle->radius;
        editor.ui().setStatus(4, QStringLiteral("R=%1 Ang1=%2 Ang2=%3")
                                     .arg(circle->radius)
                                     .arg((*angles)[0])
                                     .arg((*angles)[2]));
        break;
    }
    default:
        break;
    }
}

void ThreePointArcTool::click(Editor& editor, QPoint pos)
{
    track(editor, pos);
    if (++clickCount(editor) < 3)
        return;
    finishArcThrough(editor, clickPoint(editor, kP1), clickPoint(editor, kP2),
                     clickPoint(editor, kP3));
}

// Arc from two end points and a height -------------------------------------

void EndPointsArcTool::start(Editor& editor)
{
    editor.ui().message(
        QStringLiteral("First 2 clicks are the end points of arc, 3rd click set its height"));
}

void EndPointsArcTool::track(Editor& editor, QPoint pos)
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
        const std::optional<SidePoints> bisector = PerpendicularPoints(p1, middle, kBisectorLength);
        if (!bisector) {
            // The ends (nearly) coincide: there is no height to give.
            setClickPoint(editor, kP2, middle);
            break;
        }
        setClickPoint(editor, kP4, bisector->left);
        setClickPoint(editor, kP5, bisector->right);
        const std::optional<MeasuredPoint> top =
            PerpendicularFoot(pos, bisector->left, bisector->right);
        setClickPoint(editor, kP2, pointOrFail(top ? std::optional(top->point) : std::nullopt));
        break;
    }
    default:
        break;
    }
}

void EndPointsArcTool::move(Editor& editor, QPoint pos)
{
    track(editor, pos);
    const QPoint p1 = clickPoint(editor, kP1);
    switch (clickCount(editor)) {
    case 1:
        previewLine(editor, pos, p1);
        break;
    case 2: {
        const QPoint p2 = clickPoint(editor, kP2);
        const QPoint p3 = clickPoint(editor, kP3);
        const QPoint middle = midPoint(p1, p3);
        previewMark(editor, p2, kHeightMark);
        const int height = require(PointDistance(p2, middle));
        if (height <= kMinPreviewHeight)
            break;
        previewGuide(editor, middle, p2);
        previewGuide(editor, pos, p2);
        const std::optional<int> radius =
            DrawArc3Points(editor.surfaceCanvas(), editor.doc.current, p1, p2, p3);
        editor.ui().setStatus(3, QStringLiteral("H=%1 R=%2").arg(height).arg(radius.value_or(0)));
        break;
    }
    default:
        break;
    }
}

void EndPointsArcTool::click(Editor& editor, QPoint pos)
{
    track(editor, pos);
    if (++clickCount(editor) < 3)
        return;
    finishArcThrough(editor, clickPoint(editor, kP1), clickPoint(editor, kP2),
                     clickPoint(editor, kP3));
}

// Sweep arc ----------------------------------------------------------------

void SweepArcTool::start(Editor& editor)
{
    editor.ui().message(
        QStringLiteral("5 mouse clicks needed to complete the arc, center, rad, 3 points"));
}

void SweepArcTool::track(Editor& editor, QPoint pos)
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
                      pointOrFail(onCircle ? std::optional(onCircle->point) : std::nullopt));
    }
}

void SweepArcTool::move(Editor& editor, QPoint pos)
{
    track(editor, pos);
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

void SweepArcTool::click(Editor& editor, QPoint pos)
{
    track(editor, pos);
    const int clicks = ++clickCount(editor);
    if (clicks == 2 && radiusSlot(editor) <= kMinSweepRadius) {
        clickCount(editor) = 1;
        editor.ui().message(QStringLiteral("Radius too small"));
        return;
    }
    if (clicks < 5)
        return;
    const std::optional<ArcFit> arc =
        FitArc3Points(clickPoint(editor, kP2), clickPoint(editor, kP3), clickPoint(editor, kP4));
    if (!arc) {
        clickCount(editor) = 4;
        editor.ui().message(kNoArcMessage);
        return;
    }
    // The arc keeps the clicked centre and radius; the three points give its
    // ends and direction.
    addArcRow(editor, clickPoint(editor, kP1), arc->startAngle, arc->endAngle, radiusSlot(editor));
    editor.CancelTool();
}

} // namespace kel
