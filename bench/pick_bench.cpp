// Times the hover pick on a generated drawing of 10,000 mixed rows on a
// 1280 x 800 surface: the median time of one pick at random places, for the
// kinds the EditObj commands pick. Prints the figures; asserts nothing.

#include "BenchEditor.h"

#include <cstdio>

using namespace bench;

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    BenchEditor bench;
    kel::Editor& editor = bench.editor;
    const Generator& generator = bench.generator;
    editor.RedrawAll();

    std::mt19937 random(7);
    const QString letters = QStringLiteral("LCAPTRNGBKE");
    std::vector<QPoint> places;
    for (int i = 0; i < 400; ++i)
        places.emplace_back(std::uniform_int_distribution<int>(0, kWidth - 1)(random),
                            std::uniform_int_distribution<int>(0, kHeight - 1)(random));
    const QSize size(kWidth, kHeight);
    editor.picker.pick(places[0], kel::KindLetter(kel::RecordKind::Line),
                       size); // the bounds cache fills once
    int found = 0;
    size_t next = 0;
    const Timing pick = Median(2001, [&] {
        const QPoint at = places[next % places.size()];
        const QChar letter = letters[static_cast<int>(next % letters.size())];
        ++next;
        found += editor.picker.pick(at, letter, size) > 0;
    });
    std::printf("drawing: %d rows on %d x %d\n", generator.rows(), kWidth, kHeight);
    std::printf("hover pick median: %.3f ms wall, %.3f ms cpu (target 0.5 ms); %d of 2001 found\n",
                pick.wall, pick.cpu, found);
    return 0;
}
