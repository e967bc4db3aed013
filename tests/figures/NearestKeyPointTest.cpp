#include "figures/NearestKeyPoint.h"
#include "FigureTestSupport.h"
#include "figures/Measures.h"
#include "model/AttributeStrings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <tuple>

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
                    if (x >= std::numeric_limits<int>::min() &&
                        x <= std::numeric_limits<int>::max() &&
                        y >= std::numeric_limits<int>::min() &&
                        y <= std::numeric_limits<int>::max())
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

// The key point found as "(x,y) kind row".
std::string Hit(const ObjectTable& table, QPoint pointer, bool ignoreZero = false)
{
    const auto k = NearestKeyPoint(table, pointer, ignoreZero);
    return k ? test::Show(k->point) + ' ' + k->kind + std::to_string(k->row) : "none";
}

TEST(NearestKeyPoint, OffersTheKeyPointsOfEachKind)
{
    ObjectTable table;
    putRow(table, 1, "Y|A|00000001|100|100|0|90|50");
    putRow(table, 2, "Y|G|00000001|300 300 310 320 330 300");
    putRow(table, 3, "Y|K|00000001|500 500 510 520 530 500");
    putRow(table, 4, "Y|D|00000001|700|700|3|20");
    putRow(table, 5, "Y|F|000000|900|900|000000");
    putRow(table, 6, "Y|R|00000001|0|0|2000|2000"); // no key points
    EXPECT_EQ(Hit(table, {101, 45}), "(100,50) L1");
    EXPECT_EQ(Hit(table, {311, 322}), "(310,320) G2");
    EXPECT_EQ(Hit(table, {532, 499}), "(530,500) B3");
    EXPECT_EQ(Hit(table, {723, 659}), "(720,660) D4");
    EXPECT_EQ(Hit(table, {899, 903}), "(900,900) P5");
    EXPECT_EQ(Hit(table, {510, 520}), "(500,500) B3"); // a curve's inner point is no key point
}

TEST(NearestKeyPoint, EarliestRowAndFirstCandidateWinTiesAndLineEndsCanBePassedOver)
{
    ObjectTable table;
    putRow(table, 1, "Y|P|0|10|0");
    putRow(table, 2, "Y|L|00000001|-10|0|0|10");
    EXPECT_EQ(Hit(table, {0, 0}), "(10,0) P1");
    // 2.24 and 2.0 both round to 2: a tie.
    putRow(table, 1, "Y|P|0|1|2");
    putRow(table, 2, "Y|P|0|2|0");
    EXPECT_EQ(Hit(table, {0, 0}), "(1,2) P1");

    putRow(table, 1, "Y|L|00000001|50|50|90|50");
    putRow(table, 2, "Y|P|0|60|60");
    EXPECT_EQ(Hit(table, {50, 50}), "(50,50) L1");
    EXPECT_EQ(Hit(table, {50, 50}, true), "(60,60) P2");
    putRow(table, 3, "Y|P|0|50|50"); // points of other kinds under the pointer still count
    EXPECT_EQ(Hit(table, {50, 50}, true), "(50,50) P3");

    // Hidden rows, rows without key points, empty lists and grids with a
    // negative cell count offer nothing.
    ObjectTable none;
    putRow(none, 1, "N|P|0|1|1");
    putRow(none, 2, "Y|E|00000001|0|0|10|10");
    putRow(none, 3, "Y|G|00000001|");
    putRow(none, 4, "Y|D|00000001|0|0|-1|10");
    EXPECT_EQ(Hit(none, {0, 0}), "none");
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
        for (int r = 1; r <= rows; ++r) {
            const QString state = uniform(0, 9) == 0 ? "N" : "Y";
            const QString p1 = QString("%1|%2").arg(uniform(-300, 300)).arg(uniform(-300, 300));
            switch (uniform(0, 6)) {
            case 0:
                putRow(table, r,
                       state + "|L|00000001|" + p1 + QString("|%1|-7").arg(uniform(-300, 300)));
                break;
            case 1:
                putRow(table, r, state + "|P|0|" + p1);
                break;
            case 2:
                putRow(table, r,
                       state + "|A|00000001|" + p1 +
                           QString("|%1|%2|%3")
                               .arg(uniform(-400, 400))
                               .arg(uniform(-400, 400))
                               .arg(uniform(0, 200)));
                break;
            case 3: {
                QStringList list;
                for (int k = uniform(0, 9); k > 0; --k)
                    list << QString::number(uniform(-300, 300));
                putRow(table, r,
                       state + (uniform(0, 1) ? "|G|00000001|" : "|B|00000001|") + list.join(' '));
                break;
            }
            default: {
                // Grids with small or negative cells, so that many nodes tie.
                const int size = uniform(-12, 12);
                const int count = uniform(-1, 40);
                putRow(table, r,
                       state + "|D|00000001|" + p1 + QString("|%1|%2").arg(count).arg(size));
                break;
            }
            }
        }
        for (int probe = 0; probe < 20; ++probe) {
            const QPoint pointer(uniform(-500, 500), uniform(-500, 500));
            const bool ignore = uniform(0, 3) == 0;
            ExpectSame(NearestKeyPoint(table, pointer, ignore), BruteForce(table, pointer, ignore),
                       "random drawing");
            if (HasFailure())
                return;
        }
    }
}

TEST(NearestKeyPoint, GridTiesFollowTheNodeOrder)
{
    // A pointer midway between grid lines: four nodes at the same distance,
    // and rings of nodes whose rounded distances tie.
    ObjectTable table;
    putRow(table, 1, "Y|D|00000001|0|0|50|2");
    for (QPoint pointer : {QPoint(51, -51), QPoint(-30, -45), QPoint(37, -200)})
        ExpectSame(NearestKeyPoint(table, pointer, false), BruteForce(table, pointer, false),
                   "grid");
    putRow(table, 1, "Y|D|00000001|0|0|50|-3");
    for (QPoint pointer : {QPoint(-31, 31), QPoint(-200, 300)})
        ExpectSame(NearestKeyPoint(table, pointer, false), BruteForce(table, pointer, false),
                   "negative cells");
}

} // namespace
} // namespace kel
