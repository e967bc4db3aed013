// Measuring without writing rows: length and direction, the angle at a
// vertex, pixels of one colour in a rectangle, and a triangle's area. Live
// values go to status panel 3; previews are dotted red on the surface layer.

#include "constructions/measure/MeasureTools.h"

#include "figures/Measures.h"
#include "figures/PixelSearch.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "render/ShapeDrawers.h"

#include <algorithm>
#include <utility>

namespace kel {

namespace {

using namespace clickpoint;

constexpr Colour kMeasureColour = 0x0000FF; // red
constexpr Colour kAreaFill = 0xC0C0C0;
constexpr int kSolidBrush = 1;
constexpr int kReferenceRay = 200;

CurrentAttributes measurePen(const Editor& editor)
{
    CurrentAttributes look = editor.doc.current;
    look.penColour = kMeasureColour;
    look.penWidth = 0; // dotted, one pixel
    return look;
}

void measureLine(Editor& editor, QPoint from, QPoint to)
{
    DrawLine(editor.surfaceCanvas(), measurePen(editor), from, to);
}

int measure(QPoint a, QPoint b)
{
    return require(PointDistance(a, b));
}

// "Len=" and the angle against the horizontal, from P1 to the pointer.
void showLength(Editor& editor, QPoint pos)
{
    const QPoint p1 = clickPoint(editor, kP1);
    measureLine(editor, p1, pos);
    const QPoint ray = offsetPoint(p1, kReferenceRay, 0);
    editor.ui().setStatus(
        3, QStringLiteral("Len=%1 Ang=%2").arg(measure(p1, pos)).arg(AngleAtVertex(p1, ray, pos)));
}

// Measuring writes no rows: the last click only ends one measurement and
// the tool waits for the next. By default the pointer goes into the point
// the next click freezes.
class MeasureTool : public ClickSequenceTool {
public:
    MeasureTool(int clicks, QString instruction)
        : ClickSequenceTool(clicks, AfterLast::Repeats, std::move(instruction))
    {
    }

protected:
    void track(Editor& editor, QPoint pos) override
    {
        setClickPoint(editor, clickCount(editor), pos);
    }
    bool complete(Editor&, QPoint) override { return true; }
};

class LengthTool : public MeasureTool {
public:
    LengthTool()
        : MeasureTool(2, QStringLiteral("1st click begin point, wtach status bar for "
                                        "value\r\nPress Enter to repeat action again"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0)
            setClickPoint(editor, kP1, pos);
    }
    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 1)
            showLength(editor, pos);
    }
};

class AngleTool : public MeasureTool {
public:
    AngleTool()
        : MeasureTool(3, QStringLiteral("1st 2 clicks sets the reference line angle then as "
                                        "you move angle displayed\r\n3rd click action can be "
                                        "repeated again"))
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks == 1) {
            showLength(editor, pos);
        } else if (clicks == 2) {
            const QPoint p1 = clickPoint(editor, kP1);
            const QPoint p2 = clickPoint(editor, kP2);
            measureLine(editor, p1, p2);
            measureLine(editor, pos, p2);
            editor.ui().setStatus(3, QStringLiteral("L1=%1 L2=%2 Ang=%3")
                                         .arg(measure(p1, p2))
                                         .arg(measure(pos, p2))
                                         .arg(AngleAtVertex(p2, p1, pos)));
        }
    }
};

// Corners in P1 and P2 (ordered left-top, right-bottom after click 2), the
// colour in the size slot.
class PixelCountTool : public MeasureTool {
public:
    PixelCountTool()
        : MeasureTool(4, QStringLiteral("2 clicks to select the rectangle, 3rd click selct "
                                        "the color of pixels to be counted"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks < 2) {
            setClickPoint(editor, clicks, pos);
        } else if (clicks == 2) {
            setClickPoint(editor, kP3, pos);
            const QImage& bitmap = editor.renderer.bitmap();
            // Outside the bitmap there is no colour to take.
            toolSlot(editor, ConstructionState::kSize) =
                bitmap.rect().contains(pos) ? static_cast<std::int32_t>(fromQRgb(bitmap.pixel(pos)))
                                            : -1;
        }
    }

    void preview(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks == 0)
            return;
        const QPoint p1 = clickPoint(editor, kP1);
        DrawFocusRect(editor.surfaceCanvas(), p1, clicks == 1 ? pos : clickPoint(editor, kP2));
        if (clicks < 3)
            return;
        const std::int32_t colour = toolSlot(editor, ConstructionState::kSize);
        const int count =
            colour < 0 ? 0
                       : CountColourPixels(editor.tool.construction, editor.renderer.bitmap(), pos,
                                           static_cast<Colour>(colour));
        editor.ui().setStatus(3, QStringLiteral("Tot Pixels=%1").arg(count));
    }

    bool takeClick(Editor& editor, int clicks) override
    {
        if (clicks == 2) {
            const QPoint a = clickPoint(editor, kP1);
            const QPoint b = clickPoint(editor, kP2);
            setClickPoint(editor, kP1, {std::min(a.x(), b.x()), std::min(a.y(), b.y())});
            setClickPoint(editor, kP2, {std::max(a.x(), b.x()), std::max(a.y(), b.y())});
            editor.ui().message(QStringLiteral("Now click on the pixel inside rect that you "
                                               "want other pixels with same color be counted"));
        }
        if (clicks == 3)
            return toolSlot(editor, ConstructionState::kSize) >= 0;
        return true;
    }
};

class TriangleAreaTool : public MeasureTool {
public:
    TriangleAreaTool()
        : MeasureTool(3, QStringLiteral("3 clicks for 3 vertices of the triangle that its "
                                        "area will be measured\r\nCan be repeated until Esc "
                                        "key pressed"))
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        const QPoint p1 = clickPoint(editor, kP1);
        if (clicks == 1) {
            measureLine(editor, p1, pos);
        } else if (clicks == 2) {
            // The triangle is filled as a polygon on the surface layer: the
            // bitmap and whatever is drawn around it stay as they are.
            CurrentAttributes look = measurePen(editor);
            look.brushColour = kAreaFill;
            look.brushStyle = kSolidBrush;
            DrawPolygon(editor.surfaceCanvas(), look, {p1, clickPoint(editor, kP2), pos});
            editor.ui().setStatus(3, QStringLiteral("Area =%1").arg(area(editor)));
        }
    }

    bool complete(Editor& editor, QPoint) override
    {
        editor.ui().message(
            QStringLiteral("Area of 3 points inscribed triangle is %1").arg(area(editor)));
        return true;
    }

    static qint64 area(const Editor& editor)
    {
        const std::optional<std::int64_t> a = TriangleArea(editor.tool.construction);
        if (!a)
            throw ActionFailed(QStringLiteral("The triangle is too large to measure"));
        return *a;
    }
};

} // namespace

void registerMeasureTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<LengthTool>(), {ToolMode::MeasureLength});
    tools.add(std::make_shared<AngleTool>(), {ToolMode::MeasureAngle});
    tools.add(std::make_shared<PixelCountTool>(), {ToolMode::CountPixels});
    tools.add(std::make_shared<TriangleAreaTool>(), {ToolMode::MeasureTriangleArea});
}

} // namespace kel
