// The crop-area tools that act once the area is chosen: tag its objects,
// delete them, give them the current pen, copy them to the clipboard or
// save them as a KEL file.

#include "output/regions/CropAreaTool.h"
#include "output/regions/RegionTools.h"

#include "figures/ObjectTransforms.h"
#include "interaction/commands/FileCommands.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "model/AttributeStrings.h"
#include "model/KelFile.h"
#include "model/TaggedRows.h"

namespace kel {

namespace {

const QString kIdentifyObjects = QStringLiteral(
    "2 clicks to draw a rectangle for identifying objects inside it or intersect it");

class TagAreaTool : public CropAreaTool {
public:
    TagAreaTool() : CropAreaTool(kIdentifyObjects) {}

protected:
    // The tags stay for later commands; the tool waits for another area.
    void areaChosen(Editor& editor, const CropArea& area) override
    {
        editor.tool.construction.clicks() = 0;
        const int n = FindObjectsInCropArea(editor, area);
        editor.ui().message(QStringLiteral("%1 Objects were tagged").arg(n));
    }
};

class DeleteAreaTool : public CropAreaTool {
public:
    DeleteAreaTool() : CropAreaTool(kIdentifyObjects) {}

protected:
    void areaChosen(Editor& editor, const CropArea& area) override
    {
        editor.tool.construction.clicks() = 0;
        const int n = FindObjectsInCropArea(editor, area);
        DeleteTaggedRows(editor.doc.table);
        editor.CancelTool();
        editor.ui().message(QStringLiteral("%1 Objects were deleted").arg(n));
    }
};

class RestyleAreaTool : public CropAreaTool {
public:
    RestyleAreaTool()
        : CropAreaTool(QStringLiteral("2 clicks to draw a rectangle for identifying objects that "
                                      "their attributes will be modified"))
    {
    }

protected:
    void areaChosen(Editor& editor, const CropArea& area) override
    {
        if (FindObjectsInCropArea(editor, area) == 0) {
            editor.CancelTool();
            editor.ui().message(QStringLiteral("No objects exist"));
            return;
        }
        RestyleTaggedObjects(editor.doc.table, MakePenAttr(editor.doc));
        editor.CancelTool();
    }
};

class CopyAreaTool : public CropAreaTool {
public:
    CopyAreaTool()
        : CropAreaTool(QStringLiteral("2 clicks to draw a rectangle for identifying objects "
                                      "inside to copy to Clipboard"))
    {
    }

protected:
    void areaChosen(Editor& editor, const CropArea& area) override
    {
        if (FindObjectsInCropArea(editor, area) == 0) {
            editor.CancelTool();
            editor.ui().message(QStringLiteral("No Objects were selected"));
            return;
        }
        editor.ui().setClipboardText(drawingDataText(editor.doc.table));
        editor.ui().message(QStringLiteral("Cropped objects were copied into Clipboard"));
        editor.CancelTool();
    }
};

class SaveAreaTool : public CropAreaTool {
public:
    SaveAreaTool()
        : CropAreaTool(QStringLiteral("2 clicks to draw a rectangle for identifying objects "
                                      "inside it or intersect it that will be saved as KEL file"))
    {
    }

protected:
    void areaChosen(Editor& editor, const CropArea& area) override
    {
        const std::optional<QString> name = askKelSaveName(editor);
        if (!name) {
            editor.CancelTool();
            editor.ui().message(QStringLiteral("User cancelled save"));
            return;
        }
        FindObjectsInCropArea(editor, area);
        saveTaggedKel(editor, *name);
        editor.CancelTool();
    }
};

} // namespace

void registerRegionSelectionTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<TagAreaTool>(), {ToolMode::TagObjectsInArea});
    tools.add(std::make_shared<DeleteAreaTool>(), {ToolMode::DeleteObjectsInArea});
    tools.add(std::make_shared<RestyleAreaTool>(), {ToolMode::ModifyAreaAttributes});
    tools.add(std::make_shared<CopyAreaTool>(), {ToolMode::CopyAreaToClipboard});
    tools.add(std::make_shared<SaveAreaTool>(), {ToolMode::SaveAreaAsKel});
}

} // namespace kel
