// New lines: free, horizontal, vertical, and of typed length and angle.

#include "figures/FigureMath.h"
#include "figures/Measures.h"
#include "figures/Perpendiculars.h"
#include "figures/TableQueries.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/FigureToolSupport.h"
#include "interaction/tools/ValuePageTool.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"

#include <cmath>
#include <numbers>

namespace kel {

namespace {

using namespace clickpoint;

constexpr int kGuideHalfLength = 150;
constexpr int kAxisOffset = 200;
constexpr int kMinFixedLength = 2;

// The angle of a-b against the horizontal, 0..90 degrees, worked out in
// single precision as the status bar has always shown it.
int horizontalAngle(QPoint a, QPoint b)
{
    if (a.x() == b.x())
        return 90;
    const auto dy = static_cast<float>(std::int64_t{b.y()} - a.y());
    const auto dx = static_cast<float>(std::int64_t{b.x()} - a.x());
    const float degrees = std::atan(dy / dx) * 180.0f / std::numbers::pi_v<float>;
    return std::abs(require(RoundToInt(degrees)));
}

// The far end of the first visible line that ends exactly at p.
std::optional<std::pair<int, QPoint>> continuedLine(const ObjectTable& table, QPoint p)
{
    const std::vector<LineEnd> ends = FindLineEnds(table, p);
    if (ends.empty())
        return std::nullopt;
    const LineEnd& end = ends.front();
    return std::make_pair(end.row, LineEndPoint(table, end.row, 1 - end.end));
}

struct FixedLine {
    QPoint from;
    QPoint to;
};

// The line of the typed length and angle starting at pos; nothing while the
// boxes hold no valid values (or the line would leave the plane).
std::optional<FixedLine> fixedLine(Editor& editor, QPoint pos)
{
    const std::optional<int> length = controlNumber(editor, Control::edtvar1);
    const std::optional<int> angle = controlNumber(editor, Control::edtvar2);
    if (!length || *length < kMinFixedLength || !angle)
        return std::nullopt;
    const auto radians = static_cast<float>(*angle * std::numbers::pi / 180);
    const double dx = *length * std::cos(static_cast<double>(radians));
    const double dy = *length * std::sin(static_cast<double>(radians));
    const std::optional<int> x = figmath::AddRounded(pos.x(), dx);
    const std::optional<int> y = figmath::AddRounded(pos.y(), -dy);
    if (!x || !y)
        return std::nullopt;
    return FixedLine{pos, {*x, *y}};
}

// "New Arbit. Line": two clicks, then the next line. A line started exactly
// on the end of an existing line reports the angle between the two as Adj.
class ArbitraryLineTool : public ClickSequenceTool {
public:
    ArbitraryLineTool() : ClickSequenceTool(2, AfterLast::Repeats) {}

private:
    void begin(Editor& editor) override { editor.ui().showPage(0); }

    void track(Editor& editor, QPoint pos) override
    {
        setClickPoint(editor, clickCount(editor) == 0 ? kP1 : kP2, pos);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) != 1)
            return;
        const QPoint p1 = clickPoint(editor, kP1);
        previewLine(editor, pos, p1);
        const int length = require(PointDistance(p1, pos));
        const int adjacent = toolSlot(editor, ConstructionState::kSize) != kNoValue
                                 ? AngleAtVertex(p1, pos, clickPoint(editor, kFarEnd))
                                 : 0;
        editor.ui().setStatus(3, QStringLiteral("L=%1  H. Ang=%2 Adj=%3")
                                     .arg(length)
                                     .arg(horizontalAngle(p1, pos))
                                     .arg(adjacent));
    }

    bool takeClick(Editor& editor, int) override
    {
        // Started on the end of a line: the angle to it is reported as Adj.
        const auto continued = continuedLine(editor.doc.table, clickPoint(editor, kP1));
        toolSlot(editor, ConstructionState::kSize) = continued ? continued->first : kNoValue;
        if (continued)
            setClickPoint(editor, kFarEnd, continued->second);
        else
            toolSlot(editor, 2 * kFarEnd) = kNoValue;
        return true;
    }

    bool complete(Editor& editor, QPoint) override
    {
        // A line too short is refused: the first end stays.
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        return AddLineRow(editor.doc, p1.x(), p1.y(), p2.x(), p2.y());
    }
};

// "New Hor. Line" and "New Ver. Line": the second end slides along the
// horizontal (vertical) through the first click; the tool ends with its line.
class AxisLineTool : public ClickSequenceTool {
public:
    explicit AxisLineTool(bool vertical)
        : ClickSequenceTool(2, AfterLast::Ends,
                            vertical ? QStringLiteral("2 clicks needed to draw the Ver. Line")
                                     : QStringLiteral("2 clicks needed to draw the Hor. Line")),
          vertical_(vertical)
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            setClickPoint(editor, kP1, pos);
            return;
        }
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint along =
            vertical_ ? offsetPoint(p1, 0, kAxisOffset) : offsetPoint(p1, kAxisOffset, 0);
        const std::optional<MeasuredPoint> foot = PerpendicularFoot(pos, p1, along);
        setClickPoint(editor, kP2, requirePoint(foot ? std::optional(foot->point) : std::nullopt));
    }

    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            if (vertical_)
                previewGuide(editor, offsetPoint(pos, 0, -kGuideHalfLength),
                             offsetPoint(pos, 0, kGuideHalfLength));
            else
                previewGuide(editor, offsetPoint(pos, -kGuideHalfLength, 0),
                             offsetPoint(pos, kGuideHalfLength, 0));
            previewMark(editor, pos, 0);
            return;
        }
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        previewLine(editor, p2, p1);
        previewGuide(editor, pos, p2);
        const std::int64_t length =
            vertical_ ? std::int64_t{p2.y()} - p1.y() : std::int64_t{p2.x()} - p1.x();
        editor.ui().setStatus(3, QStringLiteral("Length=%1").arg(IntAbs(length)));
    }

    bool complete(Editor& editor, QPoint) override
    {
        // Too short: the first end stays for another try.
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        return AddLineRow(editor.doc, p1.x(), p1.y(), p2.x(), p2.y());
    }

    bool vertical_;
};

// "New Fixed Line": length and angle typed on page T7, one click places the
// first end; the tool ends with its line.
class FixedLineTool : public ValuePageTool {
public:
    FixedLineTool()
        : ValuePageTool(1, AfterLast::Ends,
                        QStringLiteral("After you set the length and angle of line in edit boxes "
                                       "just 1 click"),
                        {QStringLiteral("Length"), QStringLiteral("Angle"), QStringLiteral("NA")})
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const std::optional<FixedLine> line = fixedLine(editor, pos);
        showValueVerdict(editor, line.has_value());
        toolSlot(editor, ConstructionState::kSize) = line ? 0 : -1;
        if (!line)
            return;
        setClickPoint(editor, kP1, line->from);
        setClickPoint(editor, kP2, line->to);
        previewLine(editor, line->from, line->to);
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        const std::optional<FixedLine> line = fixedLine(editor, pos);
        if (!line) {
            editor.ui().message(QStringLiteral("Invalid length or angle"));
            return false;
        }
        return AddLineRow(editor.doc, line->from.x(), line->from.y(), line->to.x(), line->to.y());
    }
};

} // namespace

void registerLineTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<ArbitraryLineTool>(), {ToolMode::ArbitraryLine});
    tools.add(std::make_shared<AxisLineTool>(false), {ToolMode::HorizontalLine});
    tools.add(std::make_shared<AxisLineTool>(true), {ToolMode::VerticalLine});
    tools.add(std::make_shared<FixedLineTool>(), {ToolMode::FixedLine});
}

} // namespace kel
