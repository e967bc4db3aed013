#include "interaction/commands/FileCommands.h"

#include "interaction/core/Editor.h"
#include "model/KelFile.h"

#include <QFileInfo>

#include <cstdint>
#include <optional>

namespace kel {

namespace {

constexpr int kFileNamePanel = 2;
const QString kOpenFilter = QStringLiteral("Tab Text files (*.KEL *.kel)");
const QString kSaveFilter = QStringLiteral("Tab Delimied textfile (*.KEL *.kel)");
const QString kDefaultSuffix = QStringLiteral(".KEL");

enum class LoadMode { Open, Append };

std::optional<QString> askOpenName(Editor& editor)
{
    const std::optional<QString> chosen = editor.ui().openFileDialog(
        {QStringLiteral("Open"), kOpenFilter, editor.doc.openDialogName});
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    editor.doc.openDialogName = *chosen;
    return chosen;
}

std::optional<QString> askSaveName(Editor& editor)
{
    const std::optional<QString> chosen = editor.ui().saveFileDialog(
        {QStringLiteral("Save As"), kSaveFilter, editor.doc.saveDialogName});
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    QString name = *chosen;
    if (QFileInfo(name).suffix().isEmpty())
        name += kDefaultSuffix;
    editor.doc.saveDialogName = name;
    return name;
}

void setFileName(Editor& editor, const QString& name)
{
    editor.doc.fileName = name;
    editor.ui().setStatus(kFileNamePanel, name);
}

// The file is read and parsed whole before anything changes, so a file that
// cannot be read leaves the table and the current file name alone.
bool load(Editor& editor, const QString& path, LoadMode mode)
{
    UiPort& ui = editor.ui();
    const KelReadResult read = readKelFile(path);
    if (!read.ok()) {
        ui.message(read.error);
        return false;
    }
    setFileName(editor, path);
    ObjectTable& table = editor.doc.table;
    const bool wasEmpty = !table.inUse(1);
    int first = 1;
    if (mode == LoadMode::Open) {
        replaceRows(table, read.rows);
        editor.doc.history.reset();
    } else {
        first = appendRows(table, read.rows);
    }
    ui.setGridCurrentRow(1);
    // Brings the appended rows into view.
    if (mode == LoadMode::Append && !wasEmpty)
        ui.setGridCurrentRow(first + 1);
    editor.RedrawAll();
    ui.setGridEnabled(true);
    return true;
}

bool writeRows(Editor& editor, const QString& path, KelRowSet rows)
{
    const QString error = writeKelFile(path, kelLines(editor.doc.table, rows));
    if (!error.isEmpty()) {
        editor.ui().message(error);
        return false;
    }
    editor.ui().message(QStringLiteral("File ") + path + QStringLiteral(" was saved"));
    return true;
}

void saveTo(Editor& editor, const QString& path)
{
    if (!writeRows(editor, path, KelRowSet::InUse))
        return;
    setFileName(editor, path);
    editor.doc.history.markSaved();
}

} // namespace

void openDrawing(Editor& editor)
{
    if (const std::optional<QString> name = askOpenName(editor))
        load(editor, *name, LoadMode::Open);
}

bool directOpen(Editor& editor, const QString& path)
{
    editor.doc.openDialogName = path;
    const bool loaded = load(editor, path, LoadMode::Open);
    editor.eventFinished();
    return loaded;
}

void saveDrawingAs(Editor& editor)
{
    if (const std::optional<QString> name = askSaveName(editor))
        saveTo(editor, *name);
}

void saveDrawing(Editor& editor)
{
    if (editor.doc.fileName.isEmpty())
        saveDrawingAs(editor);
    else
        saveTo(editor, editor.doc.fileName);
}

void appendFile(Editor& editor)
{
    // Row 1 free means nothing is drawn: there is nothing to append to.
    if (editor.doc.fileName.isEmpty() && !editor.doc.table.inUse(1)) {
        openDrawing(editor);
        return;
    }
    const std::optional<QString> name = askOpenName(editor);
    if (!name || !load(editor, *name, LoadMode::Append))
        return;
    editor.ui().message(QStringLiteral("Now click on the drag point of the imported file "
                                       "objects\r\nMove mouse and then final click"));
    editor.tool.mode = ToolMode::PlaceObjects;
}

std::optional<QString> askKelSaveName(Editor& editor)
{
    return askSaveName(editor);
}

void saveTaggedAsKel(Editor& editor)
{
    if (const std::optional<QString> name = askSaveName(editor))
        saveTaggedKel(editor, *name);
}

bool saveTaggedKel(Editor& editor, const QString& path)
{
    return writeRows(editor, path, KelRowSet::TaggedVisible);
}

void pasteFromClipboard(Editor& editor)
{
    UiPort& ui = editor.ui();
    const QString text = ui.clipboardText();
    if (text.isEmpty())
        return;
    const std::optional<KelReadResult> data = parseDrawingData(text);
    if (!data) {
        ui.message(QStringLiteral("No Kelvane data in clipboard"));
        return;
    }
    if (!data->ok()) {
        ui.message(data->error);
        return;
    }
    pasteRows(editor.doc.table, data->rows);
    editor.RedrawAll();
    editor.tool.mode = ToolMode::PlaceObjects;
    ui.message(QStringLiteral("Now click near a suitable point to start moving objects"));
}

void registerFileCommands(CommandRegistry& commands)
{
    commands.add(QStringLiteral("mnuopentab"), openDrawing);
    commands.add(QStringLiteral("mnuSaveAs"), saveDrawingAs);
    commands.add(QStringLiteral("mnusave"), saveDrawing);
    commands.add(QStringLiteral("mnuapndfile"), appendFile);
    commands.add(QStringLiteral("mnusaveaskel"), saveTaggedAsKel);
    commands.add(QStringLiteral("mnupastefromclip"), pasteFromClipboard);
}

} // namespace kel
