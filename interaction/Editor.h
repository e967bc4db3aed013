#pragma once
// The GUI-free core of the main window: it owns the document, the tool state
// and the renderer, runs the menu commands and answers the window's events.
// It reaches the screen only through the UiPort, so everything it does can be
// driven headless.

#include "interaction/CommandRegistry.h"
#include "interaction/ToolState.h"
#include "model/Document.h"
#include "render/Renderer.h"

#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>

namespace kel {

// A colour value as six upper-case hexadecimal digits, blue pair first.
QString colourHex(Colour colour);

class Editor {
public:
    explicit Editor(UiPort& ui);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    UiPort& ui() { return doc.ui; }

    Document doc;
    ToolState tool;
    Renderer renderer;
    CommandRegistry commands;

    // The window's create handling, once the drawing surface has its size.
    void start();
    // The drawing surface changed size: a new bitmap and a redraw.
    void surfaceResized(QSize size);

    // A menu or popup item was chosen (by the user or a script).
    void runMenuItem(const QString& component);
    // A top-level menu is about to open.
    void topMenuAboutToShow(const QString& menuComponent);
    bool menuChecked(const QString& component) const;
    void setMenuChecked(const QString& component, bool checked);

    // Ends the running tool and returns to idle.
    void CancelTool();
    void RedrawAll() { renderer.RedrawAll(); }
    // Asks for up to three numbers on page T7.
    void ShowValuePage(const QString& label1, const QString& label2, const QString& label3);

    // The pointer moved over the drawing surface / a button went down there.
    void pointerMoved(QPoint pos);
    void pointerDown(Qt::MouseButton button, QPoint pos);

    // Object table events. The grid's current row is already set when they run.
    // A double click names the row it hit.
    void gdClick();
    void gdDblClick(int row);
    void gdMouseDown();
    void gdKeyPress(char key);

    SurfaceCursor surfaceCursor() const { return cursor_; }
    void setSurfaceCursor(SurfaceCursor cursor);

private:
    QHash<QString, bool> checked_;
    SurfaceCursor cursor_ = SurfaceCursor::Cursor1;
};

} // namespace kel
