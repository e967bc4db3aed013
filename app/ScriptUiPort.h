#pragma once
// The port of command scripts: the real widgets for everything that shows,
// and the script's answer queue for everything that would wait for the user.
// Each question, dialog and popup is printed with the answer it took.

#include "app/ScriptSession.h"
#include "app/WidgetUiPort.h"

namespace kel {

class ScriptUiPort : public WidgetUiPort {
public:
    ScriptUiPort(MainWindow& window, ScriptSession& session);

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

    QPoint pointerPos() const override;
    void warpPointer(QPoint surfacePos) override;
    void closeMainWindow() override;
    bool shellOpen(const QString& path) override;

private:
    std::optional<QString> fileDialog(const QString& kind);
    ScriptSession& session_;
};

} // namespace kel
