// Times the preview step of the line constructions and measuring tools on a
// generated drawing of 10,000 mixed rows: for each tool in each of its click
// states, the median of one pointer move, and of a full redraw followed by
// the move. The frame budget is 25 ms. Prints the figures; asserts nothing.

#include "BenchEditor.h"
#include "constructions/ConstructionsRegistration.h"

#include <cstdio>

using namespace bench;

namespace {

struct Case {
    const char* item;
    std::vector<QPoint> clicks; // made before timing
};

} // namespace

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    BenchEditor bench({kel::registerInteraction, kel::registerConstructions}, 2);
    kel::Editor& editor = bench.editor;
    Generator& generator = bench.generator;
    // The picked line, and a point for the struck line.
    const int line = generator.rows() + 1;
    generator.add({QStringLiteral("L"), QStringLiteral("00000001"), QStringLiteral("300"),
                   QStringLiteral("400"), QStringLiteral("900"), QStringLiteral("400")});
    generator.add(
        {QStringLiteral("P"), QStringLiteral("0"), QStringLiteral("600"), QStringLiteral("100")});
    const int point = line + 1;
    editor.RedrawAll();

    const Case cases[] = {
        {"mnulineactperpend", {}},
        {"PerpendicularatLine1", {{500, 420}}},
        {"mnulineacrperbisect", {}},
        {"mnuParallelLine", {{500, 300}, {400, 300}}},
        {"mnupoplinarbitlin", {{500, 300}}},
        {"mnugapinLine", {}},
        {"mnuMarkpointonline", {}},
        {"mnupopmirrorpoint", {}},
        {"mnuAdjustLen", {{880, 410}}},
        {"mnuAngletoendpoint", {{500, 420}, {520, 300}}},
        {"mnuapangFix", {{500, 420}}},
        {"mnumarkvert", {{500, 420}}},
        {"mnumarkfixeddist", {}},
        {"mnuanglebisect", {{500, 402}, {100, 100}}},
        {"mnuPerpendto2lines", {{500, 402}, {100, 100}}},
        {"mnuArc2markAng", {{500, 402}, {100, 100}}},
        {"mnuAngledline", {{500, 402}}},
        {"mnumesurLen", {{100, 100}}},
        {"mnumeasureAng", {{100, 100}, {300, 120}}},
        {"mnucountpixels", {{100, 100}, {700, 500}, {300, 300}}},
        {"mnutrianArea", {{100, 100}, {700, 150}}},
    };

    std::mt19937 random(11);
    std::vector<QPoint> places;
    for (int i = 0; i < 200; ++i)
        places.emplace_back(std::uniform_int_distribution<int>(0, kWidth - 1)(random),
                            std::uniform_int_distribution<int>(0, kHeight - 1)(random));
    std::printf("drawing: %d rows on %d x %d; frame budget 25 ms\n", generator.rows(), kWidth,
                kHeight);
    for (const Case& c : cases) {
        editor.tool.pickedRow = c.item == std::string_view("mnuAngledline") ? point : line;
        editor.runMenuItem(QString::fromLatin1(c.item));
        for (const QPoint click : c.clicks)
            editor.pointerDown(Qt::LeftButton, click);
        size_t next = 0;
        const Timing move = Median(101, [&] { editor.pointerMoved(places[next++ % 200]); });
        const Timing frame = Median(21, [&] {
            editor.RedrawAll();
            editor.pointerMoved(places[next++ % 200]);
        });
        std::printf("%-22s move %.3f ms, redraw + move %.3f ms wall (%.3f ms cpu)\n", c.item,
                    move.wall, frame.wall, frame.cpu);
        editor.CancelTool();
    }
    return 0;
}
