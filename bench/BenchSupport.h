#pragma once
// What the benchmarks share: the Qt application they open with, a generated
// drawing of mixed rows like a teacher's worksheet, and medians of
// wall-clock and CPU time.

#include "model/ObjectTable.h"
#include "model/RecordKinds.h"

#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <random>
#include <time.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;
constexpr int kRows = 10000;
constexpr int kWidth = 1280;
constexpr int kHeight = 800;

// Benches run headless unless a platform is asked for; the platform is
// chosen before the application starts.
struct OffscreenUnlessSet {
    OffscreenUnlessSet()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

// The Qt application every bench's main opens with.
class BenchApp : OffscreenUnlessSet, public QGuiApplication {
public:
    BenchApp(int& argc, char** argv) : QGuiApplication(argc, argv) {}
};

class Generator {
public:
    explicit Generator(kel::ObjectTable& table) : table_(table) {}

    // The bench drawing: five fills, then mixed rows up to kRows.
    void addBenchDrawing()
    {
        addFills(5);
        while (rows() < kRows)
            addMixedRow();
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    QString n(int lo, int hi) { return QString::number(pick(lo, hi)); }
    QString x() { return n(0, kWidth); }
    QString y() { return n(0, kHeight); }
    // Mostly width 1, some 2 and some dotted, in a few colours.
    QString pen()
    {
        static const char* colours[] = {"000000", "0000FF", "FF0000", "008000", "800080"};
        const int width = pick(0, 9) < 7 ? 1 : pick(0, 2);
        return QString::fromLatin1(colours[pick(0, 4)]) + QStringLiteral("0") +
               QString::number(width);
    }
    QString points(int count, int spread)
    {
        const int cx = pick(spread, kWidth - spread), cy = pick(spread, kHeight - spread);
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << n(cx - spread, cx + spread) << n(cy - spread, cy + spread);
        return list.join(' ');
    }

    void add(const QStringList& cells)
    {
        ++row_;
        table_.setCell(kel::col::State, row_, QStringLiteral("Y"));
        for (int i = 0; i < cells.size(); ++i)
            table_.setCell(kel::col::Type + i, row_, cells[i]);
    }

    // kind: 0..99 picks the record type as in a mixed drawing.
    void addMixedRow(int kind = -1)
    {
        if (kind < 0)
            kind = pick(0, 99);
        if (kind < 25) {
            const int x1 = pick(0, kWidth), y1 = pick(0, kHeight);
            add({"L", pen(), QString::number(x1), QString::number(y1),
                 QString::number(x1 + pick(-150, 150)), QString::number(y1 + pick(-150, 150))});
        } else if (kind < 37) {
            const bool filled = pick(0, 4) == 0;
            add({"C", pen(), x(), y(), filled ? n(-60, -5) : n(5, 80),
                 filled ? QStringLiteral("80808001") : QString()});
        } else if (kind < 46) {
            add({"A", pen(), x(), y(), n(0, 359), n(0, 359), n(10, 120)});
        } else if (kind < 55) {
            const int x1 = pick(0, kWidth), y1 = pick(0, kHeight);
            add({"R", pen(), QString::number(x1), QString::number(y1),
                 QString::number(x1 + pick(10, 150)), QString::number(y1 + pick(10, 100))});
        } else if (kind < 70) {
            add({"P", n(0, 3), x(), y()});
        } else if (kind < 78) {
            add({"T", x(), y(), n(8, 16), "000000", n(0, 3), "Times New Roman",
                 QStringLiteral("Triangle ABC %1").arg(row_), pick(0, 5) == 0 ? n(0, 90) : "0"});
        } else if (kind < 84) {
            add({"N", pen(), points(pick(3, 6), 60), pick(0, 1) ? "C0C0C001" : ""});
        } else if (kind < 89) {
            add({"G", pen(), points(pick(3, 8), 80)});
        } else if (kind < 94) {
            add({"B", pen(), points(4, 80)});
        } else if (kind < 97) {
            add({"K", pen(), points(pick(3, 5), 60)});
        } else {
            add({"E", pen(), x(), y(), x(), y()});
        }
    }

    // A few closed boxes with a fill inside each, early in the drawing.
    void addFills(int count)
    {
        for (int i = 0; i < count; ++i) {
            const int left = 40 + i * 200, top = 40;
            add({"R", "00000001", QString::number(left), QString::number(top),
                 QString::number(left + 120), QString::number(top + 90)});
            add({"F", i % 2 ? "00FFFF04" : "00FF0000", QString::number(left + 60),
                 QString::number(top + 45), "000000"});
        }
    }

    // A fill at a random point bordered by black, solid or hatched.
    void addLooseFill(int width, int height)
    {
        static const char* brushes[] = {"00FF0000", "FF000004", "0000FF00", "00808002"};
        add({"F", brushes[pick(0, 3)], n(0, width - 1), n(0, height - 1), "000000"});
    }

    int rows() const { return row_; }

private:
    kel::ObjectTable& table_;
    std::mt19937 random_{20240611};
    int row_ = 0;
};

// The bench drawing in `table`, sized for it and `spareRows` more rows; the
// generator returned adds after its last row.
inline Generator BenchDrawing(kel::ObjectTable& table, int spareRows = 0)
{
    table.setRows(kRows + 2 + spareRows);
    Generator generator(table);
    generator.addBenchDrawing();
    return generator;
}

// Wall-clock and CPU time of this thread: on a busy machine the second
// shows what the work itself costs.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double ThreadCpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

template <typename F> Timing Median(int runs, F&& run)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double cpuStart = ThreadCpuMilliseconds();
        run();
        cpu.push_back(ThreadCpuMilliseconds() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace bench
