#pragma once
// What the drawer tests share: a white 400 x 300 raster canvas, the current
// attributes, a small object table to hold records, and the int extremes the
// far-coordinate cases use.

#include "PixelChecks.h"
#include "model/Attributes.h"
#include "model/ObjectTable.h"
#include "model/RecordKinds.h"
#include "render/RasterCanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <initializer_list>
#include <limits>

namespace kel::test {

class DrawerTest : public ::testing::Test {
protected:
    static constexpr int kMin = std::numeric_limits<int>::min();
    static constexpr int kMax = std::numeric_limits<int>::max();

    RasterCanvas canvas{QSize(400, 300)};
    ObjectTable table{10};
    CurrentAttributes current; // width 2, black, grey brush, style 0

    // A visible row whose cells from the type column on are `cells`.
    void row(int r, std::initializer_list<QString> cells)
    {
        table.setCell(col::State, r, QStringLiteral("Y"));
        int column = col::Type;
        for (const QString& text : cells)
            table.setCell(column++, r, text);
    }
    const QImage& image()
    {
        canvas.finish();
        return canvas.image();
    }
};

} // namespace kel::test
