#pragma once
// The one port through which the core reaches the screen. The main window
// implements it with widgets; tests and command scripts use a scripted double.
// Nothing modal is ever asked for from a pointer-move, wheel or paint handler.

#include "model/Colour.h"
#include "model/Controls.h"

#include <QImage>
#include <QMimeData>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace kel {

struct FileDialogRequest {
    QString title;
    QString filter;      // "KEL files (*.kel)"
    QString defaultName; // proposed file name
};

// What became of a printed page.
enum class PrintStatus { Printed, Cancelled, NoPrinter, Failed };

struct PrintOutcome {
    PrintStatus status = PrintStatus::Cancelled;
    QString detail; // why it failed
};

// Paints the page on a painter begun on the printer; `printable` is the
// printable area in the painter's coordinates.
using PagePainter = std::function<void(QPainter& painter, const QRect& printable)>;

struct FontChoice {
    QString family;
    int size = 10;
    bool bold = false;
    bool italic = false;
    Colour colour = kBlack;
};

// A contiguous range of grid rows, first to last (rows may be free).
struct RowRange {
    int first = 0;
    int last = -1;
};

enum class SurfaceCursor { Cursor1, Cursor2, Arrow };

// Which colour of a page control: its text, or its background (a colour
// swatch shows its colour as its background).
enum class ControlColour { Text, Background };

class UiPort {
public:
    virtual ~UiPort() = default;

    // Status bar: five panels, 0 to 4.
    virtual void setStatus(int panel, const QString& text) = 0;
    virtual QString status(int panel) const = 0;

    // Object table grid. Setting the current row from code never counts as a
    // user's click on the grid.
    virtual void setGridCurrentRow(int row) = 0;
    virtual int gridCurrentRow() const = 0;
    virtual void repaintGrid() = 0;
    virtual void setGridEnabled(bool enabled) = 0;
    virtual bool gridEnabled() const = 0;
    // The grid's one selected range of rows; nothing when no row is selected.
    virtual std::optional<RowRange> gridSelection() const = 0;
    virtual void clearGridSelection() = 0;
    // Scrolls the grid so that `row` is its top visible row.
    virtual void scrollGridTo(int row) = 0;
    // The row under the pointer over the grid (0 when none).
    virtual int gridRowUnderPointer() const = 0;

    // Tab pages of pgc, by index 0 to 6.
    virtual void showPage(int index) = 0;
    virtual int currentPage() const = 0;
    virtual void setTabVisible(int index, bool visible) = 0;

    // The named controls of the pages and the drawing surface.
    virtual void setControlText(Control control, const QString& text) = 0;
    virtual QString controlText(Control control) const = 0;
    virtual void setControlEnabled(Control control, bool enabled) = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    // Check boxes and radio buttons.
    virtual void setControlChecked(Control control, bool checked) = 0;
    virtual bool controlChecked(Control control) const = 0;
    virtual void setControlColour(Control control, ControlColour role, Colour colour) = 0;
    // The shape beside the brush pattern box: the pattern's hatch in the
    // colour, no fill for pattern 0.
    virtual void setBrushPreview(int pattern, Colour colour) = 0;
    // Keyboard focus to a control.
    virtual void focusControl(Control control) = 0;

    // Modal boxes and dialogs. Line breaks in texts are "\r\n".
    virtual void message(const QString& text) = 0;
    virtual bool askYesNo(const QString& text) = 0;
    // Cancel returns the default text.
    virtual QString inputBox(const QString& caption, const QString& prompt,
                             const QString& defaultText) = 0;
    // An input box that tells Cancel apart: nothing when cancelled.
    virtual std::optional<QString> askText(const QString& caption, const QString& prompt,
                                           const QString& defaultText) = 0;
    virtual std::optional<QString> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<Colour> colourDialog(Colour initial) = 0;
    virtual std::optional<FontChoice> fontDialog(const FontChoice& initial) = 0;
    // The print dialog, then one page on the chosen printer. With no
    // printer installed nothing is shown and the status says so.
    virtual PrintOutcome printPage(const PagePainter& paint) = 0;
    // Shows a popup menu at a drawing-surface point with the named items
    // disabled; returns the component name of the chosen item, or nothing
    // when the menu was dismissed.
    virtual std::optional<QString> popupMenu(const QString& menuName, QPoint surfacePos,
                                             const QStringList& disabledItems) = 0;
    // A popup menu at the pointer over the grid, as popupMenu.
    virtual std::optional<QString> gridPopupMenu(const QString& menuName) = 0;
    // A command's modal window is about to show: true when the caller waits
    // in it until it closes (at the desk); a script only notes it, goes on,
    // and its lines reach the window until the window closes.
    virtual bool modalWindowOpening(const QString& caption) = 0;
    // The About window, modal; selector picks its picture.
    virtual void showAboutWindow(int pictureSelector) = 0;

    // Clipboard.
    virtual QString clipboardText() const = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QImage clipboardImage() const = 0;
    virtual void setClipboardImage(const QImage& image) = 0;
    // Several formats of one picture at once; the clipboard takes them over.
    virtual void setClipboardData(std::unique_ptr<QMimeData> data) = 0;
    // Enhanced metafile bytes on the clipboard, empty when it holds none.
    virtual QByteArray clipboardMetafile() const = 0;

    // Pointer, in drawing-surface coordinates.
    virtual QPoint pointerPos() const = 0;
    virtual void warpPointer(QPoint surfacePos) = 0;
    virtual void setSurfaceCursor(SurfaceCursor cursor) = 0;
    // Keyboard focus of the drawing surface.
    virtual void focusSurface() = 0;
    virtual bool surfaceHasFocus() const = 0;
    // The main window's caption.
    virtual void setWindowCaption(const QString& caption) = 0;
    // Marks a row's number cell in the grid until the grid's next repaint.
    virtual void markGridRow(int row) = 0;

    // Drawing surface and frame.
    virtual void repaintSurface() = 0;
    virtual QSize surfaceSize() const = 0;
    virtual void setMenuItemChecked(const QString& component, bool checked) = 0;
    virtual void closeMainWindow() = 0;
    // Opens a document with the desktop's shell; false when that failed.
    virtual bool shellOpen(const QString& path) = 0;
};

} // namespace kel
