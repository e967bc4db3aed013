// Times the snap search on a drawing of 10,000 rows with a 100 x 100 grid,
// and on a grid of a billion cells per side. Prints the figures; asserts
// nothing.

#include "figures/NearestKeyPoint.h"
#include "model/ObjectTable.h"
#include "model/RecordKinds.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void FillDrawing(kel::ObjectTable& table, std::mt19937& random)
{
    using kel::RecordKind, kel::KindText;
    namespace col = kel::col;
    const QString pen = QStringLiteral("00000001");
    auto coord = [&] { return std::uniform_int_distribution<int>(0, 1600)(random); };
    const int rows = table.rows() - 1;
    for (int r = 1; r <= rows; ++r) {
        table.setCell(col::State, r, QStringLiteral("Y"));
        if (r == rows / 2) {
            // 100 x 100 cells: 10,201 nodes.
            table.setCell(col::Type, r, KindText(RecordKind::Grid));
            table.setCell(col::grid::Pen, r, pen);
            table.setCell(col::grid::Left, r, 100);
            table.setCell(col::grid::Bottom, r, 1100);
            table.setCell(col::grid::Cells, r, 100);
            table.setCell(col::grid::CellSize, r, 10);
            continue;
        }
        switch (r % 5) {
        case 0:
        case 1:
            table.setCell(col::Type, r, KindText(RecordKind::Line));
            table.setCell(col::line::Pen, r, pen);
            for (int c = col::line::X1; c <= col::line::Y2; ++c)
                table.setCell(c, r, coord());
            break;
        case 2:
            table.setCell(col::Type, r, KindText(RecordKind::Point));
            table.setCell(col::point::Shape, r, QStringLiteral("0"));
            table.setCell(col::point::X, r, coord());
            table.setCell(col::point::Y, r, coord());
            break;
        case 3:
            table.setCell(col::Type, r, KindText(RecordKind::Circle));
            table.setCell(col::circle::Pen, r, pen);
            table.setCell(col::circle::CentreX, r, coord());
            table.setCell(col::circle::CentreY, r, coord());
            table.setCell(col::circle::Radius, r, 40);
            break;
        default: {
            table.setCell(col::Type, r, KindText(RecordKind::Polyline));
            table.setCell(col::list::Pen, r, pen);
            QStringList list;
            for (int k = 0; k < 8; ++k)
                list << QString::number(coord());
            table.setCell(col::list::Points, r, list.join(u' '));
            break;
        }
        }
    }
}

struct Timing {
    double meanMicros;
    double medianMicros;
    double maxMicros; // includes any preemption by other processes
};

Timing TimeSearches(const kel::ObjectTable& table, std::mt19937& random, int calls)
{
    std::uniform_int_distribution<int> coord(-100, 1700);
    std::vector<double> times;
    long long checksum = 0;
    for (int n = 0; n < calls; ++n) {
        const QPoint pointer(coord(random), coord(random));
        const auto start = Clock::now();
        const auto hit = kel::NearestKeyPoint(table, pointer, false);
        const double micros =
            std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        checksum += hit ? hit->distance : -1;
        times.push_back(micros);
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    for (double t : times)
        total += t;
    // The checksum keeps the calls from being optimised away.
    std::printf("  (%d calls, checksum %lld)\n", calls, checksum);
    return {total / calls, times[times.size() / 2], times.back()};
}

} // namespace

int main()
{
    std::mt19937 random(2024);
    kel::ObjectTable drawing(10001); // header row + 10,000 object rows
    FillDrawing(drawing, random);
    TimeSearches(drawing, random, 20); // warm up
    const Timing t = TimeSearches(drawing, random, 500);
    std::printf("NearestKeyPoint, 10,000 rows with a 100 x 100 grid: mean %.1f us, median %.1f us, "
                "max %.1f us per call (limit 1000 us)\n",
                t.meanMicros, t.medianMicros, t.maxMicros);

    kel::ObjectTable huge(2);
    namespace col = kel::col;
    huge.setCell(col::State, 1, QStringLiteral("Y"));
    huge.setCell(col::Type, 1, kel::KindText(kel::RecordKind::Grid));
    huge.setCell(col::grid::Left, 1, 0);
    huge.setCell(col::grid::Bottom, 1, 0);
    huge.setCell(col::grid::Cells, 1, 1000000000);
    huge.setCell(col::grid::CellSize, 1, 2);
    const Timing h = TimeSearches(huge, random, 500);
    std::printf("NearestKeyPoint, one grid of 1,000,000,000 x 1,000,000,000 cells: mean %.2f us, "
                "median %.2f us, max %.2f us per call\n",
                h.meanMicros, h.medianMicros, h.maxMicros);
    return 0;
}
