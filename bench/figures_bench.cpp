// Times the snap search on a drawing of 10,000 rows with a 100 x 100 grid,
// and on a grid of a billion cells per side. Prints the figures; asserts
// nothing.

#include "figures/NearestKeyPoint.h"
#include "model/ObjectTable.h"

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
    auto coord = [&] { return std::uniform_int_distribution<int>(0, 1600)(random); };
    const int rows = table.rows() - 1;
    for (int r = 1; r <= rows; ++r) {
        table.setCell(1, r, QStringLiteral("Y"));
        if (r == rows / 2) {
            // 100 x 100 cells: 10,201 nodes.
            table.setCell(2, r, QStringLiteral("D"));
            table.setCell(3, r, QStringLiteral("00000001"));
            table.setCell(4, r, 100);
            table.setCell(5, r, 1100);
            table.setCell(6, r, 100);
            table.setCell(7, r, 10);
            continue;
        }
        switch (r % 5) {
        case 0:
        case 1:
            table.setCell(2, r, QStringLiteral("L"));
            table.setCell(3, r, QStringLiteral("00000001"));
            for (int c = 4; c <= 7; ++c)
                table.setCell(c, r, coord());
            break;
        case 2:
            table.setCell(2, r, QStringLiteral("P"));
            table.setCell(3, r, QStringLiteral("0"));
            table.setCell(4, r, coord());
            table.setCell(5, r, coord());
            break;
        case 3:
            table.setCell(2, r, QStringLiteral("C"));
            table.setCell(3, r, QStringLiteral("00000001"));
            table.setCell(4, r, coord());
            table.setCell(5, r, coord());
            table.setCell(6, r, 40);
            break;
        default: {
            table.setCell(2, r, QStringLiteral("G"));
            table.setCell(3, r, QStringLiteral("00000001"));
            QStringList list;
            for (int k = 0; k < 8; ++k)
                list << QString::number(coord());
            table.setCell(4, r, list.join(u' '));
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
    huge.setCell(1, 1, QStringLiteral("Y"));
    huge.setCell(2, 1, QStringLiteral("D"));
    huge.setCell(4, 1, 0);
    huge.setCell(5, 1, 0);
    huge.setCell(6, 1, 1000000000);
    huge.setCell(7, 1, 2);
    const Timing h = TimeSearches(huge, random, 500);
    std::printf("NearestKeyPoint, one grid of 1,000,000,000 x 1,000,000,000 cells: mean %.2f us, "
                "median %.2f us, max %.2f us per call\n",
                h.meanMicros, h.medianMicros, h.maxMicros);
    return 0;
}
