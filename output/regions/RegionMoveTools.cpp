// Moving, duplicating and mirroring the objects of a crop area. The move
// tool also takes over appended and pasted objects once their grip point is
// clicked (it then starts with the area already behind it).

#include "output/regions/CropAreaTool.h"
#include "output/regions/RegionTools.h"

#include "figures/FigureMath.h"
#include "figures/ObjectTransforms.h"
#include "figures/TableQueries.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/moving/TaggedRowsEngine.h"

namespace kel {

namespace {

// Shown on the first four starts of a run.
constexpr int kMoveInstructionShows = 4;

class MoveAreaTool : public CropAreaTool {
public:
    MoveAreaTool()
        : CropAreaTool(QStringLiteral("2 clicks to draw a rectangle for identifying objects "
                                      "inside it or intersect it\r\nGrip point will be center of "
                                      "rectangle . Then use mouse to move them, 3rd click will "
                                      "finalize"),
                       kMoveInstructionShows)
    {
    }

protected:
    // The grip point is the middle of the area.
    void trackArea(Editor& editor, const CropArea& area) override
    {
        using figmath::Wide;
        setGripPoint(editor, QPoint(static_cast<int>((Wide{area.left} + area.right) / 2),
                                    static_cast<int>((Wide{area.top} + area.bottom) / 2)));
    }

    void areaChosen(Editor& editor, const CropArea& area) override
    {
        if (FindObjectsInCropArea(editor, area) == 0) {
            editor.CancelTool();
            editor.ui().message(QStringLiteral("No objects exist"));
            return;
        }
        CopyTaggedRowsToScratch(editor.doc);
        editor.warpPointer(gripPoint(editor));
    }

    void moveAfter(Editor& editor, QPoint pos) override
    {
        MoveTaggedRows(editor, pos, MoveAction::Preview);
    }

    void clickAfter(Editor& editor, QPoint pos) override
    {
        const bool duplicate = editor.tool.mode == ToolMode::DuplicateObjectsInArea;
        MoveTaggedRows(editor, pos, duplicate ? MoveAction::Duplicate : MoveAction::Move);
        editor.CancelTool();
    }
};

// The line nearest the pointer is the mirror: its ends in P1, P2, its row
// remembered as the picked row.
class MirrorAreaTool : public CropAreaTool {
public:
    MirrorAreaTool()
        : CropAreaTool(QStringLiteral("Select the desired mirror line and 1 click to mirror "
                                      "objects"))
    {
    }

protected:
    void areaChosen(Editor& editor, const CropArea& area) override
    {
        editor.tool.pickedRow = -1;
        FindObjectsInCropArea(editor, area);
    }

    void moveAfter(Editor& editor, QPoint pos) override
    {
        const ObjectTable& table = editor.doc.table;
        const std::optional<RowHit> line = NearestLine(table, pos);
        editor.tool.pickedRow = line ? line->row : -1;
        if (!line)
            return;
        editor.tool.construction.setPoint(0, LineEndPoint(table, line->row, 0));
        editor.tool.construction.setPoint(1, LineEndPoint(table, line->row, 1));
        editor.renderer.HighlightRow(editor.surfaceCanvas(), line->row);
    }

    void clickAfter(Editor& editor, QPoint) override
    {
        if (editor.tool.pickedRow < 1)
            return; // no line to mirror in yet
        const TableEditResult result = MirrorTaggedObjects(editor.doc, editor.tool.construction);
        if (!result.ok())
            throw ActionFailed(result.error);
        editor.CancelTool();
    }
};

} // namespace

void registerRegionMoveTools(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<MoveAreaTool>(),
                            {ToolMode::MoveObjectsInArea, ToolMode::DuplicateObjectsInArea});
    registrations.tools.add(std::make_shared<MirrorAreaTool>(), {ToolMode::MirrorAreaToLine});
}

} // namespace kel
