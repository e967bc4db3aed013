#pragma once
// A white 400 x 300 canvas, attributes and a table for the record drawer tests.

#include "PixelChecks.h"
#include "model/Attributes.h"
#include "model/Canvas.h"
#include "model/ObjectTable.h"
#include "render/RasterCanvas.h"
#include "support/KelTestFiles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

namespace kel::test {

class DrawerTest : public ::testing::Test {
protected:
    static constexpr int kMin = std::numeric_limits<int>::min();
    static constexpr int kMax = std::numeric_limits<int>::max();

    RasterCanvas canvas{QSize(400, 300)};
    ObjectTable table{10};
    CurrentAttributes current; // width 2, black, grey brush, style 0

    using RecordDrawer = std::optional<QString> (*)(Canvas&, CurrentAttributes&, const ObjectTable&,
                                                    int, QPoint, bool);
    // A record drawer on this fixture's canvas, attributes and table.
    struct BoundDrawer {
        DrawerTest& test;
        RecordDrawer drawer;
        std::optional<QString> operator()(int r, QPoint offset = {}, bool highlight = false) const
        {
            return drawer(test.canvas, test.current, test.table, r, offset, highlight);
        }
    };

    // A visible row whose cells from the type column on are the
    // "|"-separated `cells`.
    void row(int r, const QString& cells) { putRow(table, r, "Y|" + cells); }
    const QImage& image()
    {
        canvas.finish();
        return canvas.image();
    }
    // Whether some pixel within `reach` of p has the colour.
    bool inkNear(QPoint p, Colour colour = kBlack, int reach = 1)
    {
        return Count(image(), QRect(p.x() - reach, p.y() - reach, 2 * reach + 1, 2 * reach + 1),
                     colour) > 0;
    }
};

} // namespace kel::test
