#include "render/Renderer.h"
#include "PixelChecks.h"
#include "model/FakeUi.h"
#include "support/KelTestFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <limits>

namespace kel {
namespace {

using test::At;
using test::Count;
using test::kBlue;
using test::kRed;

// The smallest rectangle of a layer's area holding every pixel drawn on it.
QRect LayerInk(const QImage& layer, const QRect& area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class RendererTest : public ::testing::Test {
protected:
    test::FakeUi ui;
    ObjectTable table;
    CurrentAttributes current;
    Renderer renderer{table, current, ui};
    int next = 1;

    void SetUp() override
    {
        renderer.setGridDots(false);
        renderer.createBitmap(QSize(400, 300));
    }
    // Appends a visible row with the given cells from column 2 on.
    int add(const QStringList& cells)
    {
        test::putRow(table, next, "Y|" + cells.join('|'));
        return next++;
    }
    Colour at(int x, int y) { return At(renderer.bitmap(), x, y); }
};

TEST_F(RendererTest, RedrawStopsAtTheFirstFreeRowSkipsHiddenRowsAndPixelsAreReadInBoundsOnly)
{
    add({"b", "255", "0", "0", "1", "1"});
    add({"b", "16711680", "399", "299", "400", "300"});
    add({"L", "0000FF01", "10", "10", "100", "10"});
    add({"L", "FF000001", "10", "20", "100", "20"});
    table.setCell(1, add({"L", "00FF0001", "10", "30", "100", "30"}), "N");
    next++; // row 6 stays free
    add({"L", "00000001", "10", "50", "100", "50"});
    renderer.RedrawAll();
    EXPECT_EQ(at(50, 10), kRed);
    EXPECT_EQ(at(50, 20), kBlue);
    EXPECT_EQ(at(50, 50), kWhite);
    EXPECT_EQ(renderer.lastProblem(), QString());

    EXPECT_EQ(renderer.GetBitmapPixel(0, 0), kRed);
    EXPECT_EQ(renderer.GetBitmapPixel(399, 299), kBlue);
    for (const QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(400, 0), QPoint(0, 300),
                           QPoint(std::numeric_limits<int>::max(), 0)})
        EXPECT_EQ(renderer.GetBitmapPixel(p.x(), p.y()), std::nullopt) << p.x() << "," << p.y();
}

TEST_F(RendererTest, BadRowsAreLeftOutAndEveryLaterRowIsStillDrawn)
{
    add({"L", "0000FF01", "10", "10", "390", "10"});
    const int first = add({""});                 // no type letter
    add({"b", "255", "1x", "0", "10", "10"});    // corner not a number
    add({"b", "255", "", "0", "10", "10"});      // corner empty
    add({"j", "0", "10", "10", "ABC"});          // odd hex length
    add({"j", "0", "10", "10", "ZZ"});           // not hexadecimal
    add({"j", "0", "10", "10", "0011"});         // not a JPEG
    add({"x", "0", "10", "10", "abc"});          // six-bit length
    add({"x", "0", "10", "10", "~~~~"});         // six-bit range
    add({"f", "100", "10", "10", "00"});         // not a metafile
    add({"B", "00000001", "10 10 20 20 30 30"}); // three points
    add({"L", "FF000001", "10", "290", "390", "290"});
    current = {7, 0x123456, 0x654321, 5, QStringLiteral("3")};
    const CurrentAttributes before = current;
    const CanvasFont font{QStringLiteral("Courier New"), 17, kBlue, true, true, 450};
    renderer.bitmapCanvas().setFont(font);

    renderer.RedrawAll();
    EXPECT_EQ(at(200, 10), kRed);
    EXPECT_EQ(at(200, 290), kBlue);
    // Picture text that does not decode is drawn as a frame with a cross.
    EXPECT_EQ(at(10 + kBrokenPictureSide - 1, 30), 0x808080u);
    EXPECT_EQ(at(30, 30), 0x808080u);
    EXPECT_EQ(renderer.lastSkippedRows(), 4);
    EXPECT_EQ(renderer.lastProblem(),
              QStringLiteral("Row %1 not drawn: the row has no type letter").arg(first));
    EXPECT_EQ(current.penWidth, before.penWidth);
    EXPECT_EQ(current.penColour, before.penColour);
    EXPECT_EQ(current.brushStyle, before.brushStyle);
    EXPECT_EQ(renderer.bitmapCanvas().font().escapement, font.escapement);
}

TEST_F(RendererTest, HugeValuesNeitherHangNorOverflow)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    const QString max = QString::number(kMax);
    const QString min = QString::number(std::numeric_limits<int>::min());
    add({"D", "00000001", "0", "100", "2000000000", "1"});
    add({"D", "00000001", min, max, max, max});
    add({"C", "00000001", QString::number(200 - kMax), "150", max});
    add({"A", "00000000", "200", "150", "0", "359", max});
    add({"C", "00000001", "200", "150", min, "0000FF01"}); // filled, |INT_MIN|
    add({"P", max, min, max});
    add({"1", "00000001", min, min, max, max, min, "0000FF01"});
    add({"E", "00000001", min, min, max, max});
    add({"N", "00000001", QStringList({min, min, max, min, max, max}).join(' '), "00FF0001"});
    add({"G", "00000001", QStringList({min, max, max, min, "5", "5"}).join(' ')});
    add({"F", "0000FF01", max, max});
    add({"L", "FF000001", "10", "250", "390", "250"}); // still drawn afterwards
    renderer.RedrawAll();
    EXPECT_EQ(renderer.lastProblem(), QString());
    EXPECT_EQ(at(200, 250), kBlue);
}

TEST_F(RendererTest, HighlightMarksPointsCirclesPolygonsAndFillsTheirOwnWay)
{
    const int point = add({"P", "1", "50", "50"});
    const int disc = add({"C", "00000001", "150", "60", "-30", "00FF0001"});
    const int polygon = add({"N", "00000001", "220 20 300 20 300 100 220 100", "00FF0001"});
    add({"R", "00000001", "20", "150", "120", "250"});
    const int fill = add({"F", "FF000000", "70", "200", ""});
    const int hidden = add({"L", "00000001", "200", "200", "300", "200"});
    const int red = add({"L", "0000FF01", "10", "120", "200", "120"});
    const int black = add({"L", "00000001", "10", "280", "200", "280"});
    table.setCell(1, hidden, "N");
    renderer.RedrawAll();
    const QImage bitmap = renderer.bitmap().copy();
    const CurrentAttributes before = current;
    RasterCanvas layer(renderer.bitmap().size(), &renderer.bitmap());
    for (const int row : {point, disc, polygon, fill, hidden, red, black})
        renderer.HighlightRow(layer, row);
    layer.finish();
    EXPECT_EQ(renderer.bitmap(), bitmap); // only the layer is drawn on
    EXPECT_EQ(current.penWidth, before.penWidth);
    EXPECT_EQ(current.penColour, before.penColour);
    EXPECT_EQ(At(layer.image(), 150, 120), kBlack); // a red row turns black
    EXPECT_EQ(At(layer.image(), 150, 280), kRed);
    const QImage& marks = layer.image();
    // The point: a red dot with a black rim of width 2 in (46, 46)-(54, 53).
    EXPECT_EQ(At(marks, 50, 49), kRed);
    EXPECT_EQ(LayerInk(marks, QRect(30, 30, 40, 40)), QRect(QPoint(45, 46), QPoint(53, 52)));
    // The circle: an outline only.
    EXPECT_EQ(qAlpha(marks.pixel(150, 60)), 0);
    EXPECT_EQ(LayerInk(marks, QRect(100, 20, 100, 80)), QRect(QPoint(120, 30), QPoint(179, 89)));
    // The polygon: inverted brush colour (magenta), style 1 + 1 = horizontal.
    EXPECT_EQ(At(marks, 260, 56), 0xFF00FFu);
    EXPECT_EQ(LayerInk(marks, QRect(195, 195, 110, 10)), QRect()) << "the hidden row: nothing";
}

TEST_F(RendererTest, CropAreaReplayShiftsEveryCoordinate)
{
    add({"b", "255", "110", "220", "130", "240"});
    add({"N", "00000001", "140 200 150 200 150 210", ""});
    add({"L", "FF000001", QString::number(std::numeric_limits<int>::min()), "0", "5", "5"});
    RasterCanvas crop(QSize(60, 50));
    renderer.RenderCropArea(crop, {100, 200});
    crop.finish();
    EXPECT_EQ(Count(crop.image(), crop.image().rect(), kRed), 20 * 20);
    EXPECT_EQ(At(crop.image(), 40, 0), kBlack); // the polygon's corner
    // The line's x cannot be shifted within 32 bits: left out and reported.
    EXPECT_TRUE(renderer.lastProblem().startsWith("Row 3 not drawn: coordinate"));
}

} // namespace
} // namespace kel
