// Tools on several points at once: dragging the point where line ends meet
// (every end there follows the pointer), and copying a group of clicked
// points to a new place.

#include "constructions/intersections/IntersectionTools.h"
#include "constructions/lines/LineSupport.h"

#include "figures/NearestKeyPoint.h"
#include "figures/TableQueries.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

#include <vector>

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

constexpr int kMarkShape = 3;
constexpr int kPlacingSlot = 26;
constexpr std::size_t kMaxGroupPoints = 1000;

// "Move Conncted Lines": before the first click the pointer snaps to the
// nearest key point (P1); the first click takes the line ends lying there,
// and from then on those ends, and only those, follow the pointer until the
// second click.
class MoveConnectedLinesTool : public Tool {
public:
    void start(Editor& editor) override
    {
        ends_.clear();
        editor.ui().message(QStringLiteral(
            "If group of lines connected in 1 point, by moving that point all lines are "
            "updated\r\nPress F4 to go to the point and then left click, 2nd click action "
            "complete"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            const std::optional<KeyPoint> key = NearestKeyPoint(editor.doc.table, pos, false);
            const QPoint at = key ? key->point : pos;
            setClickPoint(editor, kP1, at);
            previewMark(editor, at, kMarkShape);
            return;
        }
        SetLineEnds(editor.doc.table, ends_, pos);
        setClickPoint(editor, kP1, pos);
        editor.RedrawAll();
    }

    void click(Editor& editor, QPoint) override
    {
        if (clickCount(editor) != 0) {
            editor.CancelTool();
            return;
        }
        ends_ = FindLineEnds(editor.doc.table, clickPoint(editor, kP1));
        if (ends_.empty()) {
            editor.ui().message(QStringLiteral("Point is not common to any line end points, try "
                                               "again\r\nPress F4 to snap to the desired point"));
            return;
        }
        clickCount(editor) = 1;
        status(editor, QStringLiteral("%1 lines are connected to this point").arg(ends_.size()));
    }

    void cancel(Editor&) override { ends_.clear(); }

private:
    std::vector<LineEnd> ends_;
};

// "Duplicate Group Points": clicks collect points (up to 1000); a click on
// the last collected point again ends the collection with that point as
// the grip, and the next click places the copies so that the grip lands
// on it.
class DuplicateGroupPointsTool : public Tool {
public:
    void start(Editor& editor) override
    {
        toolSlot(editor, kPlacingSlot) = 0;
        editor.ui().message(QStringLiteral(
            "Click on points that you want to duplicate\r\nwhen you click twice on last point "
            "the you can position duplicated points in new position"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        const std::vector<QPoint>& points = editor.tool.vertices;
        if (!placing(editor)) {
            for (const QPoint p : points)
                previewMark(editor, p, kMarkShape);
            return;
        }
        const QPoint grip = points.back();
        for (const QPoint p : points)
            previewMark(editor, shifted(p, grip, pos), kMarkShape);
    }

    void click(Editor& editor, QPoint pos) override
    {
        std::vector<QPoint>& points = editor.tool.vertices;
        if (placing(editor)) {
            const QPoint grip = points.back();
            for (const QPoint p : points) {
                const QPoint copy = shifted(p, grip, pos);
                AddPointRow(editor.doc, copy.x(), copy.y());
            }
            editor.CancelTool();
            return;
        }
        if (!points.empty() && points.back() == pos) {
            toolSlot(editor, kPlacingSlot) = 1;
            status(editor, QStringLiteral("%1 points, click their new place").arg(points.size()));
            return;
        }
        if (points.size() >= kMaxGroupPoints)
            return;
        points.push_back(pos);
        clickCount(editor) = static_cast<int>(points.size());
    }

    // While placing, Backspace goes back to collecting.
    void backspace(Editor& editor) override
    {
        if (placing(editor))
            toolSlot(editor, kPlacingSlot) = 0;
        else
            Tool::backspace(editor);
    }

private:
    static bool placing(Editor& editor) { return toolSlot(editor, kPlacingSlot) == 1; }

    static QPoint shifted(QPoint p, QPoint grip, QPoint target)
    {
        return offsetPoint(p, std::int64_t{target.x()} - grip.x(),
                           std::int64_t{target.y()} - grip.y());
    }
};

} // namespace

void registerGroupPointTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<MoveConnectedLinesTool>(), {ToolMode::MoveConnectedLines});
    tools.add(std::make_shared<DuplicateGroupPointsTool>(), {ToolMode::DuplicateGroupPoints});
}

} // namespace kel
