#include "interaction/core/Editor.h"

#include "interaction/core/AttributeControls.h"
#include "interaction/menus/MenuTable.h"
#include "model/Controls.h"
#include "model/RowDescription.h"
#include "model/TaggedRows.h"

#include <QFileInfo>

namespace kel {

namespace {
constexpr int kValuePage = 6;
constexpr int kValueCaptionLength = 10;
const QString kGridPopup = QStringLiteral("PopupGD");
const QString kShowObjectsInfo = QStringLiteral("mnuTrackObjs");
} // namespace

QString colourHex(Colour colour)
{
    return QStringLiteral("%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

Editor::Editor(UiPort& ui, std::initializer_list<RegistrationEntry> entries)
    : doc(ui), renderer(doc.table, doc.current, ui)
{
    for (const MenuItem& item : MenuTable::instance().items()) {
        if (item.flags & kMenuCheckable)
            checked_.insert(item.component, (item.flags & kMenuChecked) != 0);
    }
    renderer.setGridDots(menuChecked(QStringLiteral("mnuGridDots1")));
    Registrations registrations{tools, commands};
    for (const RegistrationEntry entry : entries)
        entry(registrations);
    wireMenus();
}

void Editor::wireMenus()
{
    for (const MenuItem& item : MenuTable::instance().items()) {
        if (tools.find(item.mode) && !commands.has(item.component)) {
            const ToolMode mode = item.mode;
            commands.add(item.component, [mode](Editor& editor) { editor.startTool(mode); });
        }
    }
}

int Editor::PickObject(QPoint pos, QChar letter)
{
    const int row = picker.pick(pos, letter, renderer.bitmap().size());
    if (row > 0)
        ui().setStatus(4,
                       QStringLiteral("@Row %1   %2").arg(row).arg(RowDescription(doc.table, row)));
    return row;
}

void Editor::start()
{
    doc.current.penWidth = doc.panel.penWidth.value;
    ui().showPage(0);
    ui().setTabVisible(2, false);
    ui().setTabVisible(3, false);
    renderer.createBitmap(ui().surfaceSize());
    setSurfaceCursor(SurfaceCursor::Cursor1);
    eventFinished();
}

void Editor::surfaceResized(QSize size)
{
    if (renderer.bitmap().size() == size)
        return;
    renderer.createBitmap(size);
    RedrawAll();
}

void Editor::runMenuItem(const QString& component)
{
    const MenuItem* item = MenuTable::instance().findItem(component);
    if (!item || (item->flags & kMenuNoAction))
        return;
    runEvent([&] { commands.run(component, *this); }, true);
}

QString Editor::windowTitle() const
{
    QString title = QStringLiteral("KelvaneD7");
    if (!doc.fileName.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(doc.fileName).fileName();
    if (doc.history.modified())
        title += QStringLiteral(" *");
    return title;
}

void Editor::eventFinished()
{
    doc.history.record();
    const QString title = windowTitle();
    if (title == shownTitle_)
        return;
    shownTitle_ = title;
    ui().setWindowCaption(title);
}

bool Editor::mayDiscardDrawing(const QString& question)
{
    doc.history.record();
    return !doc.history.modified() || ui().askYesNo(question);
}

void Editor::pressButton(Control button)
{
    runEvent([&] { commands.run(controlName(button), *this); }, true);
}

void Editor::topMenuAboutToShow(const QString& menuComponent)
{
    const MenuDef* menu = MenuTable::instance().findMenu(menuComponent);
    if (menu && menu->cancelsTool && !tool.idle())
        CancelTool();
}

bool Editor::menuChecked(const QString& component) const
{
    return checked_.value(component, false);
}

void Editor::setMenuChecked(const QString& component, bool checked)
{
    if (!checked_.contains(component))
        return;
    checked_.insert(component, checked);
    ui().setMenuItemChecked(component, checked);
}

void Editor::CancelTool()
{
    if (Tool* running = runningTool())
        running->cancel(*this);
    ClearAllTags(doc.table);
    reloadPen();
    tool.construction.clicks() = 0;
    tool.vertices.clear();
    ui().setGridEnabled(true);
    tool.previousKey = 0;
    tool.mode = ToolMode::Idle;
    RedrawAll();
    ui().setControlVisible(Control::btnmodcircle, false);
    ui().showPage(0);
    ui().setControlEnabled(Control::lbDone, false);
    tool.ignoreZeroDistanceEnds = 0;
    ui().setStatus(3, QString());
    ui().setStatus(4, QString());
    // The hover may have put its own caption up: the title comes back at
    // the end of the event.
    shownTitle_.clear();
}

void Editor::ShowValuePage(const QString& label1, const QString& label2, const QString& label3)
{
    ui().setControlText(Control::Label26, label1.left(kValueCaptionLength));
    ui().setControlText(Control::Label27, label2.left(kValueCaptionLength));
    ui().setControlText(Control::Label28, label3.left(kValueCaptionLength));
    ui().showPage(kValuePage);
    ui().setControlEnabled(Control::lbDone, true);
}

Canvas& Editor::surfaceCanvas()
{
    if (!preview_)
        preview_ = std::make_unique<RasterCanvas>(renderer.bitmap().size(), &renderer.bitmap());
    return *preview_;
}

void Editor::clearPreview()
{
    if (!preview_)
        return;
    // The layer goes with the preview: the bitmap it lay over may be
    // replaced before the next one.
    preview_.reset();
    ui().repaintSurface();
}

const QImage* Editor::previewImage()
{
    if (!preview_)
        return nullptr;
    preview_->finish();
    return &preview_->image();
}

void Editor::RedrawAll()
{
    clearPreview();
    renderer.RedrawAll();
}

void Editor::gdClick()
{
    const int row = ui().gridCurrentRow();
    if (doc.table.inUse(row)) {
        const Tool* running = runningTool();
        if (!tool.idle() && !(running && running->keepsRunningOnGridClick()))
            CancelTool();
    } else {
        ui().setGridCurrentRow(1);
    }
}

void Editor::gdDblClick(int row)
{
    // The row that was double-clicked, not the current row: a click on a free
    // row has already moved the current row to row 1.
    if (!doc.table.inUse(row))
        return;
    runEvent(
        [&] { doc.table.setCell(kTagColumn, row, doc.table.tagged(row) ? QString() : kTagMark); },
        true);
    ui().repaintGrid();
}

void Editor::gdMouseDown(Qt::MouseButton button)
{
    if (!tool.idle())
        CancelTool();
    if (button != Qt::RightButton)
        return;
    const int row = ui().gridRowUnderPointer();
    if (row < 1)
        return;
    ui().setGridCurrentRow(row);
    if (const std::optional<QString> chosen = ui().gridPopupMenu(kGridPopup))
        runMenuItem(*chosen);
}

void Editor::gdMouseMove()
{
    if (!tool.idle() || !menuChecked(kShowObjectsInfo))
        return;
    if (!gridHoverThrottle.allow(QPoint()))
        return;
    const int row = ui().gridRowUnderPointer();
    if (doc.table.cell(kStateColumn, row) != QStringLiteral("Y"))
        return;
    clearPreview();
    renderer.HighlightRow(surfaceCanvas(), row);
    ui().repaintSurface();
    ui().setStatus(4, RowDescription(doc.table, row));
}

void Editor::gdKeyPress(char key)
{
    if (key == 27) {
        CancelTool();
        renderer.PresentBitmap();
        return;
    }
    if (key != ' ')
        return;
    const int row = ui().gridCurrentRow();
    if (!doc.table.inUse(row))
        return;
    runEvent(
        [&] {
            const bool hidden = doc.table.cell(kStateColumn, row) == QStringLiteral("N");
            doc.table.setCell(kStateColumn, row,
                              hidden ? QStringLiteral("Y") : QStringLiteral("N"));
            RedrawAll();
        },
        true);
}

void Editor::setSurfaceCursor(SurfaceCursor cursor)
{
    cursor_ = cursor;
    ui().setSurfaceCursor(cursor);
}

} // namespace kel
