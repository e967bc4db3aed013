#include "constructions/lines/SegmentTool.h"

#include "constructions/lines/LineSupport.h"

#include "interaction/core/Editor.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

#include <utility>

namespace kel::linetools {

SegmentTool::SegmentTool(int clicks, AfterLast after, QString instruction, int from, int to)
    : ClickSequenceTool(clicks, after, std::move(instruction)), from_(from), to_(to)
{
}

bool SegmentTool::takeClick(Editor& editor, int)
{
    return ready(editor);
}

bool SegmentTool::complete(Editor& editor, QPoint)
{
    if (!ready(editor))
        return false;
    const QPoint a = clickPoint(editor, from_);
    const QPoint b = clickPoint(editor, to_);
    return AddLineRow(editor.doc, a.x(), a.y(), b.x(), b.y());
}

void SegmentTool::previewLine(Editor& editor, const QString& label) const
{
    if (!ready(editor))
        return;
    const QPoint a = clickPoint(editor, from_);
    const QPoint b = clickPoint(editor, to_);
    previewSegment(editor, a, b);
    status(editor, label.arg(distance(a, b)));
}

} // namespace kel::linetools
