// "Intersection aprox": a point where drawn objects cross, found from the
// pixels of the drawing in a 20 x 20 square beside the pointer. The grid
// dots would read as ink, so they are off while the tool runs and come back
// as they were when it ends.

#include "constructions/intersections/IntersectionTools.h"
#include "constructions/lines/LineSupport.h"

#include "figures/PixelSearch.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/FigureToolSupport.h"

namespace kel {

namespace {

constexpr int kSquare = 20;
constexpr int kGridDotsSlot = 26;
const QString kGridDotsItem = QStringLiteral("mnuGridDots1");

void setGridDots(Editor& editor, bool on)
{
    editor.setMenuChecked(kGridDotsItem, on);
    editor.renderer.setGridDots(on);
}

class ApproximateIntersectionTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(QStringLiteral(
            "Move the mouse near intersection point of any 2 objects\r\n Left click to insert "
            "new point Esc to cancel, grid will not be displayed during search"));
        toolSlot(editor, kGridDotsSlot) = editor.menuChecked(kGridDotsItem) ? 1 : 0;
        setGridDots(editor, false);
        editor.RedrawAll();
    }

    // The square's corners are (x, y - 20) and (x + 20, y).
    void move(Editor& editor, QPoint pos) override
    {
        const QPoint topLeft = offsetPoint(pos, 0, -kSquare);
        const QPoint topRight = offsetPoint(pos, kSquare, -kSquare);
        const QPoint bottomRight = offsetPoint(pos, kSquare, 0);
        previewLine(editor, topLeft, topRight);
        previewLine(editor, topRight, bottomRight);
        previewLine(editor, bottomRight, pos);
        previewLine(editor, pos, topLeft);
    }

    void click(Editor& editor, QPoint pos) override
    {
        setClickPoint(editor, clickpoint::kP1, offsetPoint(pos, 0, -kSquare));
        clickCount(editor) = 0;
        const std::optional<QPoint> crossing =
            FindDrawnCrossing(editor.tool.construction, editor.renderer.bitmap());
        if (!crossing)
            return;
        linetools::addConstructedPoint(editor, *crossing);
        editor.RedrawAll();
    }

    void cancel(Editor& editor) override
    {
        setGridDots(editor, toolSlot(editor, kGridDotsSlot) == 1);
    }
};

} // namespace

void registerApproximateIntersectionTool(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<ApproximateIntersectionTool>(),
                            {ToolMode::ApproximateIntersection});
}

} // namespace kel
