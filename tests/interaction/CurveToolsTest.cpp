// The curve tools: the four-point Bezier curve, the sine wave, the
// interpolation graph, and marking and nudging the points of a curve.

#include "FigureToolFixture.h"
#include "figures/Measures.h"
#include "interaction/BezierPage.h"
#include "interaction/Editor.h"
#include "interaction/KeyHandler.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "render/CurveMath.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel {
namespace {

class CurveTools : public test::FigureTools {
protected:
    void addRow(const QStringList& cells)
    {
        const int row = editor.doc.table.lastRowInUse() + 1;
        for (int c = 0; c < cells.size(); ++c)
            editor.doc.table.setCell(c + 1, row, cells[c]);
    }
    std::optional<Colour> pixel(int x, int y) { return editor.renderer.GetBitmapPixel(x, y); }
};

TEST_F(CurveTools, FourPointCurveStoresFirstThirdFourthSecondClick)
{
    editor.runMenuItem(QStringLiteral("mnuPointsBeizer"));
    ASSERT_EQ(editor.tool.mode, ToolMode::FourPointBezier);
    click(0, 0);
    click(300, 0);
    // The previews grow with the clicks: the line first-last, then the curve.
    editor.pointerMoved({150, 80});
    EXPECT_EQ(editor.surfaceCanvas().pixel({150, 0}), kBlack);
    click(100, 50);
    click(200, 50);
    EXPECT_EQ(cell(2, 1), QStringLiteral("B"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("00000001"));
    EXPECT_EQ(cell(4, 1), QStringLiteral("0 0 100 50 200 50 300 0"));
    EXPECT_TRUE(editor.tool.idle()) << "the curve ends the tool";
    EXPECT_FALSE(editor.doc.table.inUse(2)) << "no stray point";
}

TEST_F(CurveTools, SineWaveFollowsTheWheelAndRepeats)
{
    editor.runMenuItem(QStringLiteral("mnuhorsinwav"));
    ASSERT_EQ(editor.tool.mode, ToolMode::SineWave);
    click(0, 100);
    click(300, 100);
    EXPECT_EQ(cell(4, 1), QStringLiteral("0 100 100 150 200 50 300 100"));
    EXPECT_EQ(editor.tool.mode, ToolMode::SineWave);
    EXPECT_EQ(editor.tool.construction.clicks(), 0);

    click(30, 200);
    editor.pointerMoved({91, 200});
    editor.wheel(-5);
    EXPECT_EQ(ui.controlText(Control::edtvar1), QStringLiteral("45"));
    EXPECT_EQ(editor.tool.construction.point(14), QPoint(50, 245)) << "the preview's Q1";
    click(91, 200);
    EXPECT_EQ(cell(4, 2), QStringLiteral("30 200 50 245 70 155 91 200"));
    EXPECT_FALSE(editor.doc.table.inUse(3));
}

TEST_F(CurveTools, GraphThroughThreePointsIsTheParabola)
{
    editor.runMenuItem(QStringLiteral("mnuNewGraph"));
    ASSERT_EQ(editor.tool.mode, ToolMode::InterpolationGraph);
    click(0, 0);
    click(10, 10);
    click(20, 0);
    key(Qt::Key_F10); // the pointer still stands on the last point
    EXPECT_EQ(cell(2, 1), QStringLiteral("K"));
    EXPECT_EQ(cell(4, 1), QStringLiteral("0 0 10 10 20 0"));
    EXPECT_FALSE(editor.doc.table.inUse(2)) << "no stray point";
    EXPECT_TRUE(editor.tool.idle());
    // y = 2x - x^2/10, one vertex per column.
    for (int x : {4, 10, 16}) {
        const int y = static_cast<int>(std::lround(2.0 * x - x * x / 10.0));
        EXPECT_EQ(pixel(x, y), kBlack) << x;
        EXPECT_NE(pixel(x, y + 3), kBlack) << x;
    }
}

TEST_F(CurveTools, GraphRefusesAUsedXAndA27thPoint)
{
    editor.startTool(ToolMode::InterpolationGraph);
    click(50, 50);
    click(50, 80);
    EXPECT_EQ(editor.tool.construction.clicks(), 1) << "the same x is refused";
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_TRUE(ui.messages.back().contains(QStringLiteral("x")));
    for (int i = 1; i < 26; ++i)
        click(50 + 5 * i, 50 + (i % 3));
    EXPECT_EQ(editor.tool.construction.clicks(), 26);
    click(300, 60);
    EXPECT_EQ(editor.tool.construction.clicks(), 26) << "a 27th point is refused";
    EXPECT_TRUE(ui.messages.back().contains(QStringLiteral("26")));
    editor.pointerMoved({400, 70});
    key(Qt::Key_F10);
    EXPECT_EQ(pointList(1).size(), 26u) << "the pointer cannot be a 27th point either";
}

TEST_F(CurveTools, GraphFinishesAtThePointerAndTakesBackClicks)
{
    editor.startTool(ToolMode::InterpolationGraph);
    key(Qt::Key_F10);
    EXPECT_EQ(editor.tool.mode, ToolMode::InterpolationGraph) << "one point makes no graph";
    EXPECT_FALSE(editor.doc.table.inUse(1));
    click(0, 0);
    click(10, 10);
    key(Qt::Key_Backspace);
    EXPECT_EQ(editor.tool.construction.clicks(), 1);
    EXPECT_EQ(editor.tool.vertices.size(), 2u);
    editor.pointerMoved({30, 5});
    key(Qt::Key_F10);
    EXPECT_EQ(cell(4, 1), QStringLiteral("0 0 30 5"));
}

TEST_F(CurveTools, MarkPointOnCurveTakesTheNearestSample)
{
    addRow({"Y", "B", "00000001", "0 0 30 0 60 0 90 0"});
    editor.tool.pickedRow = 1;
    editor.runMenuItem(QStringLiteral("popCurveMarkPoint"));
    ASSERT_EQ(editor.tool.mode, ToolMode::MarkPointOnCurve);
    EXPECT_EQ(editor.tool.construction.point(16), QPoint(90, 0));
    editor.pointerMoved({100, 0});
    EXPECT_EQ(ui.panels[3], QStringLiteral("1")) << "the last sample is t = 1 exactly";
    editor.pointerMoved({0, 3});
    EXPECT_EQ(ui.panels[3], QStringLiteral("0"));
    click(45, 0);
    EXPECT_EQ(ui.panels[3], QStringLiteral("0.5"));
    click(31, 0);
    EXPECT_EQ(cell(2, 2), QStringLiteral("P"));
    EXPECT_EQ(cell(4, 2), QStringLiteral("45"));
    EXPECT_EQ(cell(5, 2), QStringLiteral("0"));
    EXPECT_EQ(cell(4, 3), QStringLiteral("31"));
    EXPECT_EQ(editor.tool.mode, ToolMode::MarkPointOnCurve) << "until Esc";
}

TEST_F(CurveTools, ArrowKeysInTheBezierBoxesNudgeThePoints)
{
    addRow({"Y", "B", "00000001", "100 100 130 60 160 60 190 100"});
    editor.tool.pickedRow = 1;
    editor.runMenuItem(QStringLiteral("popCurveEditCurvature"));
    ASSERT_EQ(editor.tool.mode, ToolMode::EditBezierCurvature);
    EXPECT_EQ(ui.currentPage(), 5);
    EXPECT_EQ(ui.focusedControl, Control::edtpoint1);
    const int box1 = bezierBoxIndex(Control::edtpoint1);

    EXPECT_TRUE(bezierBoxKey(editor, box1, Qt::Key_Right));
    EXPECT_EQ(cell(4, 1), QStringLiteral("100 100 131 60 160 60 190 100"));
    EXPECT_TRUE(bezierBoxKey(editor, 3, Qt::Key_Up));
    EXPECT_TRUE(bezierBoxKey(editor, 0, Qt::Key_Left));
    EXPECT_TRUE(bezierBoxKey(editor, 2, Qt::Key_Down));
    EXPECT_EQ(cell(4, 1), QStringLiteral("99 100 131 60 160 61 190 99"));
    // The drawing follows each key: the curve's end moved up one pixel.
    EXPECT_EQ(pixel(190, 99), kBlack);

    key(Qt::Key_Escape);
    EXPECT_FALSE(bezierBoxKey(editor, 1, Qt::Key_Right)) << "only in the curvature tool";
    EXPECT_EQ(cell(4, 1), QStringLiteral("99 100 131 60 160 61 190 99"));
}

TEST_F(CurveTools, BezierBoxesOutsideTheToolSendTheFocusBack)
{
    ui.showPage(5);
    ui.focusControl(Control::edtpoint2);
    bezierBoxEntered(editor, 2);
    EXPECT_EQ(ui.messages,
              QStringList{"No Bezier curve has been selected yet to modify its curvature"});
    EXPECT_TRUE(ui.surfaceFocused);
    EXPECT_EQ(ui.currentPage(), 0);

    addRow({"Y", "B", "00000001", "1 2 3 4 5 6 7 8"});
    editor.tool.pickedRow = 1;
    editor.startTool(ToolMode::EditBezierCurvature);
    ui.messages.clear();
    bezierBoxEntered(editor, 0);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ui.currentPage(), 5);
}

TEST_F(CurveTools, NudgingPastThe32BitPlaneChangesNothing)
{
    addRow({"Y", "B", "00000001", "2147483647 0 1 1 2 2 3 3"});
    editor.tool.pickedRow = 1;
    editor.startTool(ToolMode::EditBezierCurvature);
    EXPECT_TRUE(bezierBoxKey(editor, 0, Qt::Key_Right));
    EXPECT_EQ(cell(4, 1), QStringLiteral("2147483647 0 1 1 2 2 3 3"));
    EXPECT_EQ(ui.messages.back(), QStringLiteral("Range check error"));
}

} // namespace
} // namespace kel
