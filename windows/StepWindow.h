#pragma once
// The single-step window "Single step ": Next, Prev, Refrsh, To Clipbrd and
// Done over a StepReplay. However it closes (Done, the title bar, Alt+F4,
// Esc), the replay finishes, so no object stays hidden by it.

#include "windows/StepReplay.h"

#include <QDialog>

class QLabel;

namespace kel {

class Editor;

inline constexpr int kStepWindowWidth = 208;
inline constexpr int kStepWindowHeight = 152;

class StepWindow : public QDialog {
    Q_OBJECT
public:
    StepWindow(Editor& editor, QWidget* parent);

    // Actions > "Single Step": starts the replay and shows the window, which
    // waits for Done at the desk.
    static void run(Editor& editor);

    void reject() override;

private:
    void build();
    void done();
    void showInfo();

    StepReplay replay_;
    QLabel* info_ = nullptr;
};

} // namespace kel
