// Placing appended or pasted objects: they arrive tagged, a click takes hold
// of them at its point, and the region move takes over from there with the
// same grip point, so the objects land exactly grip-to-drop.

#include "interaction/tools/moving/PlaceObjectsTool.h"

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/moving/TaggedRowsEngine.h"

namespace kel {

namespace {

class PlaceObjectsTool : public Tool {
public:
    void click(Editor& editor, QPoint pos) override
    {
        setGripPoint(editor, pos);
        editor.tool.construction.clicks() = 2;
        CopyTaggedRowsToScratch(editor.doc);
        editor.tool.mode = ToolMode::MoveObjectsInArea;
        editor.warpPointer(pos);
    }
};

} // namespace

void registerPlacementTool(ToolRegistry& tools)
{
    tools.add(std::make_shared<PlaceObjectsTool>(), {ToolMode::PlaceObjects});
}

} // namespace kel
