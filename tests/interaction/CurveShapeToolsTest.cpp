// The special shapes: the star, the regular polygon on a line, the
// semicircle, and the arrowhead and ticks on a picked line.

#include "FigureToolFixture.h"
#include "figures/Measures.h"
#include "interaction/Editor.h"
#include "interaction/KeyHandler.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel {
namespace {

class ShapeCurveTools : public test::FigureTools {
protected:
    int addLine(QPoint a, QPoint b)
    {
        const int row = editor.doc.table.lastRowInUse() + 1;
        const QStringList cells = {"Y", "L", "00000001"};
        for (int c = 0; c < cells.size(); ++c)
            editor.doc.table.setCell(c + 1, row, cells[c]);
        editor.doc.table.setCell(4, row, a.x());
        editor.doc.table.setCell(5, row, a.y());
        editor.doc.table.setCell(6, row, b.x());
        editor.doc.table.setCell(7, row, b.y());
        editor.RedrawAll();
        return row;
    }
    int distance(QPoint a, QPoint b) { return PointDistance(a, b).value_or(-1); }
    // A black pixel in the column within 2 pixels of y.
    bool blackNear(int x, int y)
    {
        for (int dy = -2; dy <= 2; ++dy) {
            if (editor.renderer.GetBitmapPixel(x, y + dy) == kBlack)
                return true;
        }
        return false;
    }
};

TEST_F(ShapeCurveTools, StarOfFivePointsHasElevenAlternatingVertices)
{
    editor.doc.panel.transparentObjects = false;
    editor.doc.panel.brushPattern = {QStringLiteral("3"), 3};
    editor.runMenuItem(QStringLiteral("mnustar"));
    ASSERT_EQ(editor.tool.mode, ToolMode::Star);
    const QPoint centre(200, 200);
    click(200, 200);
    click(220, 200);
    editor.wheel(1);
    click(250, 200);
    click(260, 260);
    EXPECT_EQ(ui.messages.back(), QStringLiteral("Press F10 key to save"));
    EXPECT_EQ(editor.tool.construction.clicks(), 3);
    key(Qt::Key_F10);

    EXPECT_EQ(cell(2, 1), QStringLiteral("N"));
    const std::vector<QPoint> star = pointList(1);
    ASSERT_EQ(star.size(), 11u);
    EXPECT_EQ(star.front(), star.back());
    EXPECT_EQ(star.front(), QPoint(220, 200)) << "the first corner is inner, pointing right";
    // Corners are rounded to whole pixels.
    for (std::size_t i = 0; i + 1 < star.size(); ++i)
        EXPECT_NEAR(distance(centre, star[i]), i % 2 == 0 ? 20 : 50, 1) << i;
    EXPECT_EQ(cell(5, 1).right(2), QStringLiteral("03")) << "filled with the panel's pattern";
    EXPECT_FALSE(editor.doc.table.inUse(2)) << "no stray point";
    EXPECT_TRUE(editor.tool.idle());
}

TEST_F(ShapeCurveTools, StarWithTooFewClicksWritesNothing)
{
    editor.startTool(ToolMode::Star);
    key(Qt::Key_F10);
    click(100, 100);
    key(Qt::Key_F10);
    EXPECT_EQ(editor.tool.mode, ToolMode::Star);
    EXPECT_FALSE(editor.doc.table.inUse(1));
    // Equal radii make no star: that click is not taken.
    click(130, 100);
    click(100, 130);
    EXPECT_EQ(editor.tool.construction.clicks(), 2);
    // Two clicks and the outline at the pointer: F10 writes what is shown,
    // but not a star left over from before a Backspace.
    editor.pointerMoved({100, 160});
    key(Qt::Key_Backspace);
    EXPECT_EQ(editor.tool.construction.clicks(), 1);
    key(Qt::Key_F10);
    EXPECT_FALSE(editor.doc.table.inUse(1));
    click(130, 100);
    editor.pointerMoved({100, 160});
    key(Qt::Key_F10);
    EXPECT_EQ(pointList(1).size(), 9u);
}

TEST_F(ShapeCurveTools, HexagonOnAHundredPixelSideHasCircumradiusHundred)
{
    editor.doc.panel.transparentObjects = true;
    const QPoint a(100, 300), b(200, 300);
    addLine(a, b);
    editor.runMenuItem(QStringLiteral("RegularPolygon1"));
    click(150, 310);
    editor.pointerMoved({150, 200});
    editor.wheel(3);
    EXPECT_EQ(ui.controlText(Control::edtvar1), QStringLiteral("6"));
    key(Qt::Key_F10);

    const std::vector<QPoint> hexagon = pointList(2);
    ASSERT_EQ(hexagon.size(), 6u);
    EXPECT_NE(std::find(hexagon.begin(), hexagon.end(), a), hexagon.end());
    EXPECT_NE(std::find(hexagon.begin(), hexagon.end(), b), hexagon.end());
    ASSERT_EQ(cell(2, 3), QStringLiteral("P")) << "the centre comes with it";
    const QPoint centre(cell(4, 3).toInt(), cell(5, 3).toInt());
    EXPECT_LT(centre.y(), 300) << "on the pointer's side";
    for (const QPoint& corner : hexagon)
        EXPECT_EQ(distance(centre, corner), 100);
    EXPECT_TRUE(editor.tool.idle());
}

TEST_F(ShapeCurveTools, PolygonWithNoLineWritesNothing)
{
    editor.startTool(ToolMode::RegularPolygon);
    click(100, 100);
    EXPECT_EQ(editor.tool.construction.clicks(), 0);
    key(Qt::Key_F10);
    EXPECT_EQ(editor.tool.mode, ToolMode::RegularPolygon);
    EXPECT_FALSE(editor.doc.table.inUse(1));
    EXPECT_EQ(ui.messages.size(), 1) << "only the instruction";
}

TEST_F(ShapeCurveTools, SemicircleNeedsMoreThanSevenPixelsAndTheWheelFlipsIt)
{
    editor.runMenuItem(QStringLiteral("mnuconstSemiCircle"));
    ASSERT_EQ(editor.tool.mode, ToolMode::Semicircle);
    click(100, 100);
    editor.pointerMoved({107, 100});
    EXPECT_EQ(editor.previewImage(), nullptr) << "no preview at 7 pixels";
    click(107, 100);
    EXPECT_FALSE(editor.doc.table.inUse(1)) << "nor an arc";
    EXPECT_EQ(editor.tool.construction.clicks(), 1);
    editor.pointerMoved({200, 100});
    EXPECT_NE(editor.previewImage(), nullptr);
    click(200, 100);
    EXPECT_EQ(cell(2, 1), QStringLiteral("A"));
    EXPECT_EQ(cell(4, 1), QStringLiteral("150"));
    EXPECT_EQ(cell(5, 1), QStringLiteral("100"));
    EXPECT_EQ(cell(8, 1), QStringLiteral("50"));
    const bool firstBelow = blackNear(150, 150);
    EXPECT_NE(firstBelow, blackNear(150, 50)) << "one half circle only";

    click(100, 300);
    editor.pointerMoved({200, 300});
    editor.wheel(1);
    click(200, 300);
    EXPECT_EQ(cell(6, 2), cell(7, 1));
    EXPECT_EQ(cell(7, 2), cell(6, 1));
    EXPECT_EQ(blackNear(150, 350), !firstBelow) << "turned over";
    EXPECT_EQ(blackNear(150, 250), firstBelow);
    EXPECT_EQ(editor.tool.mode, ToolMode::Semicircle);
}

TEST_F(ShapeCurveTools, ArrowheadPointsAwayFromThePointer)
{
    editor.doc.panel.transparentObjects = true;
    editor.tool.pickedRow = addLine({100, 300}, {300, 300});
    editor.runMenuItem(QStringLiteral("popLineAddArrow"));
    ASSERT_EQ(editor.tool.mode, ToolMode::Arrowhead);
    for (const int side : {1, -1}) {
        const int row = editor.doc.table.lastRowInUse() + 1;
        click(200, 290);
        editor.pointerMoved({200 + side * 40, 280});
        click(200 + side * 40, 280);
        ASSERT_EQ(cell(2, row), QStringLiteral("N"));
        const std::vector<QPoint> arrow = pointList(row);
        ASSERT_EQ(arrow.size(), 3u);
        const QPoint tip = arrow[0];
        EXPECT_EQ(tip, QPoint(200, 300)) << "the tip is the first click's foot";
        EXPECT_EQ(distance(arrow[1], arrow[2]), 10);
        const QPoint baseMiddle = (arrow[1] + arrow[2]) / 2;
        EXPECT_EQ(distance(tip, baseMiddle), 12);
        EXPECT_EQ((baseMiddle.x() - tip.x()) * side, 12) << "the base is on the pointer's side";
        EXPECT_EQ(editor.tool.construction.clicks(), 0);
    }
    EXPECT_FALSE(editor.doc.table.inUse(4)) << "no stray point";
}

TEST_F(ShapeCurveTools, TicksAreSquareToTheLine)
{
    const QPoint a(0, 0), b(101, 51);
    editor.tool.pickedRow = addLine(a, b);
    editor.runMenuItem(QStringLiteral("popLineTick"));
    ASSERT_EQ(editor.tool.mode, ToolMode::TickLine);
    // At the midpoint, and one pixel off it, where the truncated midpoint
    // gives a poor direction.
    for (const QPoint pointer : {QPoint(45, 35), QPoint(60, 10), QPoint(52, 24)}) {
        const int row = editor.doc.table.lastRowInUse() + 1;
        click(pointer.x(), pointer.y());
        ASSERT_EQ(cell(2, row), QStringLiteral("L"));
        const QPoint p4(cell(4, row).toInt(), cell(5, row).toInt());
        const QPoint p5(cell(6, row).toInt(), cell(7, row).toInt());
        const QPoint tick = p5 - p4;
        const QPoint line = b - a;
        const double cosine = (tick.x() * line.x() + tick.y() * line.y()) /
                              (std::hypot(tick.x(), tick.y()) * std::hypot(line.x(), line.y()));
        EXPECT_LT(std::abs(cosine), 0.1) << pointer.x();
        EXPECT_NEAR(std::hypot(tick.x(), tick.y()), 12, 1.5);
    }
    EXPECT_EQ(editor.tool.mode, ToolMode::TickLine);
}

TEST_F(ShapeCurveTools, TickOnALineOfOnePointIsRefused)
{
    editor.tool.pickedRow = addLine({100, 300}, {300, 300});
    editor.startTool(ToolMode::TickLine);
    // A line of one point has no direction: the tick is too short.
    editor.CancelTool();
    editor.tool.pickedRow = addLine({50, 50}, {50, 50});
    editor.startTool(ToolMode::TickLine);
    click(60, 60);
    EXPECT_EQ(ui.messages.back(), QStringLiteral("Line too short, line not created"));
    EXPECT_FALSE(editor.doc.table.inUse(3));
}

} // namespace
} // namespace kel
