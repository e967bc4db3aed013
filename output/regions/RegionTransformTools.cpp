// Zooming and rotating the objects of a crop area. The objects are copied
// once; every move rewrites them from those copies with the value in the
// first value box, which the wheel steps.

#include "output/regions/CropAreaTool.h"
#include "output/regions/RegionTools.h"

#include "figures/ObjectTransforms.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/moving/TaggedRowsEngine.h"

#include <algorithm>

namespace kel {

namespace {

constexpr int kNoNumber = 100;     // what a word in the value box reads as
constexpr int kSmallestZoom = 3;   // percent
constexpr int kRotationCentre = 2; // P3
constexpr int kMarkerReach = 4;

std::int32_t& countParameter(Editor& editor)
{
    return editor.tool.construction.slot[ConstructionState::kCount];
}

// The value box starts at the value the first move will apply.
void showValuePage(Editor& editor, const QString& label, int start)
{
    countParameter(editor) = start;
    editor.ShowValuePage(label, QStringLiteral("NA"), QStringLiteral("NA"));
    showControlValue(editor.ui(), Control::edtvar1, start);
}

// Tags the objects of the area and copies them; false (and the tool ends)
// when there are none.
bool takeObjects(Editor& editor, const CropArea& area)
{
    if (FindObjectsInCropArea(editor, area) == 0) {
        editor.CancelTool();
        editor.ui().message(QStringLiteral("No objects were found for the action"));
        return false;
    }
    CopyTaggedRowsToScratch(editor.doc);
    return true;
}

void transform(Editor& editor, CropTransform kind, int value)
{
    const TableEditResult result =
        TransformCropObjects(editor.doc, kind, value, CropAreaTool::area(editor).topLeft(),
                             editor.tool.construction.point(kRotationCentre));
    if (!result.ok())
        throw ActionFailed(result.error);
    if (result.changed)
        editor.RedrawAll();
}

class ZoomAreaTool : public CropAreaTool {
public:
    ZoomAreaTool()
        : CropAreaTool(QStringLiteral("2 clicks to draw a rectangle for identifying objects that "
                                      "will be zoomed\r\nUse mouse wheel for zoom factor"))
    {
    }

    void wheel(Editor& editor, int notches) override { wheelCropZoom(editor, notches); }

protected:
    void begin(Editor& editor) override { showValuePage(editor, QStringLiteral("ZOOM"), 100); }

    void areaChosen(Editor& editor, const CropArea& area) override { takeObjects(editor, area); }

    void moveAfter(Editor& editor, QPoint) override
    {
        const int percent =
            std::max(controlValue(editor.ui(), Control::edtvar1, kNoNumber), kSmallestZoom);
        countParameter(editor) = percent;
        transform(editor, CropTransform::Zoom, percent);
        editor.ui().setStatus(3, QStringLiteral("Zoom =%1").arg(percent));
    }

    void clickAfter(Editor& editor, QPoint) override { editor.CancelTool(); }
};

class RotateAreaTool : public CropAreaTool {
public:
    RotateAreaTool()
        : CropAreaTool(QStringLiteral("First 2 clicks to draw a rectangle for identifying objects "
                                      "that will be Rotated\r\n3rd click set the rotation point, "
                                      "then use mouse wheel for rotation angle"))
    {
    }

    void wheel(Editor& editor, int notches) override { wheelCropRotation(editor, notches); }

protected:
    void begin(Editor& editor) override { showValuePage(editor, QStringLiteral("Rot Angle"), 0); }

    void areaChosen(Editor& editor, const CropArea&) override
    {
        editor.ui().message(QStringLiteral("Now select the rotation point"));
    }

    void moveAfter(Editor& editor, QPoint pos) override
    {
        if (editor.tool.construction.clicks() == 2) {
            // The rotation point follows the pointer, with the area's frame.
            editor.tool.construction.setPoint(kRotationCentre, pos);
            Canvas& canvas = editor.surfaceCanvas();
            canvas.setPen({kBlack, 1, PenStyle::Solid});
            canvas.line(pos - QPoint(kMarkerReach, 0), pos + QPoint(kMarkerReach + 1, 0));
            canvas.line(pos - QPoint(0, kMarkerReach), pos + QPoint(0, kMarkerReach + 1));
            drawFrame(editor, area(editor));
            return;
        }
        const int angle = controlValue(editor.ui(), Control::edtvar1, kNoNumber);
        countParameter(editor) = angle;
        transform(editor, CropTransform::Rotate, angle);
        editor.ui().setStatus(3, QStringLiteral("Rot angle =%1").arg(angle));
    }

    void clickAfter(Editor& editor, QPoint) override
    {
        std::int32_t& clicks = editor.tool.construction.clicks();
        if (clicks == 2) {
            if (takeObjects(editor, area(editor)))
                clicks = 3;
            return;
        }
        editor.CancelTool();
    }
};

} // namespace

void registerRegionTransformTools(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<ZoomAreaTool>(), {ToolMode::ZoomCropArea});
    registrations.tools.add(std::make_shared<RotateAreaTool>(), {ToolMode::RotateCropArea});
}

} // namespace kel
