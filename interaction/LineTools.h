#pragma once
// New lines: free, horizontal, vertical, and of typed length and angle.

#include "interaction/Tool.h"

namespace kel {

// "New Arbit. Line": two clicks, then the next line. A line started exactly
// on the end of an existing line reports the angle between the two as Adj.
class ArbitraryLineTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    static void track(Editor& editor, QPoint pos);
};

// "New Hor. Line" and "New Ver. Line": the second end slides along the
// horizontal (vertical) through the first click; the tool ends with its line.
class AxisLineTool : public Tool {
public:
    explicit AxisLineTool(bool vertical) : vertical_(vertical) {}

    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    void track(Editor& editor, QPoint pos) const;

    bool vertical_;
};

// "New Fixed Line": length and angle typed on page T7, one click places the
// first end; the tool ends with its line.
class FixedLineTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

} // namespace kel
