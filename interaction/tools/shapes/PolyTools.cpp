// Polylines and polygons, collected vertex by vertex and finished with F10.

#include "figures/Measures.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/CreationTools.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

namespace kel {

namespace {

// F10 makes a figure only from this many clicks on.
constexpr int kMinClicks = 2;
// The polygon takes at most this many clicks; F10 adds the last vertex.
constexpr int kMaxPolygonClicks = 999;

// The vertex that follows the pointer is left out where it stands on the
// last clicked one: F10 right after a click adds no second copy of it.
void DropRestingVertex(std::vector<QPoint>& vertices)
{
    const size_t n = vertices.size();
    if (n >= 2 && vertices[n - 1] == vertices[n - 2])
        vertices.pop_back();
}

// The polyline: one vertex per click, F10 finishes. The vertex list ends
// with one floating vertex that follows the pointer; the click counter
// counts the vertices clicked before it.
class PolylineTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(
            QStringLiteral("Click anywhere for polyline(open polygon) points, press "
                           "F10 key to finish,Esc to cancel Back Space delete last "
                           "point"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        std::vector<QPoint>& vertices = editor.tool.vertices;
        if (vertices.empty())
            return;
        vertices.back() = pos;
        const size_t n = vertices.size();
        if (n < 2)
            return;
        QString status = QStringLiteral("L=%1").arg(require(PointDistance(vertices[n - 2], pos)));
        if (n >= 3)
            status += QStringLiteral(" Angle=%1")
                          .arg(AngleAtVertex(vertices[n - 2], vertices[n - 3], vertices[n - 1]));
        editor.ui().setStatus(3, status);
        Canvas& canvas = editor.surfaceCanvas();
        canvas.setPen(StandardPen(editor.doc.current));
        canvas.polyline(vertices);
    }

    void click(Editor& editor, QPoint pos) override
    {
        // The vertex goes where the button went down; the new floating vertex
        // starts there too, never at an old place.
        std::vector<QPoint>& vertices = editor.tool.vertices;
        if (vertices.empty())
            vertices.push_back(pos);
        else
            vertices.back() = pos;
        vertices.push_back(pos);
        editor.tool.construction.clicks() = static_cast<int>(vertices.size()) - 1;
    }

    void finish(Editor& editor) override
    {
        std::vector<QPoint>& vertices = editor.tool.vertices;
        if (editor.tool.construction.clicks() < kMinClicks)
            return;
        // The pointer is the last vertex.
        vertices.back() = editor.tool.mouse;
        DropRestingVertex(vertices);
        FinishPolyObject(editor.doc, RecordKind::Polyline, vertices, std::nullopt);
        editor.CancelTool();
    }

    void backspace(Editor& editor) override
    {
        // The last entry goes: the vertex clicked before it floats again.
        std::vector<QPoint>& vertices = editor.tool.vertices;
        if (!vertices.empty())
            vertices.pop_back();
        editor.tool.construction.clicks() =
            vertices.empty() ? 0 : static_cast<int>(vertices.size()) - 1;
    }
};

// The closed polygon: one vertex per click, F10 adds the pointer as the last
// vertex and finishes. Vertex [click counter] follows the pointer; a click
// freezes it.
class PolygonTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(
            QStringLiteral("Click anywhere to set the vertices of closed Polygon \r\n "
                           "press F10 key to finish, Esc to cancel, Back Space Key "
                           "can be used also"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        const int clicks = editor.tool.construction.clicks();
        std::vector<QPoint>& vertices = editor.tool.vertices;
        vertices.resize(static_cast<size_t>(clicks) + 1);
        vertices.back() = pos;
        if (clicks >= 1)
            DrawPolygon(editor.surfaceCanvas(), editor.doc.current, vertices);
    }

    void click(Editor& editor, QPoint pos) override
    {
        int& clicks = editor.tool.construction.clicks();
        if (clicks >= kMaxPolygonClicks)
            return;
        std::vector<QPoint>& vertices = editor.tool.vertices;
        vertices.resize(static_cast<size_t>(clicks) + 1);
        vertices.back() = pos;
        ++clicks;
    }

    void finish(Editor& editor) override
    {
        const int clicks = editor.tool.construction.clicks();
        if (clicks < kMinClicks)
            return;
        std::vector<QPoint>& vertices = editor.tool.vertices;
        vertices.resize(static_cast<size_t>(clicks) + 1);
        vertices.back() = editor.tool.mouse;
        DropRestingVertex(vertices);
        FinishPolyObject(editor.doc, RecordKind::Polygon, vertices, std::nullopt);
        editor.CancelTool();
    }
};

} // namespace

void registerPolyTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<PolylineTool>(), {ToolMode::Polyline});
    tools.add(std::make_shared<PolygonTool>(), {ToolMode::Polygon});
}

} // namespace kel
