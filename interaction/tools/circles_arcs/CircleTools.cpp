// New circles: of the radius on page T1, through three points, and by
// diameter.

#include "figures/Circles.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/Controls.h"
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

// The circle over p1-p2 with the radius halved towards zero; the centre only
// when the radius is large enough.
std::pair<int, std::optional<QPoint>> diameterCircle(QPoint p1, QPoint p2)
{
    const int radius = require(PointDistance(p2, p1)) / 2;
    if (radius <= kMinDiameterRadius)
        return {radius, std::nullopt};
    return {radius, midPoint(p1, p2)};
}

// "New Circle": one click appends a circle of the radius in edtrad (or set
// by the wheel) and a point at its centre, then the next circle.
class CircleTool : public ClickSequenceTool {
public:
    CircleTool() : ClickSequenceTool(1, AfterLast::Repeats) {}

    // The wheel sets the radius between 4 and 1000; past 1000 it drops to 100.
    void wheel(Editor& editor, int notches) override
    {
        std::int32_t& radius = radiusSlot(editor);
        forEachNotch(notches, [&](int step) {
            radius += step;
            if (radius > 1000)
                radius = 100;
            if (radius < 4)
                radius = 4;
            showControlValue(editor.ui(), Control::edtrad, radius);
        });
    }

private:
    void begin(Editor& editor) override
    {
        radiusSlot(editor) = editor.doc.panel.radius.value;
        editor.ui().setGridEnabled(false);
    }

    void track(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0)
            setClickPoint(editor, kP1, pos);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) != 0)
            return;
        const int r = radiusSlot(editor);
        previewCircle(editor, pos, r);
        if (editor.menuChecked(QStringLiteral("mnuincdotfram")))
            DrawFocusRect(editor.surfaceCanvas(),
                          offsetPoint(pos, -std::int64_t{r}, -std::int64_t{r}),
                          offsetPoint(pos, r, r));
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        addCircleRow(editor, pos, radiusSlot(editor));
        AddPointRow(editor.doc, pos.x(), pos.y());
        return true;
    }
};

// "3 Point Circle": the circle through three clicks; then the next one.
class ThreePointCircleTool : public ClickSequenceTool {
public:
    ThreePointCircleTool()
        : ClickSequenceTool(3, AfterLast::Repeats,
                            QStringLiteral("3 mouse clicks needed to complete the circle"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks < 3)
            setClickPoint(editor, clicks, pos); // P1, P2, P3
    }

    void preview(Editor& editor, QPoint pos) override
    {
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

    bool complete(Editor& editor, QPoint) override
    {
        const std::optional<CircleFit> circle = CircleThrough3Points(
            clickPoint(editor, kP1), clickPoint(editor, kP2), clickPoint(editor, kP3));
        if (!circle) {
            // The third point is asked for again.
            editor.ui().message(kNoCircleMessage);
            return false;
        }
        setClickPoint(editor, kP4, circle->centre);
        radiusSlot(editor) = circle->radius;
        addCircleRow(editor, circle->centre, circle->radius);
        // Like the other circle tools, it is ready for the next circle.
        editor.ui().setStatus(4, QString());
        return true;
    }
};

// "Circle by Diameter": the two clicks are the ends of a diameter; then the
// next circle.
class DiameterCircleTool : public ClickSequenceTool {
public:
    DiameterCircleTool()
        : ClickSequenceTool(
              2, AfterLast::Repeats,
              QStringLiteral("1 click to draw a circle with 1 fixed end point of its diameter"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
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

    void preview(Editor& editor, QPoint) override
    {
        if (clickCount(editor) != 1)
            return;
        editor.ui().setStatus(3, QStringLiteral("R=%1").arg(radiusSlot(editor)));
        if (toolSlot(editor, 2 * kP2) != kNoValue)
            previewCircleOutline(editor, clickPoint(editor, kP2), radiusSlot(editor));
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        const auto [radius, centre] = diameterCircle(clickPoint(editor, kP1), pos);
        if (!centre) {
            editor.ui().message(QStringLiteral("Diam too small"));
            return false;
        }
        addCircleRow(editor, *centre, radius);
        return true;
    }
};

} // namespace

void registerCircleTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<CircleTool>(), {ToolMode::Circle});
    tools.add(std::make_shared<ThreePointCircleTool>(), {ToolMode::ThreePointCircle});
    tools.add(std::make_shared<DiameterCircleTool>(), {ToolMode::CircleByDiameter});
}

} // namespace kel
