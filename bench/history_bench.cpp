// Times undo and redo of one step on a generated drawing of 10,000 mixed
// rows, without and with the redraw, and the record that ends every event.
// Prints the figures; asserts nothing.

#include "BenchEditor.h"
#include "interaction/commands/HistoryCommands.h"

#include <cstdio>

using namespace bench;

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    BenchEditor bench;
    kel::Editor& editor = bench.editor;
    kel::ObjectTable& table = editor.doc.table;
    const Generator& generator = bench.generator;
    editor.doc.history.reset();
    kel::TableHistory& history = editor.doc.history;

    // One step that moves a line's end, as a tool's commit does.
    int value = 0;
    const Timing record = Median(201, [&] {
        table.setCell(kel::col::line::X2, 5000, ++value);
        history.record();
    });
    const Timing undo = Median(201, [&] {
        history.undo();
        history.redo();
    });
    const Timing undoRedraw = Median(21, [&] { kel::undoStep(editor); });
    const Timing redraw = Median(21, [&] { editor.RedrawAll(); });
    std::printf("drawing: %d rows on %d x %d\n", generator.rows(), kWidth, kHeight);
    std::printf("record one changed row: %.3f ms wall, %.3f ms cpu\n", record.wall, record.cpu);
    std::printf("undo + redo of one step: %.3f ms wall, %.3f ms cpu (target 5 ms each)\n",
                undo.wall, undo.cpu);
    std::printf("undo command with its redraw: %.3f ms wall; RedrawAll alone: %.3f ms wall\n",
                undoRedraw.wall, redraw.wall);
    return 0;
}
