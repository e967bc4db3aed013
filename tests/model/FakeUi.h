#pragma once
// A UiPort that records what the core asked of the screen and answers every
// question with a fixed, harmless value, or with the answers queued for it.

#include "model/UiPort.h"

#include <QHash>
#include <QMimeData>
#include <QPainter>
#include <QSize>

#include <array>
#include <deque>
#include <vector>

namespace kel::test {

class FakeUi : public UiPort {
public:
    std::vector<int> currentRowCalls;
    QStringList messages;
    std::array<QString, 5> panels;
    // File dialogs take their answers from the front of these queues, and
    // cancel when a queue is empty; the save requests are kept to check.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<FileDialogRequest> saveRequests;
    struct InputRequest {
        QString caption, prompt, defaultText;
    };
    std::deque<QString> inputAnswers;
    std::vector<InputRequest> inputRequests;
    std::optional<RowRange> selection;
    bool yesAnswer = false;

    void setStatus(int panel, const QString& text) override
    {
        if (panel >= 0 && panel < 5)
            panels[static_cast<size_t>(panel)] = text;
    }
    QString status(int panel) const override
    {
        return panel >= 0 && panel < 5 ? panels[static_cast<size_t>(panel)] : QString();
    }

    void setGridCurrentRow(int row) override
    {
        currentRowCalls.push_back(row);
        currentRow_ = row;
    }
    int gridCurrentRow() const override { return currentRow_; }
    void repaintGrid() override {}
    void setGridEnabled(bool enabled) override { gridEnabled_ = enabled; }
    bool gridEnabled() const override { return gridEnabled_; }
    std::optional<RowRange> gridSelection() const override { return selection; }
    void clearGridSelection() override { selection.reset(); }
    void scrollGridTo(int) override {}
    int gridRowUnderPointer() const override { return pointerRow; }
    int pointerRow = 0;

    void showPage(int index) override { page_ = index; }
    int currentPage() const override { return page_; }
    void setTabVisible(int, bool) override {}

    void setControlText(Control control, const QString& text) override
    {
        controls_[control] = text;
    }
    QString controlText(Control control) const override { return controls_.value(control); }
    void setControlEnabled(Control, bool) override {}
    void setControlVisible(Control, bool) override {}

    void message(const QString& text) override { messages.push_back(text); }
    bool askYesNo(const QString&) override { return yesAnswer; }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    // Input boxes answer from their queue; an empty queue cancels and gives
    // the default. The colour and font dialogs always cancel.
    QString inputBox(const QString& caption, const QString& prompt,
                     const QString& defaultText) override
    {
        inputRequests.push_back({caption, prompt, defaultText});
        if (inputAnswers.empty())
            return defaultText;
        const QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    std::optional<QString> openFileDialog(const FileDialogRequest&) override
    {
        return nextOf(openAnswers);
    }
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return nextOf(saveAnswers);
    }
    std::optional<Colour> colourDialog(Colour) override { return {}; }
    std::optional<FontChoice> fontDialog(const FontChoice&) override { return {}; }
    // A printer whose page is an image of `printerPage`'s size, when given.
    PrintOutcome printPage(const PagePainter& paint) override
    {
        if (printerPage.isNull())
            return {PrintStatus::NoPrinter, {}};
        printerPage.fill(Qt::gray);
        QPainter painter(&printerPage);
        paint(painter, printerPage.rect());
        return {PrintStatus::Printed, {}};
    }
    std::optional<QString> popupMenu(const QString&, QPoint, const QStringList&) override
    {
        return {};
    }
    std::optional<QString> gridPopupMenu(const QString&) override { return {}; }
    bool modalWindowOpening(const QString&) override { return false; }
    void showAboutWindow(int) override {}

    QString clipboardText() const override { return clipboardText_; }
    void setClipboardText(const QString& text) override { clipboardText_ = text; }
    QImage clipboardImage() const override { return clipboardImage_; }
    void setClipboardImage(const QImage& image) override
    {
        clipboardData.reset();
        clipboardImage_ = image;
    }
    // Like the real clipboard, new data replaces everything that was there.
    void setClipboardData(std::unique_ptr<QMimeData> data) override
    {
        clipboardImage_ = data ? qvariant_cast<QImage>(data->imageData()) : QImage();
        clipboardData = std::move(data);
    }
    QByteArray clipboardMetafile() const override
    {
        const QString emf = QStringLiteral("image/x-emf");
        return clipboardData && clipboardData->hasFormat(emf) ? clipboardData->data(emf)
                                                              : QByteArray();
    }

    QPoint pointerPos() const override { return pointer_; }
    void warpPointer(QPoint surfacePos) override { pointer_ = surfacePos; }
    void setSurfaceCursor(SurfaceCursor) override {}

    void setControlChecked(Control control, bool on) override { checked[control] = on; }
    bool controlChecked(Control control) const override { return checked.value(control); }
    void setControlColour(Control, ControlColour, Colour) override {}
    void setBrushPreview(int, Colour) override {}
    void focusControl(Control) override { surfaceFocused = false; }
    void focusSurface() override { surfaceFocused = true; }
    bool surfaceHasFocus() const override { return surfaceFocused; }
    void setWindowCaption(const QString& text) override { caption = text; }
    void markGridRow(int) override {}
    void repaintSurface() override {}
    QSize surfaceSize() const override { return {800, 600}; }
    void setMenuItemChecked(const QString&, bool) override {}
    void closeMainWindow() override {}
    bool shellOpen(const QString&) override { return false; }

    bool surfaceFocused = true;
    QHash<Control, bool> checked;
    QString caption;
    QImage printerPage;
    std::unique_ptr<QMimeData> clipboardData;

private:
    template <class T> static std::optional<T> nextOf(std::deque<std::optional<T>>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        const std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int currentRow_ = 1;
    bool gridEnabled_ = true;
    int page_ = 0;
    QHash<Control, QString> controls_;
    QString clipboardText_;
    QImage clipboardImage_;
    QPoint pointer_;
};

} // namespace kel::test
