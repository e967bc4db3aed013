#pragma once
// A port that shows nothing and asks nothing: every question is cancelled,
// every box keeps its default. Headless commands such as the picture export
// and the benchmarks run the core through it; messages are kept to report.

#include "model/UiPort.h"

#include <array>

namespace kel {

class SilentUiPort : public UiPort {
public:
    explicit SilentUiPort(QSize surfaceSize = {800, 600}) : surface(surfaceSize) {}

    void setStatus(int panel, const QString& text) override
    {
        if (panel >= 0 && panel < 5)
            panels[static_cast<size_t>(panel)] = text;
    }
    QString status(int panel) const override
    {
        return panel >= 0 && panel < 5 ? panels[static_cast<size_t>(panel)] : QString();
    }
    void setGridCurrentRow(int) override {}
    int gridCurrentRow() const override { return 0; }
    void repaintGrid() override {}
    void setGridEnabled(bool) override {}
    bool gridEnabled() const override { return true; }
    std::optional<RowRange> gridSelection() const override { return std::nullopt; }
    void clearGridSelection() override {}
    void scrollGridTo(int) override {}
    int gridRowUnderPointer() const override { return 0; }
    void showPage(int) override {}
    int currentPage() const override { return 0; }
    void setTabVisible(int, bool) override {}
    void setControlText(Control, const QString&) override {}
    QString controlText(Control) const override { return {}; }
    void setControlEnabled(Control, bool) override {}
    void setControlVisible(Control, bool) override {}
    void setControlChecked(Control, bool) override {}
    bool controlChecked(Control) const override { return false; }
    void setControlColour(Control, ControlColour, Colour) override {}
    void setBrushPreview(int, Colour) override {}
    void focusControl(Control) override {}
    void message(const QString& text) override { messages << text; }
    bool askYesNo(const QString&) override { return false; }
    QString inputBox(const QString&, const QString&, const QString& defaultText) override
    {
        return defaultText;
    }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> openFileDialog(const FileDialogRequest&) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFileDialog(const FileDialogRequest&) override
    {
        return std::nullopt;
    }
    std::optional<Colour> colourDialog(Colour) override { return std::nullopt; }
    std::optional<FontChoice> fontDialog(const FontChoice&) override { return std::nullopt; }
    PrintOutcome printPage(const PagePainter&) override { return {}; }
    std::optional<QString> popupMenu(const QString&, QPoint, const QStringList&) override
    {
        return std::nullopt;
    }
    std::optional<QString> gridPopupMenu(const QString&) override { return std::nullopt; }
    bool modalWindowOpening(const QString&) override { return false; }
    void showAboutWindow(int) override {}
    QString clipboardText() const override { return {}; }
    void setClipboardText(const QString&) override {}
    QImage clipboardImage() const override { return {}; }
    void setClipboardImage(const QImage&) override {}
    void setClipboardData(std::unique_ptr<QMimeData>) override {}
    QByteArray clipboardMetafile() const override { return {}; }
    QPoint pointerPos() const override { return pointer; }
    void warpPointer(QPoint surfacePos) override { pointer = surfacePos; }
    void setSurfaceCursor(SurfaceCursor) override {}
    void focusSurface() override {}
    bool surfaceHasFocus() const override { return true; }
    void setWindowCaption(const QString&) override {}
    void markGridRow(int) override {}
    void repaintSurface() override {}
    QSize surfaceSize() const override { return surface; }
    void setMenuItemChecked(const QString&, bool) override {}
    void closeMainWindow() override {}
    bool shellOpen(const QString&) override { return false; }

    QStringList messages;
    std::array<QString, 5> panels;
    QSize surface;
    QPoint pointer;
};

} // namespace kel
