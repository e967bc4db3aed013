#pragma once
// A UiPort that records what the core asked of the screen and answers every
// question with a fixed, harmless value, or with the answers queued for it.

#include "model/UiPort.h"

#include <QHash>
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
    // cancel when a queue is empty; the requests are kept to check.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;

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

    void showPage(int index) override { page_ = index; }
    int currentPage() const override { return page_; }
    void setTabVisible(int, bool) override {}

    void setControlText(const QString& name, const QString& text) override
    {
        controls_[name] = text;
    }
    QString controlText(const QString& name) const override { return controls_.value(name); }
    void setControlEnabled(const QString&, bool) override {}
    void setControlVisible(const QString&, bool) override {}

    void message(const QString& text) override { messages.push_back(text); }
    bool askYesNo(const QString&) override { return false; }
    QString inputBox(const QString&, const QString&, const QString& defaultText) override
    {
        return defaultText;
    }
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return nextAnswer(openAnswers);
    }
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return nextAnswer(saveAnswers);
    }
    std::optional<Colour> colourDialog(Colour) override { return {}; }
    std::optional<FontChoice> fontDialog(const FontChoice&) override { return {}; }
    std::optional<QString> printDialog() override { return {}; }
    std::optional<QString> popupMenu(const QString&, QPoint) override { return {}; }
    void showAboutWindow(int) override {}

    QString clipboardText() const override { return clipboardText_; }
    void setClipboardText(const QString& text) override { clipboardText_ = text; }
    QImage clipboardImage() const override { return clipboardImage_; }
    void setClipboardImage(const QImage& image) override { clipboardImage_ = image; }

    QPoint pointerPos() const override { return pointer_; }
    void warpPointer(QPoint surfacePos) override { pointer_ = surfacePos; }
    void setSurfaceCursor(SurfaceCursor) override {}

    void repaintSurface() override {}
    QSize surfaceSize() const override { return {800, 600}; }
    void setMenuItemChecked(const QString&, bool) override {}
    void closeMainWindow() override {}
    bool shellOpen(const QString&) override { return false; }

private:
    static std::optional<QString> nextAnswer(std::deque<std::optional<QString>>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        const bool given = answers.front().has_value();
        const QString name = given ? *answers.front() : QString();
        answers.pop_front();
        if (!given)
            return std::nullopt;
        return name;
    }

    int currentRow_ = 1;
    bool gridEnabled_ = true;
    int page_ = 0;
    QHash<QString, QString> controls_;
    QString clipboardText_;
    QImage clipboardImage_;
    QPoint pointer_;
};

} // namespace kel::test
