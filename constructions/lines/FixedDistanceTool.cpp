// "Mark Fixed Distance": a point at a typed distance from the end of the
// picked line nearer the pointer, on the line through it.

#include "constructions/lines/LineSupport.h"
#include "constructions/lines/LineTools.h"

#include "figures/Intersections.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

constexpr int kMinDistance = 4;
constexpr int kMaxDistance = 9999; // four digits

QPoint nearer(QPoint p, QPoint a, QPoint b)
{
    return distance(p, b) < distance(p, a) ? b : a;
}

class FixedDistanceTool : public ClickSequenceTool {
public:
    FixedDistanceTool() : ClickSequenceTool(1, AfterLast::Ends) {}

private:
    void track(Editor& editor, QPoint pos) override
    {
        // The line is read again on every move: it may have been edited.
        const LineSegment line = pickedLine(editor, kEndsFallback);
        const QPoint base = nearer(pos, line.a, line.b);
        const std::optional<PointPair> marks =
            IntersectLineCircle(base, toolSlot(editor, ConstructionState::kSize), line.a, line.b);
        setReady(editor, marks.has_value() && line.a != line.b);
        if (ready(editor))
            setClickPoint(editor, kP3, nearer(pos, marks->first, marks->second));
    }

    void preview(Editor& editor, QPoint) override
    {
        if (ready(editor))
            previewMark(editor, clickPoint(editor, kP3), 0);
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint mark = clickPoint(editor, kP3);
        AddPointRow(editor.doc, mark.x(), mark.y());
        return true;
    }
};

void startFixedDistance(Editor& editor)
{
    editor.ui().message(QStringLiteral(
        "1 click needed to set a point at a specific distance to the endpoint of line"));
    const QString answer = editor.ui().inputBox(
        QStringLiteral("Mrak a point with fixed distance to the endpoint of line"),
        QStringLiteral("Enter distance"), QStringLiteral("76"));
    const std::optional<int> d = wholeNumberIn(answer, kMinDistance, kMaxDistance);
    if (!d) {
        editor.ui().message(QStringLiteral("Invalid number range"));
        return;
    }
    editor.startTool(ToolMode::MarkFixedDistance);
    toolSlot(editor, ConstructionState::kSize) = *d;
}

} // namespace

void registerFixedDistanceTool(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<FixedDistanceTool>(), {ToolMode::MarkFixedDistance});
    registrations.commands.add(QStringLiteral("mnumarkfixeddist"), startFixedDistance);
}

} // namespace kel
