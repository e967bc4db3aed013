#pragma once
// A drawing for the export tests: an object table, its renderer on a
// 320 x 240 bitmap without grid dots, and rows appended cell by cell.

#include "interaction/core/SilentUiPort.h"
#include "model/Attributes.h"
#include "model/ObjectTable.h"
#include "render/Renderer.h"
#include "support/KelTestFiles.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace kel::test {

class DrawingFixture : public ::testing::Test {
protected:
    DrawingFixture()
    {
        renderer.setGridDots(false);
        renderer.createBitmap(QSize(320, 240));
    }

    // A visible row with the cells from column 2 on.
    void add(const QStringList& cells) { putRow(table, next++, "Y|" + cells.join('|')); }

    // Rows of every kind a worksheet has, a fill and a hatch among them.
    void addMixedDrawing()
    {
        add({"R", "00000002", "20", "20", "140", "110"});
        add({"F", "FF000004", "80", "60", "000000"});
        add({"L", "0000FF00", "10", "150", "300", "150"});
        add({"C", "00800003", "220", "70", "45"});
        add({"C", "FF00FF01", "220", "180", "-30", "00FFFF01"});
        add({"E", "00000001", "30", "170", "120", "230"});
        add({"A", "FF000002", "260", "200", "0", "180", "30"});
        add({"N", "00000001", "150 120 190 100 200 140", "C0C0C001"});
        add({"T", "160", "10", "14", "000000", "0", "Arial", "Side a = 5 cm", "0"});
    }

    SilentUiPort ui{QSize(320, 240)};
    ObjectTable table;
    CurrentAttributes current;
    Renderer renderer{table, current, ui};
    int next = 1;
};

// The share of pixels whose colours differ by more than `tolerance` in any
// channel; images of different sizes differ entirely.
inline double DifferingShare(const QImage& a, const QImage& b, int tolerance)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    long long differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) > tolerance ||
                         std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                         std::abs(qBlue(p) - qBlue(q)) > tolerance;
        }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

} // namespace kel::test
