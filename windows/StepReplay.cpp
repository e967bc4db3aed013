#include "windows/StepReplay.h"

#include "interaction/core/Editor.h"

namespace kel {

namespace {
const QString kVisible = QStringLiteral("Y");
const QString kHidden = QStringLiteral("N");
} // namespace

StepReplay::StepReplay(Editor& editor) : editor_(editor)
{
    ObjectTable& table = editor_.doc.table;
    ObjectTable::BulkUpdate bulk(table);
    const int count = table.lastRowInUse();
    for (int r = 1; r <= count; ++r) {
        states_ << table.cell(kStateColumn, r);
        table.setCell(kStateColumn, r, kHidden);
    }
    redraw();
}

bool StepReplay::rememberedVisible(int row) const
{
    return row >= 1 && row <= states_.size() && states_[row - 1] == kVisible;
}

void StepReplay::setState(int row, const QString& state)
{
    editor_.doc.table.setCell(kStateColumn, row, state);
    editor_.ui().repaintGrid();
    redraw();
}

void StepReplay::next()
{
    if (finished_ || step_ > states_.size() || !editor_.doc.table.inUse(step_))
        return;
    if (rememberedVisible(step_))
        setState(step_, kVisible);
    info_ = QStringLiteral("Object No=%1").arg(step_);
    ++step_;
}

void StepReplay::previous()
{
    if (finished_)
        return;
    if (rememberedVisible(step_) && editor_.doc.table.inUse(step_)) {
        setState(step_, kHidden);
        info_ = QStringLiteral("Index=%1").arg(step_);
    }
    if (step_ > 1)
        --step_;
}

void StepReplay::redraw()
{
    editor_.RedrawAll();
    editor_.ui().repaintSurface();
}

void StepReplay::copyPicture()
{
    editor_.ui().setClipboardImage(editor_.renderer.bitmap());
    editor_.ui().message(QStringLiteral("Image copied to clipboard"));
}

void StepReplay::finish()
{
    if (finished_)
        return;
    finished_ = true;
    ObjectTable& table = editor_.doc.table;
    {
        ObjectTable::BulkUpdate bulk(table);
        for (int r = 1; r <= states_.size() && r < table.rows(); ++r)
            table.setCell(kStateColumn, r, states_[r - 1]);
    }
    states_.clear();
    editor_.ui().repaintGrid();
    redraw();
}

} // namespace kel
