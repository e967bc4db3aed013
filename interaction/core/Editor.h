#pragma once
// The GUI-free core of the main window: it owns the document, the tool state
// and the renderer, runs the menu commands and answers the window's events.
// It reaches the screen only through the UiPort, so everything it does can be
// driven headless.

#include "interaction/core/AttributeControls.h"
#include "interaction/core/HoverThrottle.h"
#include "interaction/core/Registrations.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/ToolState.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/picking/ObjectPicker.h"
#include "model/CellEdit.h"
#include "model/Document.h"
#include "render/RasterCanvas.h"
#include "render/Renderer.h"

#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>

namespace kel {

// A colour value as six upper-case hexadecimal digits, blue pair first.
QString colourHex(Colour colour);

class Editor {
public:
    // Runs the folders' registration entries, then wires the menu items to
    // the tools they brought (wireMenus). Without entries the editor has no
    // tools and no commands: enough to render and export.
    explicit Editor(UiPort& ui, std::initializer_list<RegistrationEntry> entries = {});
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    UiPort& ui() { return doc.ui; }

    Document doc;
    ToolState tool;
    Renderer renderer;
    CommandRegistry commands;
    ToolRegistry tools;
    // The attribute controls of pages T1 and T2.
    AttributeControls attributes{*this};
    ObjectPicker picker{doc.table, renderer};
    HoverThrottle hoverThrottle{[this](QPoint pos) { pointerMoved(pos); }};
    // The pause between "Show Objects Info" highlights while the pointer
    // moves over the grid; the replay looks at the row under the pointer.
    HoverThrottle gridHoverThrottle{[this](QPoint) { gdMouseMove(); }};
    // Page "Edit": the row and column being edited.
    CellEdit cellEdit;

    // The window's create handling, once the drawing surface has its size.
    void start();
    // The drawing surface changed size: a new bitmap and a redraw.
    void surfaceResized(QSize size);

    // A menu or popup item was chosen (by the user or a script).
    void runMenuItem(const QString& component);
    // A button of a page was pressed: runs the command registered under the
    // button's component name, when there is one.
    void pressButton(Control button);
    // A top-level menu is about to open.
    void topMenuAboutToShow(const QString& menuComponent);
    bool menuChecked(const QString& component) const;
    void setMenuChecked(const QString& component, bool checked);

    // Ends the running tool and returns to idle.
    void CancelTool();
    // Replays the table onto the bitmap; any preview goes with it.
    void RedrawAll();
    // Asks for up to three numbers on page T7.
    void ShowValuePage(const QString& label1, const QString& label2, const QString& label3);

    // Every menu or popup item whose mode has a tool and that has no command
    // of its own starts that tool. Safe to run again after later additions.
    void wireMenus();
    // The tool of the current mode, or null when idle or none serves it.
    Tool* runningTool() const { return tools.find(tool.mode); }

    // Starts the tool of a mode: the running one ends, the click counter and
    // vertex list start empty, then the tool's own start runs.
    void startTool(ToolMode mode);
    // The pointer moved over the drawing surface / a button went down there.
    void pointerMoved(QPoint pos);
    void pointerDown(Qt::MouseButton button, QPoint pos);
    // Enter, and F10 in tools that do not finish on it: a click at the pointer.
    void clickAtPointer();
    // F10.
    void finishTool();
    // Backspace: the last click taken back.
    void takeBackClick();
    // Wheel notches at the pointer, positive upwards.
    void wheel(int notches);
    // Moves the pointer (F4, arrows, placement) and runs the move pipeline there.
    void warpPointer(QPoint pos);

    // Runs an event's action as a transaction: when it fails, the table, the
    // tool state and the attributes are put back and one message says why
    // (in the status bar when the event may not ask, a move or the wheel).
    // The outermost event records its changes as one undo step.
    bool runEvent(const std::function<void()>& action, bool mayAsk);

    // "KelvaneD7", then " - " and the drawing's file name when it has one,
    // then " *" while it has unsaved changes.
    QString windowTitle() const;
    // Records the changes since the last step as one and shows the title.
    void eventFinished();
    // Asks the question only when the drawing has unsaved changes; true
    // when they may go.
    bool mayDiscardDrawing(const QString& question);

    // The visible row of the type letter under `pos` (-1 when none); a found
    // row's description goes into status panel 4.
    int PickObject(QPoint pos, QChar letter);

    // The layer over the bitmap that previews and highlights paint on.
    Canvas& surfaceCanvas();
    void clearPreview();
    // The preview layer's picture, or null when there is no preview.
    const QImage* previewImage();

    // Object table events. The grid's current row is already set when they run.
    // A double click names the row it hit.
    void gdClick();
    void gdDblClick(int row);
    // The right button opens the grid's popup on the row under the pointer.
    void gdMouseDown(Qt::MouseButton button = Qt::LeftButton);
    // The pointer moved over the grid: with "Show Objects Info" checked and no
    // tool running, the row under it is highlighted and described.
    void gdMouseMove();
    void gdKeyPress(char key);

    // The table's revision when the Move page took its snapshot.
    quint64 moveSnapshotRevision = 0;

    SurfaceCursor surfaceCursor() const { return cursor_; }
    void setSurfaceCursor(SurfaceCursor cursor);

private:
    // Pen width and colour back from the panel after a preview changed them.
    void reloadPen();

    QHash<QString, bool> checked_;
    int eventDepth_ = 0;
    QString shownTitle_;
    std::unique_ptr<RasterCanvas> preview_;
    SurfaceCursor cursor_ = SurfaceCursor::Cursor1;
};

} // namespace kel
