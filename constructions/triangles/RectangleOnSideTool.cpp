// "Construct Rect as Side": a rectangle on the picked line, its depth typed
// into the first value box of page T7 and its side chosen by the pointer.

#include "constructions/lines/LineSupport.h"
#include "constructions/triangles/TriangleTools.h"

#include "figures/Quadrilaterals.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/FigureToolSupport.h"
#include "interaction/tools/ValuePageTool.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

constexpr int kP7 = 6;
constexpr int kP8 = 7;

bool addLine(Editor& editor, QPoint from, QPoint to)
{
    return AddLineRow(editor.doc, from.x(), from.y(), to.x(), to.y());
}

class RectangleOnSideTool : public ValuePageTool {
public:
    RectangleOnSideTool()
        : ValuePageTool(1, AfterLast::Ends,
                        QStringLiteral("Enter the rectantgle width or height and click"),
                        {QStringLiteral("Rect W or "), QStringLiteral("NA"), QStringLiteral("NA")})
    {
    }

private:
    void begin(Editor& editor) override
    {
        ValuePageTool::begin(editor);
        const LineSegment line = pickedLine(editor, kEndsFallback);
        setClickPoint(editor, kP1, line.a);
        setClickPoint(editor, kP2, line.b);
    }

    void track(Editor& editor, QPoint pos) override
    {
        const std::optional<int> width = controlNumber(editor, Control::edtvar1);
        std::optional<RectangleCorners> corners;
        if (width)
            corners =
                RectangleOnSide(clickPoint(editor, kP1), clickPoint(editor, kP2), *width, pos);
        setReady(editor, corners.has_value());
        if (!corners)
            return;
        setClickPoint(editor, kP7, corners->nextToA);
        setClickPoint(editor, kP8, corners->nextToB);
    }

    void preview(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return;
        const QPoint p7 = clickPoint(editor, kP7);
        const QPoint p8 = clickPoint(editor, kP8);
        previewSegment(editor, p7, p8);
        previewSegment(editor, p7, clickPoint(editor, kP1));
        previewSegment(editor, p8, clickPoint(editor, kP2));
    }

    // The far side first; each end only when the side before it was added.
    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint p7 = clickPoint(editor, kP7);
        const QPoint p8 = clickPoint(editor, kP8);
        if (addLine(editor, p7, p8) && addLine(editor, p7, clickPoint(editor, kP1)))
            addLine(editor, p8, clickPoint(editor, kP2));
        return true;
    }
};

} // namespace

void registerRectangleOnSideTool(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<RectangleOnSideTool>(), {ToolMode::RectangleOnSide});
}

} // namespace kel
