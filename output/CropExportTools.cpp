// The picture exports of a crop area: a JPG file or a bitmap on the
// clipboard from the off-screen bitmap's pixels, an EMF file or the
// clipboard's metafile from the rows replayed as vectors.

#include "output/CropExportTools.h"

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "output/CropMimeData.h"
#include "output/EmfRecorder.h"
#include "output/SavedFile.h"
#include "output/regions/CropAreaTool.h"
#include "render/JpegCodec.h"
#include "render/RasterCanvas.h"
#include "render/Renderer.h"

#include <QFileInfo>

namespace kel {

namespace {

const QString kDotFrameItem = QStringLiteral("mnuincdotfram");
const QString kJpegFilter = QStringLiteral("JPEG file (*.JPG)");
const QString kEmfFilter = QStringLiteral("Windows Enhanced Meta Files (*.EMF)");
// Far beyond any screen; past it the picture would not fit in memory.
constexpr long long kLargestSide = 8192;

// The area's picture rectangle (right and bottom edges excluded), or a
// message when there is no picture to make.
std::optional<QRect> PictureRect(const CropArea& area, QString* refusal)
{
    const long long width = static_cast<long long>(area.right) - area.left;
    const long long height = static_cast<long long>(area.bottom) - area.top;
    if (width <= 0 || height <= 0) {
        *refusal = QStringLiteral("The crop area has no width or no height: drag a larger "
                                  "rectangle");
        return std::nullopt;
    }
    if (width > kLargestSide || height > kLargestSide) {
        *refusal = QStringLiteral("The crop area is too large to export");
        return std::nullopt;
    }
    return QRect(area.left, area.top, static_cast<int>(width), static_cast<int>(height));
}

// The save dialog of the picture exports, with the JPEG and EMF filters,
// `first` of them chosen; a name without extension gets `suffix`.
std::optional<QString> AskPictureName(Editor& editor, const QString& first, const QString& suffix)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save crop area");
    request.filter =
        first + QStringLiteral(";;") + (first == kJpegFilter ? kEmfFilter : kJpegFilter);
    std::optional<QString> name = editor.ui().saveFileDialog(request);
    if (name && QFileInfo(*name).suffix().isEmpty())
        *name += u'.' + suffix;
    return name;
}

class CropExportTool : public CropAreaTool {
public:
    using CropAreaTool::CropAreaTool;

protected:
    // The area is checked before anything is asked; every export ends the tool.
    void areaChosen(Editor& editor, const CropArea& area) override
    {
        QString refusal;
        const std::optional<QRect> rect = PictureRect(area, &refusal);
        if (rect)
            exportArea(editor, *rect);
        else
            editor.ui().message(refusal);
        editor.CancelTool();
    }

    virtual void exportArea(Editor& editor, const QRect& rect) = 0;
};

class JpegFileTool final : public CropExportTool {
public:
    JpegFileTool()
        : CropExportTool(QStringLiteral("2 clicks needed to set the crop rectangle which will be "
                                        "saved as JPG file"))
    {
    }

protected:
    void exportArea(Editor& editor, const QRect& rect) override
    {
        const std::optional<QString> name =
            AskPictureName(editor, kJpegFilter, QStringLiteral("JPG"));
        if (!name)
            return;
        QString error;
        const std::optional<QByteArray> jpeg = encodeJpeg(CropPixels(editor, rect), &error);
        if (!jpeg) {
            editor.ui().message(QStringLiteral("The JPG file could not be made: ") + error);
            return;
        }
        error = SaveFileAtomically(*name, *jpeg);
        editor.ui().message(error.isEmpty() ? QStringLiteral("JPG File was saved") : error);
    }
};

class BitmapClipboardTool final : public CropExportTool {
public:
    BitmapClipboardTool()
        : CropExportTool(QStringLiteral("2 clicks needed to set the crop rectangle which will be "
                                        "copied as BMP into clipboard"))
    {
    }

protected:
    void exportArea(Editor& editor, const QRect& rect) override
    {
        editor.ui().setClipboardImage(CropPixels(editor, rect));
        editor.ui().message(
            QStringLiteral("Croped area Copied to clipboard as BMP and can be paste into WORD"));
    }
};

class MetafileFileTool final : public CropExportTool {
public:
    MetafileFileTool()
        : CropExportTool(QStringLiteral("2 clicks needed to set the crop rectangle which will be "
                                        "saved as EMF file"))
    {
    }

protected:
    void exportArea(Editor& editor, const QRect& rect) override
    {
        const EmfRecording emf = RecordCropEmf(editor.renderer, rect);
        const std::optional<QString> name =
            AskPictureName(editor, kEmfFilter, QStringLiteral("EMF"));
        if (!name)
            return;
        if (emf.bytes.isEmpty()) {
            editor.ui().message(QStringLiteral("The EMF picture could not be made"));
            return;
        }
        const QString error = SaveFileAtomically(*name, emf.bytes);
        editor.ui().message(error.isEmpty() ? QStringLiteral("Croped area saved as EMF file format")
                                            : error);
    }
};

class MetafileClipboardTool final : public CropExportTool {
public:
    MetafileClipboardTool()
        : CropExportTool(QStringLiteral("2 clicks needed to set the crop rectangle which will be "
                                        "copied as EMF into clipboard"))
    {
    }

protected:
    // The metafile goes with an SVG and a PNG of the area, so that programs
    // without EMF take the picture too.
    void exportArea(Editor& editor, const QRect& rect) override
    {
        editor.ui().setClipboardData(cropMimeData(editor.renderer, rect));
        editor.ui().message(
            QStringLiteral("EMF was copied to clipboard and can be now pasted into MSWORD"));
    }
};

} // namespace

QImage CropPixels(Editor& editor, const QRect& rect)
{
    // Whatever of the area lies beyond the bitmap stays white.
    RasterCanvas copy(rect.size());
    copy.drawImage(-rect.topLeft(), editor.renderer.bitmap());
    if (editor.menuChecked(kDotFrameItem))
        copy.focusRect(0, 0, rect.width(), rect.height());
    return copy.image();
}

void registerCropExportTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<JpegFileTool>(), {ToolMode::CropToJpegFile});
    tools.add(std::make_shared<BitmapClipboardTool>(), {ToolMode::CropToBitmapClipboard});
    tools.add(std::make_shared<MetafileFileTool>(), {ToolMode::CropToMetafileFile});
    tools.add(std::make_shared<MetafileClipboardTool>(), {ToolMode::CropToMetafileClipboard});
}

} // namespace kel
