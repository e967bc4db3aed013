// Picture rows: placing a clipboard metafile or bitmap with one click,
// zooming a placed metafile, copying and saving one, and turning a
// clipboard bitmap into a metafile.

#include "output/PictureTools.h"

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/menus/CommandRegistry.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"
#include "output/CropMimeData.h"
#include "output/PictureData.h"
#include "render/PictureDrawers.h"

#include <QSaveFile>

#include <algorithm>

namespace kel {

namespace {

constexpr int kSmallestPlacingZoom = 5; // below it a typed zoom reads as 0
constexpr int kSmallestZoom = 3;        // Zoom EMF Obj
constexpr int kNoNumber = 100;

std::int32_t& sizeParameter(Editor& editor)
{
    return editor.tool.construction.slot[ConstructionState::kSize];
}

void writePictureRow(Editor& editor, RecordKind kind, int zoom, QPoint at, const QString& text)
{
    const int r = FindFreeRow(editor.doc);
    ObjectTable& table = editor.doc.table;
    table.setCell(col::State, r, QStringLiteral("Y"));
    table.setCell(col::Type, r, KindText(kind));
    table.setCell(col::picture::Zoom, r, zoom);
    table.setCell(col::picture::X, r, at.x());
    table.setCell(col::picture::Y, r, at.y());
    table.setCell(col::picture::Data, r, text);
}

// The tool's picture waits in the tool until the click places it.
class PlacingTool : public Tool {
public:
    void click(Editor& editor, QPoint pos) override
    {
        if (text_.isEmpty())
            return;
        writePictureRow(editor, kind(), zoomToWrite(editor), pos, text_);
        text_.clear();
        editor.CancelTool();
    }
    void cancel(Editor&) override { text_.clear(); }

protected:
    virtual RecordKind kind() const = 0;
    virtual int zoomToWrite(Editor& editor) const = 0;
    // False (the tool ended, with the message) when there is no picture.
    bool take(Editor& editor, const PictureText& picture)
    {
        if (!picture.error.isEmpty()) {
            editor.CancelTool();
            editor.ui().message(picture.error);
            return false;
        }
        text_ = picture.text;
        preview_ = picture.preview;
        return true;
    }
    QString text_;
    QImage preview_;
    PictureCache cache_;
};

class PlaceMetafileTool : public PlacingTool {
public:
    void start(Editor& editor) override
    {
        if (!take(editor, ClipboardMetafileText(editor.ui())))
            return;
        sizeParameter(editor) = 100;
        editor.ShowValuePage(QStringLiteral(" ZOOM %"), QString(), QString());
        showControlValue(editor.ui(), Control::edtvar1, 100);
        editor.ui().message(QStringLiteral(
            "1 click is needed to set the EMF image location, use mouse wheel for zoom"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        if (text_.isEmpty())
            return;
        int zoom = controlValue(editor.ui(), Control::edtvar1, 0);
        if (zoom < kSmallestPlacingZoom)
            zoom = 0;
        sizeParameter(editor) = zoom;
        editor.ui().setStatus(3, QStringLiteral("ZOOM=%1").arg(zoom));
        const DecodedPicture& picture = cache_.decode(RecordKind::EmfPicture, text_);
        const PictureBox box = EmfPictureBox(pos, picture.size, zoom);
        Canvas& canvas = editor.surfaceCanvas();
        const QRect visible =
            QRect(pos, QSize(static_cast<int>(std::min<long long>(box.right - box.left, 1 << 20)),
                             static_cast<int>(std::min<long long>(box.bottom - box.top, 1 << 20))))
                .intersected(QRect(QPoint(0, 0), canvas.size()));
        if (!visible.isEmpty())
            canvas.drawImage(visible.topLeft(), cache_.playedEmf(text_, box, visible));
    }

    void wheel(Editor& editor, int notches) override
    {
        wheelPictureSize(editor, notches);
        showControlValue(editor.ui(), Control::edtvar1, sizeParameter(editor));
    }

protected:
    RecordKind kind() const override { return RecordKind::EmfPicture; }
    int zoomToWrite(Editor& editor) const override { return sizeParameter(editor); }
};

class PlaceBitmapTool : public PlacingTool {
public:
    void start(Editor& editor) override
    {
        const QImage bitmap = editor.ui().clipboardImage();
        if (bitmap.isNull()) {
            editor.CancelTool();
            editor.ui().message(QStringLiteral("No Bitmap object is in clipboard"));
            return;
        }
        const QString typed =
            editor.ui()
                .inputBox(QStringLiteral("Image reduction factor %"),
                          QStringLiteral("Enter 5 to 100 "), QStringLiteral("100"))
                .left(4);
        bool ok = false;
        int percent = typed.trimmed().toInt(&ok);
        if (!ok || percent < 5 || percent > 100)
            percent = 100;
        if (!take(editor, BitmapPictureText(bitmap, percent)))
            return;
        sizeParameter(editor) = 100;
        editor.ShowValuePage(QStringLiteral(" ZOOM"), QString(), QString());
        editor.ui().message(QStringLiteral("1 click is needed to set the BMP image location"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        if (!preview_.isNull())
            editor.surfaceCanvas().drawImage(pos, preview_);
    }

protected:
    RecordKind kind() const override { return RecordKind::BitmapPicture; }
    int zoomToWrite(Editor&) const override { return 0; }
};

bool isMetafileRow(const Editor& editor, int row)
{
    if (row < 1 || row > editor.doc.table.lastRowInUse())
        return false;
    const QString& type = editor.doc.table.cell(col::Type, row);
    return !type.isEmpty() && RecordKindOf(type.front()) == RecordKind::EmfPicture;
}

// The typed zoom goes into the picked picture row on every move, until Esc.
class ZoomPictureTool : public Tool {
public:
    void start(Editor& editor) override
    {
        if (!isMetafileRow(editor, editor.tool.pickedRow)) {
            editor.CancelTool();
            return;
        }
        editor.ShowValuePage(QStringLiteral("ZOOM"), QString(), QString());
        editor.ui().setControlText(Control::edtvar1, QStringLiteral("100"));
        editor.ui().message(QStringLiteral(
            "Type the zoom value and move mouse to see update, press Esc when done"));
    }

    void move(Editor& editor, QPoint) override
    {
        const int row = editor.tool.pickedRow;
        if (!isMetafileRow(editor, row))
            return;
        const int zoom =
            std::max(controlValue(editor.ui(), Control::edtvar1, kNoNumber), kSmallestZoom);
        const QString text = QString::number(zoom);
        if (editor.doc.table.cell(col::picture::Zoom, row) == text)
            return;
        editor.doc.table.setCell(col::picture::Zoom, row, text);
        editor.RedrawAll();
    }
};

// The picked row's metafile at its zoom, or nothing (with the message).
std::optional<ScaledMetafile> pickedMetafile(Editor& editor)
{
    const int row = editor.tool.pickedRow;
    if (!isMetafileRow(editor, row))
        return std::nullopt;
    const ObjectTable& table = editor.doc.table;
    ScaledMetafile metafile =
        MetafileAtZoom(table.cell(col::picture::Data, row),
                       table.intCell(col::picture::Zoom, row, fallback::Size));
    if (!metafile.error.isEmpty()) {
        editor.ui().message(metafile.error);
        return std::nullopt;
    }
    return metafile;
}

void copyMetafileObject(Editor& editor)
{
    const std::optional<ScaledMetafile> metafile = pickedMetafile(editor);
    if (!metafile)
        return;
    editor.ui().setClipboardData(
        metafileMimeData(metafile->bytes, MetafilePreview(metafile->bytes)));
    editor.ui().message(
        QStringLiteral("EMF Object copied to Clipboard size=%1").arg(metafile->original.size()));
}

void saveMetafileObject(Editor& editor)
{
    const std::optional<ScaledMetafile> metafile = pickedMetafile(editor);
    if (!metafile)
        return;
    const std::optional<QString> path = editor.ui().saveFileDialog(
        {QStringLiteral("Save EMF Obj"), QStringLiteral("EMF files (*.emf)"), QString()});
    if (!path)
        return;
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(metafile->bytes) != metafile->bytes.size() ||
        !file.commit()) {
        editor.ui().message(
            QStringLiteral("Could not write %1: %2").arg(*path, file.errorString()));
        return;
    }
    editor.ui().message(QStringLiteral("EMF object was saved"));
}

void bitmapToMetafile(Editor& editor)
{
    const QImage bitmap = editor.ui().clipboardImage();
    if (bitmap.isNull()) {
        editor.ui().message(QStringLiteral("No BMP object is in clipboard"));
        return;
    }
    editor.ui().message(QStringLiteral(
        "A BMP in Clipboard, is converted to EMF and copied back\r\nUse it to Zoom a BMP image"));
    const QByteArray metafile = BitmapToMetafile(bitmap);
    if (metafile.isEmpty()) {
        editor.ui().message(QStringLiteral("The bitmap in clipboard could not be converted"));
        return;
    }
    editor.ui().setClipboardData(metafileMimeData(metafile, bitmap));
    editor.ui().setStatus(3, QStringLiteral("Object size =%1").arg(metafile.size()));
    editor.ui().message(QStringLiteral("Converted object is now in clipboard"));
}

} // namespace

void registerPictureTools(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<PlaceMetafileTool>(), {ToolMode::PlacePicture});
    registrations.tools.add(std::make_shared<PlaceBitmapTool>(), {ToolMode::PlaceBitmap64});
    registrations.tools.add(std::make_shared<ZoomPictureTool>(), {ToolMode::ZoomPicture});
    registrations.commands.add(QStringLiteral("mnuCopyEMFObj"), copyMetafileObject);
    registrations.commands.add(QStringLiteral("mnuSaveEMFObj"), saveMetafileObject);
    registrations.commands.add(QStringLiteral("mnubmp2EMF"), bitmapToMetafile);
}

} // namespace kel
