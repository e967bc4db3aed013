// Times the renderer on a generated drawing of 10,000 mixed rows on a
// 1280 x 800 surface: the median of RedrawAll and of Enhance Image, of
// saving and loading the drawing as a KEL file, and of flood fills. Prints
// the figures; asserts nothing. RedrawAll and Enhance Image share their work
// with a second thread: their cpu figure is the calling thread's share, the
// wall figure what the user waits (on a busy machine it counts the wait for
// a free core too).

#include "BenchSupport.h"
#include "interaction/core/SilentUiPort.h"
#include "model/KelFile.h"
#include "render/RasterCanvas.h"
#include "render/Renderer.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

using namespace bench;

namespace {

// Flood fills: one over the whole empty surface, a drawing of 3,000 fill
// rows at 800 x 600, and the bench drawing with 50 fills among its rows.
void TimeFills(kel::UiPort& ui, kel::CurrentAttributes& current)
{
    kel::RasterCanvas surface(QSize(kWidth, kHeight));
    int turn = 0;
    const Timing whole = Median(21, [&] {
        surface.setBrush(
            {++turn % 2 ? kel::Colour{0x00FF00} : kel::Colour{0xFF0000}, kel::BrushStyle::Solid});
        surface.floodFill({kWidth / 2, kHeight / 2}, kel::kBlack);
    });
    std::printf("whole-surface fill %d x %d median: %.2f ms wall, %.2f ms cpu (target 1 ms)\n",
                kWidth, kHeight, whole.wall, whole.cpu);

    kel::ObjectTable fills(3002);
    Generator fillRows(fills);
    for (int i = 0; i < 20; ++i)
        fillRows.addMixedRow(0); // a few lines to break the surface up
    while (fillRows.rows() < 3000)
        fillRows.addLooseFill(800, 600);
    kel::Renderer many(fills, current, ui);
    many.setGridDots(false);
    many.createBitmap(QSize(800, 600));
    const Timing manyTime = Median(3, [&] { many.RedrawAll(); });
    std::printf("3,000 fill rows at 800 x 600 RedrawAll median: %.0f ms wall, %.0f ms cpu "
                "(target: export under 5 s)\n",
                manyTime.wall, manyTime.cpu);

    kel::ObjectTable mixed(kRows + 2);
    Generator mixedRows(mixed);
    for (int i = 0; i < kRows - 50; ++i) {
        mixedRows.addMixedRow();
        if (i % 199 == 0)
            mixedRows.addLooseFill(kWidth, kHeight);
    }
    kel::Renderer fifty(mixed, current, ui);
    fifty.createBitmap(QSize(kWidth, kHeight));
    fifty.RedrawAll();
    const Timing fiftyTime = Median(7, [&] { fifty.RedrawAll(); });
    std::printf("%d rows with 50 fills RedrawAll median: %.1f ms wall, %.1f ms cpu "
                "(target far below 200 ms)\n",
                mixedRows.rows(), fiftyTime.wall, fiftyTime.cpu);
}

} // namespace

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    kel::ObjectTable table(kRows + 2);
    Generator generator = BenchDrawing(table);

    kel::SilentUiPort ui; // the renderer only repaints and writes the status bar
    kel::CurrentAttributes current;
    kel::Renderer renderer(table, current, ui);
    renderer.createBitmap(QSize(kWidth, kHeight));

    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("kinds")) {
        // The redraw time of 10,000 rows of each kind alone.
        const std::pair<const char*, int> kinds[] = {
            {"lines", 0},    {"circles", 30},     {"arcs", 40},     {"rectangles", 50},
            {"points", 60},  {"texts", 75},       {"polygons", 80}, {"polylines", 85},
            {"Beziers", 90}, {"polynomials", 95}, {"ellipses", 98}};
        for (const auto& [name, kind] : kinds) {
            kel::ObjectTable single(kRows + 2);
            Generator rows(single);
            while (rows.rows() < kRows)
                rows.addMixedRow(kind);
            kel::Renderer r(single, current, ui);
            r.createBitmap(QSize(kWidth, kHeight));
            r.RedrawAll();
            const Timing t = Median(5, [&] { r.RedrawAll(); });
            std::printf("%-12s %6.1f ms wall %6.1f ms cpu\n", name, t.wall, t.cpu);
        }
        return 0;
    }
    // "redraw", "enhance" or "fills" as the first argument times that one
    // only.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only == QLatin1String("fills")) {
        TimeFills(ui, current);
        return 0;
    }
    renderer.RedrawAll(); // warm the font and glyph caches
    const Timing redraw =
        only == QLatin1String("enhance") ? Timing{} : Median(21, [&] { renderer.RedrawAll(); });
    const Timing enhance =
        only == QLatin1String("redraw") ? Timing{} : Median(7, [&] { renderer.enhanceImage(); });

    std::printf("drawing: %d rows on %d x %d\n", generator.rows(), kWidth, kHeight);
    std::printf("RedrawAll median: %.1f ms wall, %.1f ms cpu (target 12 ms)\n", redraw.wall,
                redraw.cpu);
    std::printf("Enhance Image median: %.1f ms wall, %.1f ms cpu (target 150 ms)\n", enhance.wall,
                enhance.cpu);
    // Saving and loading the same drawing as a KEL file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.kel"));
    const Timing save =
        Median(11, [&] { kel::writeKelFile(path, kel::kelLines(table, kel::KelRowSet::InUse)); });
    kel::ObjectTable loaded;
    const Timing load = Median(11, [&] {
        const kel::KelReadResult read = kel::readKelFile(path);
        kel::replaceRows(loaded, read.rows);
    });
    std::printf("KEL save median: %.1f ms wall, %.1f ms cpu (target 50 ms)\n", save.wall, save.cpu);
    std::printf("KEL load median: %.1f ms wall, %.1f ms cpu (target 50 ms)\n", load.wall, load.cpu);
    if (only.isEmpty())
        TimeFills(ui, current);
    if (!renderer.lastProblem().isEmpty())
        std::printf("rows left out: %s\n", qPrintable(renderer.lastProblem()));
    return 0;
}
