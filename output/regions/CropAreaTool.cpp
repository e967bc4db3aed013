#include "output/regions/CropAreaTool.h"

#include "interaction/core/Editor.h"

#include <limits>

namespace kel {

namespace {

// The first corner, kept while the other follows the pointer (P6).
constexpr int kAnchor = 5;
// Before the first click a frame of this size hangs below the pointer.
constexpr int kArmedWidth = 60;
constexpr int kArmedHeight = 40;

} // namespace

CropArea CropAreaTool::area(const Editor& editor)
{
    const ConstructionState& state = editor.tool.construction;
    return CropArea::spanning(state.point(0), state.point(1));
}

void CropAreaTool::drawFrame(Editor& editor, const CropArea& area)
{
    // The frame takes in the right and bottom edges of the area.
    const auto past = [](int edge) {
        return edge == std::numeric_limits<int>::max() ? edge : edge + 1;
    };
    editor.surfaceCanvas().focusRect(area.left, area.top, past(area.right), past(area.bottom));
}

void CropAreaTool::start(Editor& editor)
{
    if (!instruction_.isEmpty() && shows_ != 0) {
        editor.ui().message(instruction_);
        if (shows_ > 0)
            --shows_;
    }
    begin(editor);
}

void CropAreaTool::move(Editor& editor, QPoint pos)
{
    ConstructionState& state = editor.tool.construction;
    switch (state.clicks()) {
    case 0:
        drawFrame(editor, CropArea::spanning(pos, pos + QPoint(kArmedWidth, kArmedHeight)));
        break;
    case 1: {
        const CropArea dragged = CropArea::spanning(state.point(kAnchor), pos);
        state.setPoint(0, dragged.topLeft());
        state.setPoint(1, dragged.bottomRight());
        drawFrame(editor, dragged);
        trackArea(editor, dragged);
        break;
    }
    default:
        moveAfter(editor, pos);
    }
}

void CropAreaTool::click(Editor& editor, QPoint pos)
{
    ConstructionState& state = editor.tool.construction;
    switch (state.clicks()) {
    case 0:
        state.setPoint(kAnchor, pos);
        state.setPoint(0, pos);
        state.setPoint(1, pos);
        state.clicks() = 1;
        break;
    case 1:
        state.clicks() = 2;
        editor.clearPreview();
        areaChosen(editor, area(editor));
        break;
    default:
        clickAfter(editor, pos);
    }
}

} // namespace kel
