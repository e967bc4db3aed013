#pragma once
// The port implemented with the main window's widgets and Qt's dialogs.
// The command-script port derives from it and replaces the modal parts.

#include "model/UiPort.h"

#include <QCursor>

#include <optional>

namespace kel {

class MainWindow;

class WidgetUiPort : public UiPort {
public:
    explicit WidgetUiPort(MainWindow& window);

    void setStatus(int panel, const QString& text) override;
    QString status(int panel) const override;

    void setGridCurrentRow(int row) override;
    int gridCurrentRow() const override;
    void repaintGrid() override;
    void setGridEnabled(bool enabled) override;
    bool gridEnabled() const override;

    void showPage(int index) override;
    int currentPage() const override;
    void setTabVisible(int index, bool visible) override;

    void setControlText(const QString& name, const QString& text) override;
    QString controlText(const QString& name) const override;
    void setControlEnabled(const QString& name, bool enabled) override;
    void setControlVisible(const QString& name, bool visible) override;
    void setControlChecked(const QString& name, bool checked) override;
    bool controlChecked(const QString& name) const override;
    void setControlColour(const QString& name, ControlColour role, Colour colour) override;
    void setBrushPreview(int pattern, Colour colour) override;
    void focusControl(const QString& name) override;

    void message(const QString& text) override;
    bool askYesNo(const QString& text) override;
    QString inputBox(const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<Colour> colourDialog(Colour initial) override;
    std::optional<FontChoice> fontDialog(const FontChoice& initial) override;
    std::optional<QString> printDialog() override;
    std::optional<QString> popupMenu(const QString& menuName, QPoint surfacePos) override;
    void showAboutWindow(int pictureSelector) override;

    QString clipboardText() const override;
    void setClipboardText(const QString& text) override;
    QImage clipboardImage() const override;
    void setClipboardImage(const QImage& image) override;

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

protected:
    MainWindow& window() const { return window_; }
    QWidget* findControl(const QString& name) const;

private:
    MainWindow& window_;
    SurfaceCursor cursor_ = SurfaceCursor::Cursor1;
    std::optional<QCursor> cursor1_;
    std::optional<QCursor> cursor2_;
};

} // namespace kel
