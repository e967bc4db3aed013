#pragma once
// The shape most tools have: an instruction when they start, the point the
// next click freezes kept up to date on every move with a preview of what the
// click would make, and rows written on the last of a fixed number of
// clicks. After the last click the tool either waits for the next object of
// the same kind (repeats) or ends.

#include "interaction/core/Tool.h"

#include <QString>

#include <utility>

namespace kel {

class ClickSequenceTool : public Tool {
public:
    enum class AfterLast { Repeats, Ends };

    ClickSequenceTool(int clicks, AfterLast after, QString instruction = {})
        : clicks_(clicks), after_(after), instruction_(std::move(instruction))
    {
    }

    // The instruction, when there is one, then begin().
    void start(Editor& editor) override;
    // track(), then preview().
    void move(Editor& editor, QPoint pos) override;
    // track() and count the click; a click before the last goes to
    // takeClick(), the last to complete(). A click either refuses is not
    // counted.
    void click(Editor& editor, QPoint pos) override;

protected:
    // What the tool sets up when it starts: parameters, pages, the grid.
    virtual void begin(Editor&) {}
    // Stores the pointer where the next click freezes it.
    virtual void track(Editor&, QPoint) {}
    // Draws on the overlay what the next click would make; live values.
    virtual void preview(Editor&, QPoint) {}
    // A click before the last one, already counted; false refuses it.
    virtual bool takeClick(Editor&, int /*clicks*/) { return true; }
    // The last click: writes the rows, or says why it cannot and gives false.
    virtual bool complete(Editor& editor, QPoint pos) = 0;

private:
    int clicks_;
    AfterLast after_;
    QString instruction_;
};

} // namespace kel
