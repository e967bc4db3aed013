#include "figures/NearestKeyPoint.h"
#include "FigureTestSupport.h"
#include "figures/Measures.h"
#include "model/AttributeStrings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <tuple>
#include <utility>

namespace kel {
namespace {

using test::putRow;

// The search as the rows describe it: every candidate of every visible row
// in order, every grid node visited, the strictly nearer one kept.
std::optional<KeyPoint> BruteForce(const ObjectTable& table, QPoint pointer, bool ignoreZero)
{
    std::optional<KeyPoint> best;
    auto offer = [&](QPoint p, char kind, int row, int i = -1, int j = -1) {
        const std::optional<int> d = PointDistance(p, pointer);
        if (!d || (best && *d >= best->distance) || (kind == 'L' && ignoreZero && *d == 0))
            return;
        best = KeyPoint{p, kind, *d, row, i, j};
    };
    auto cell = [&](int c, int r, int def) { return table.intCell(c, r, def); };
    for (int r = 1; r < table.rows(); ++r) {
        if (table.cell(1, r) != "Y" || table.cell(2, r).isEmpty())
            continue;
        const QChar letter = table.cell(2, r).front();
        if (letter == 'A') {
            const int x = cell(4, r, 100), y = cell(5, r, 100), radius = cell(8, r, 100);
            for (int a : {cell(6, r, 30), cell(7, r, 90)}) {
                const double t = a * std::numbers::pi / 180.0;
                offer({x + static_cast<int>(std::rint(radius * std::cos(t))),
                       y - static_cast<int>(std::rint(radius * std::sin(t)))},
                      'L', r);
            }
        } else if (letter == 'L') {
            offer({cell(4, r, 100), cell(5, r, 100)}, 'L', r);
            offer({cell(6, r, 100), cell(7, r, 100)}, 'L', r);
        } else if (letter == 'G' || letter == 'N' || letter == 'B' || letter == 'K') {
            const std::vector<int> n = ParseNumberList(table.cell(4, r));
            const std::size_t pairs = n.size() / 2;
            for (std::size_t k = 0; k < pairs; ++k) {
                const bool end = k == 0 || k + 1 == pairs;
                if (letter == 'G' || letter == 'N')
                    offer({n[2 * k], n[2 * k + 1]}, 'G', r);
                else if (end)
                    offer({n[2 * k], n[2 * k + 1]}, 'B', r);
            }
        } else if (letter == 'D') {
            const long long x0 = cell(4, r, 100), y0 = cell(5, r, 100);
            const int count = cell(6, r, 100), size = cell(7, r, 100);
            for (int i = 0; i <= count; ++i) {
                for (int j = 0; j <= count; ++j) {
                    const long long x = x0 + static_cast<long long>(i) * size;
                    const long long y = y0 - static_cast<long long>(j) * size;
                    if (std::in_range<int>(x) && std::in_range<int>(y))
                        offer({static_cast<int>(x), static_cast<int>(y)}, 'D', r, i, j);
                }
            }
        } else if (letter == 'F' || letter == 'P') {
            offer({cell(4, r, 100), cell(5, r, 100)}, 'P', r);
        }
    }
    return best;
}

void ExpectSame(const std::optional<KeyPoint>& fast, const std::optional<KeyPoint>& slow,
                const char* where)
{
    ASSERT_EQ(fast.has_value(), slow.has_value()) << where;
    if (fast) {
        EXPECT_EQ(
            std::tie(fast->point, fast->kind, fast->distance, fast->row, fast->gridI, fast->gridJ),
            std::tie(slow->point, slow->kind, slow->distance, slow->row, slow->gridI, slow->gridJ))
            << where;
    }
}

TEST(NearestKeyPoint, HugeGridsAnswerAtOnce)
{
    ObjectTable table;
    putRow(table, 1, "Y|D|00000001|0|0|1000000000|1");
    const auto hit = NearestKeyPoint(table, {123456, -654321}, false);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->point, QPoint(123456, -654321));
    EXPECT_EQ(hit->gridJ, 654321);
    // Nodes beyond the 32-bit plane are not offered.
    putRow(table, 1, "Y|D|00000001|2147483000|0|1000000000|100");
    const auto edge = NearestKeyPoint(table, {2147483647, 0}, false);
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->point, QPoint(2147483600, 0));
    // Every node in one place: the first one wins.
    putRow(table, 1, "Y|D|00000001|5|5|1000000000|0");
    EXPECT_EQ(NearestKeyPoint(table, {9, 8}, false)->gridI, 0);
}

TEST(NearestKeyPoint, EqualsTheBruteForceSearchOnRandomDrawings)
{
    std::mt19937 random(1234);
    auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (int drawing = 0; drawing < 300; ++drawing) {
        ObjectTable table(40);
        const int rows = uniform(1, 30);
        std::vector<QPoint> spots; // pointers right on a first point test the passed-over ends
        for (int r = 1; r <= rows; ++r) {
            const QString state = uniform(0, 9) == 0 ? "N|" : "Y|";
            const char kind = "LPAGBKFDDDER"[uniform(0, 11)];
            const QString x = QString::number(uniform(-300, 300)),
                          y = QString::number(uniform(-300, 300));
            const QString head = state + kind + "|00000001|", at = head + x + '|' + y;
            spots.emplace_back(x.toInt(), y.toInt());
            QString row;
            switch (kind) {
            case 'L':
                row = at + QString("|%1|-7").arg(uniform(-300, 300));
                break;
            case 'P':
            case 'F':
                row = at;
                break;
            case 'E': // no key points
            case 'R':
                row = at + "|5|5";
                break;
            case 'A':
                row = at + QString("|%1|%2|%3")
                               .arg(uniform(-400, 400))
                               .arg(uniform(-400, 400))
                               .arg(uniform(0, 200));
                break;
            case 'D': // small or negative cells, so that many nodes tie
                row = at + QString("|%1|%2").arg(uniform(-1, 40)).arg(uniform(-12, 12));
                break;
            default: { // point lists: a curve's inner points are no key points
                QStringList list;
                for (int k = uniform(0, 9); k > 0; --k)
                    list << QString::number(uniform(-300, 300));
                row = head + list.join(' ');
            }
            }
            putRow(table, r, row);
        }
        for (int probe = 0; probe < 20; ++probe) {
            const QPoint pointer = probe % 2 ? spots[uniform(0, rows - 1)]
                                             : QPoint(uniform(-500, 500), uniform(-500, 500));
            const bool ignore = uniform(0, 1) == 0;
            ExpectSame(NearestKeyPoint(table, pointer, ignore), BruteForce(table, pointer, ignore),
                       "random drawing");
            if (HasFailure())
                return;
        }
    }
}

} // namespace
} // namespace kel
