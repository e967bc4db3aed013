#pragma once
// A line construction whose last click writes one line from a fixed point to
// the point the pointer chose. A click counts only when the last move could
// compute the point it commits.

#include "interaction/tools/ClickSequenceTool.h"

#include <QPoint>
#include <QString>

namespace kel::linetools {

class SegmentTool : public ClickSequenceTool {
public:
    // The line goes from point `from` to point `to` (indices of P1..P8).
    SegmentTool(int clicks, AfterLast after, QString instruction, int from, int to);

protected:
    bool takeClick(Editor& editor, int clicks) override;
    bool complete(Editor& editor, QPoint pos) override;

    // The line the last click would write, with its length after `label`
    // ("L=%1"); nothing while the point is not computed.
    void previewLine(Editor& editor, const QString& label) const;

private:
    int from_;
    int to_;
};

} // namespace kel::linetools
