// Times the region operations on a generated drawing of 10,000 mixed rows on
// a 1280 x 800 surface: tagging a crop area over the whole surface, and
// moving, zooming and rotating every row (each without its redraw, timed
// apart). Prints the figures; asserts nothing.

#include "BenchEditor.h"
#include "figures/ObjectTransforms.h"
#include "interaction/tools/moving/TaggedRowsEngine.h"
#include "output/regions/CropAreaSearch.h"

#include <cstdio>

using namespace bench;

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    BenchEditor bench;
    kel::Editor& editor = bench.editor;
    const Generator& generator = bench.generator;
    editor.doc.table.renumber();
    editor.RedrawAll();
    const kel::CropArea whole{0, 0, kWidth - 1, kHeight - 1};

    int tagged = 0;
    // Each run starts from a changed table, so the row bounds are worked out
    // again as after any edit.
    const Timing tag = Median(9, [&] {
        editor.doc.table.setCell(kel::col::Tag, 1, QString());
        tagged = kel::FindObjectsInCropArea(editor, whole);
    });
    const Timing redraw = Median(9, [&] { editor.RedrawAll(); });

    kel::CopyTaggedRowsToScratch(editor.doc);
    kel::setGripPoint(editor, {640, 400});
    int step = 0;
    const Timing move = Median(9, [&] {
        ++step;
        kel::MoveTaggedRows(editor, {640 + step % 2, 400}, kel::MoveAction::Move);
    });
    kel::FindObjectsInCropArea(editor, whole);
    kel::CopyTaggedRowsToScratch(editor.doc);
    int value = 100;
    const Timing zoom = Median(9, [&] {
        ++value;
        kel::TransformCropObjects(editor.doc, kel::CropTransform::Zoom, value, {0, 0}, {});
    });
    const Timing rotate = Median(9, [&] {
        ++value;
        kel::TransformCropObjects(editor.doc, kel::CropTransform::Rotate, value, {}, {640, 400});
    });

    std::printf("drawing: %d rows on %d x %d\n", generator.rows(), kWidth, kHeight);
    std::printf("tag whole surface: %.1f ms wall, %.1f ms cpu (target 50 ms); %d tagged\n",
                tag.wall, tag.cpu, tagged);
    std::printf("move all rows: %.1f ms wall, %.1f ms cpu (target 50 ms)\n", move.wall, move.cpu);
    std::printf("zoom all rows: %.1f ms wall, %.1f ms cpu (target 50 ms)\n", zoom.wall, zoom.cpu);
    std::printf("rotate all rows: %.1f ms wall, %.1f ms cpu (target 50 ms)\n", rotate.wall,
                rotate.cpu);
    std::printf("one RedrawAll: %.1f ms wall, %.1f ms cpu\n", redraw.wall, redraw.cpu);
    return 0;
}
