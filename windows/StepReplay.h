#pragma once
// Replays the drawing object by object through the state column: at the
// start every object is hidden; next shows one more, previous hides one again,
// and finish puts back every state exactly as it was.

#include <QString>
#include <QStringList>

namespace kel {

class Editor;

class StepReplay {
public:
    // Remembers the states of the rows in use, hides them and redraws.
    explicit StepReplay(Editor& editor);

    // Shows the object at the step index (one that was hidden before the
    // replay stays hidden but still takes its step); nothing past the end.
    void next();
    // Hides the object at the step index, then steps back (not below 1).
    void previous();
    void redraw();
    // Puts the picture as it is now on the clipboard.
    void copyPicture();
    // Restores the remembered states and redraws; later calls do nothing.
    void finish();

    // The step window's status line.
    const QString& info() const { return info_; }

private:
    bool rememberedVisible(int row) const;
    void setState(int row, const QString& state);

    Editor& editor_;
    QStringList states_; // the state cell of rows 1 to count at the start
    int step_ = 1;
    bool finished_ = false;
    QString info_;
};

} // namespace kel
