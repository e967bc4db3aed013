#pragma once
// The port implemented with the main window's widgets and Qt's dialogs.
// The command-script port derives from it and replaces the modal parts.

#include "app/ControlWidgets.h"
#include "model/UiPort.h"

#include <QCursor>

#include <optional>

class QPrinter;

namespace kel {

class MainWindow;

// One page painted on a printer already set up; a printer that cannot
// start or finish is reported as a failure.
PrintOutcome printOnePage(QPrinter& printer, const PagePainter& paint);

class WidgetUiPort : public UiPort {
public:
    // Every control must have its widget in the window by now: a control
    // without one stops the program with a message naming it.
    explicit WidgetUiPort(MainWindow& window);

    void setStatus(int panel, const QString& text) override;
    QString status(int panel) const override;

    void setGridCurrentRow(int row) override;
    int gridCurrentRow() const override;
    void repaintGrid() override;
    void setGridEnabled(bool enabled) override;
    bool gridEnabled() const override;
    std::optional<RowRange> gridSelection() const override;
    void clearGridSelection() override;
    void scrollGridTo(int row) override;
    int gridRowUnderPointer() const override;

    void showPage(int index) override;
    int currentPage() const override;
    void setTabVisible(int index, bool visible) override;

    void setControlText(Control control, const QString& text) override;
    QString controlText(Control control) const override;
    void setControlEnabled(Control control, bool enabled) override;
    void setControlVisible(Control control, bool visible) override;
    void setControlChecked(Control control, bool checked) override;
    bool controlChecked(Control control) const override;
    void setControlColour(Control control, ControlColour role, Colour colour) override;
    void setBrushPreview(int pattern, Colour colour) override;
    void focusControl(Control control) override;

    void message(const QString& text) override;
    bool askYesNo(const QString& text) override;
    QString inputBox(const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    std::optional<QString> askText(const QString& caption, const QString& prompt,
                                   const QString& defaultText) override;
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<Colour> colourDialog(Colour initial) override;
    std::optional<FontChoice> fontDialog(const FontChoice& initial) override;
    PrintOutcome printPage(const PagePainter& paint) override;
    std::optional<QString> popupMenu(const QString& menuName, QPoint surfacePos,
                                     const QStringList& disabledItems) override;
    std::optional<QString> gridPopupMenu(const QString& menuName) override;
    bool modalWindowOpening(const QString& caption) override;
    void showAboutWindow(int pictureSelector) override;

    QString clipboardText() const override;
    void setClipboardText(const QString& text) override;
    QImage clipboardImage() const override;
    QByteArray clipboardMetafile() const override;
    void setClipboardImage(const QImage& image) override;
    void setClipboardData(std::unique_ptr<QMimeData> data) override;

    QPoint pointerPos() const override;
    void warpPointer(QPoint surfacePos) override;
    void setSurfaceCursor(SurfaceCursor cursor) override;
    void focusSurface() override;
    bool surfaceHasFocus() const override;
    void setWindowCaption(const QString& caption) override;
    void markGridRow(int row) override;

    void repaintSurface() override;
    QSize surfaceSize() const override;
    void setMenuItemChecked(const QString& component, bool checked) override;
    void closeMainWindow() override;
    bool shellOpen(const QString& path) override;

    // The surface's cursor as last set.
    SurfaceCursor surfaceCursor() const { return cursor_; }
    // The widget of a control; never nullptr.
    QWidget* widget(Control control) const { return controls_.widget(control); }

protected:
    MainWindow& window() const { return window_; }

private:
    MainWindow& window_;
    ControlWidgets controls_;
    SurfaceCursor cursor_ = SurfaceCursor::Cursor1;
    std::optional<QCursor> cursor1_;
    std::optional<QCursor> cursor2_;
};

} // namespace kel
