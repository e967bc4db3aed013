#include "interaction/CircleTools.h"

#include "figures/Circles.h"
#include "interaction/ActionFailed.h"
#include "interaction/Editor.h"
#include "interaction/FigureToolSupport.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

namespace kel {

namespace {

using namespace clickpoint;

constexpr int kMarkShape = 3;
// A circle by diameter needs a radius above this.
constexpr int kMinDiameterRadius = 2;

std::int32_t& radiusSlot(Editor& editor)
{
    return toolSlot(editor, ConstructionState::kRadius);
}

} // namespace

// Circle of the panel's radius ---------------------------------------------

void CircleTool::start(Editor& editor)
{
    radiusSlot(editor) = editor.doc.panel.radius.value;
    editor.ui().setGridEnabled(false);
}

void CircleTool::move(Editor& editor, QPoint pos)
{
    if (clickCount(editor) != 0)
        return;
    setClickPoint(editor, kP1, pos);
    const int r = radiusSlot(editor);
    previewCircle(editor, pos, r);
    if (editor.menuChecked(QStringLiteral("mnuincdotfram")))
        DrawFocusRect(editor.surfaceCanvas(), offsetPoint(pos, -std::int64_t{r}, -std::int64_t{r}),
                      offsetPoint(pos, r, r));
}

void CircleTool::click(Editor& editor, QPoint pos)
{
    setClickPoint(editor, kP1, pos);
    addCircleRow(editor, pos, radiusSlot(editor));
    AddPointRow(editor.doc, pos.x(), pos.y());
    clickCount(editor) = 0;
    editor.RedrawAll();
}


// Circle through three points ----------------------------------------------

void ThreePointCircleTool::start(Editor& editor)
{
    editor.ui().message(QStringLiteral("3 mouse clicks needed to complete the circle"));
}

void ThreePointCircleTool::track(Editor& editor, QPoint pos)
{
    const int clicks = clickCount(editor);
    if (clicks < 3)
        setClickPoint(editor, clicks, pos); // P1, P2, P3
}

void ThreePointCircleTool::move(Editor& editor, QPoint pos)
{
    track(editor, pos);
    switch (clickCount(editor)) {
    case 1:
        previewLine(editor, pos, clickPoint(editor, kP1));
        break;
    case 2: {
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        const std::optional<CircleFit> circle = CircleThrough3Points(p1, p2, pos);
        if (circle) {
            setClickPoint(editor, kP4, circle->centre);
            radiusSlot(editor) = circle->radius;
            previewCircle(editor, circle->centre, circle->radius);
            previewMark(editor, circle->centre, kMarkShape);
            editor.ui().setStatus(4, QStringLiteral("R=%1").arg(circle->radius));
        } else {
            // No circle passes through points on one line.
            editor.ui().setStatus(4, QString());
        }
        previewMark(editor, p1, kMarkShape);
        previewMark(editor, p2, kMarkShape);
        break;
    }
    default:
        break;
    }
}

void ThreePointCircleTool::click(Editor& editor, QPoint pos)
{
    track(editor, pos);
    if (++clickCount(editor) < 3)
        return;
    const std::optional<CircleFit> circle = CircleThrough3Points(
        clickPoint(editor, kP1), clickPoint(editor, kP2), clickPoint(editor, kP3));
    if (!circle) {
        clickCount(editor) = 2; // the third point is asked for again
        editor.ui().message(kNoCircleMessage);
        return;
    }
    setClickPoint(editor, kP4, circle->centre);
    radiusSlot(editor) = circle->radius;
    addCircleRow(editor, circle->centre, circle->radius);
    // Like the other circle tools, it is ready for the next circle.
    clickCount(editor) = 0;
    editor.ui().setStatus(4, QString());
    editor.RedrawAll();
}

// Circle by diameter -------------------------------------------------------

namespace {

// The circle over p1-p2 with the radius halved towards zero; the centre only
// when the radius is large enough.
std::pair<int, std::optional<QPoint>> diameterCircle(QPoint p1, QPoint p2)
{
    const int radius = require(PointDistance(p2, p1)) / 2;
    if (radius <= kMinDiameterRadius)
        return {radius, std::nullopt};
    return {radius, midPoint(p1, p2)};
}

} // namespace

void DiameterCircleTool::start(Editor& editor)
{
    editor.ui().message(
        QStringLiteral("1 click to draw a circle with 1 fixed end point of its diameter"));
}

void DiameterCircleTool::track(Editor& editor, QPoint pos)
{
    if (clickCount(editor) == 0) {
        setClickPoint(editor, kP1, pos);
        return;
    }
    const auto [radius, centre] = diameterCircle(clickPoint(editor, kP1), pos);
    radiusSlot(editor) = radius;
    if (centre)
        setClickPoint(editor, kP2, *centre);
    else
        toolSlot(editor, 2 * kP2) = kNoValue;
}

void DiameterCircleTool::move(Editor& editor, QPoint pos)
{
    track(editor, pos);
    if (clickCount(editor) != 1)
        return;
    editor.ui().setStatus(3, QStringLiteral("R=%1").arg(radiusSlot(editor)));
    if (toolSlot(editor, 2 * kP2) != kNoValue)
        previewCircleOutline(editor, clickPoint(editor, kP2), radiusSlot(editor));
}

void DiameterCircleTool::click(Editor& editor, QPoint pos)
{
    track(editor, pos);
    if (++clickCount(editor) < 2)
        return;
    const auto [radius, centre] = diameterCircle(clickPoint(editor, kP1), pos);
    if (!centre) {
        clickCount(editor) = 1;
        editor.ui().message(QStringLiteral("Diam too small"));
        return;
    }
    addCircleRow(editor, *centre, radius);
    clickCount(editor) = 0;
    editor.RedrawAll();
}

} // namespace kel
