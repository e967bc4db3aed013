// Rectangles, ellipses, polylines and polygons driven through the Editor's
// pipelines as the menus start them.

#include "interaction/Editor.h"
#include "interaction/KeyHandler.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <climits>

namespace kel {
namespace {

class ShapeTools : public ::testing::Test {
protected:
    ShapeTools() { editor.start(); }

    void menu(const char* component) { editor.runMenuItem(QString::fromLatin1(component)); }
    void click(int x, int y) { editor.pointerDown(Qt::LeftButton, {x, y}); }
    void move(int x, int y) { editor.pointerMoved({x, y}); }
    void key(int qtKey) { handleKeyPress(editor, KeyPress{qtKey, {}, KeyTarget::Surface}); }
    // Columns 2 onward of a row, up to its last non-empty cell before the tag.
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 2; c <= 10; ++c)
            cells << editor.doc.table.cell(c, r);
        while (!cells.isEmpty() && cells.back().isEmpty())
            cells.removeLast();
        return cells;
    }
    int rowsInUse() const { return editor.doc.table.lastRowInUse(); }
    QStringList line(int x1, int y1, int x2, int y2) const
    {
        return {"L",
                "00000001",
                QString::number(x1),
                QString::number(y1),
                QString::number(x2),
                QString::number(y2)};
    }
    void fillPattern(const char* pattern)
    {
        editor.attributes.setBoxText(Control::Edit2, QString::fromLatin1(pattern));
    }

    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
};

TEST_F(ShapeTools, RegRectIsFourIndependentLinesAndRepeats)
{
    menu("mnuregrect");
    EXPECT_EQ(ui.messages.back(), "2 clicks are needed to draw the rectangle");
    click(100, 200);
    move(300, 350);
    EXPECT_EQ(ui.panels[3], "W=200 H=150");
    click(300, 350);
    ASSERT_EQ(rowsInUse(), 4);
    EXPECT_EQ(row(1), line(100, 200, 300, 200));
    EXPECT_EQ(row(2), line(100, 200, 100, 350));
    EXPECT_EQ(row(3), line(100, 350, 300, 350));
    EXPECT_EQ(row(4), line(300, 200, 300, 350));
    EXPECT_EQ(editor.tool.mode, ToolMode::Rectangle);
    EXPECT_EQ(editor.tool.construction.clicks(), 0);

    // A flat rectangle: the two short sides are refused, the long ones stay.
    ui.messages.clear();
    click(100, 400);
    click(200, 401);
    EXPECT_EQ(rowsInUse(), 6);
    EXPECT_EQ(row(5), line(100, 400, 200, 400));
    EXPECT_EQ(row(6), line(100, 401, 200, 401));
    EXPECT_EQ(ui.messages, QStringList(2, "Line too short, line not created"));
}

TEST_F(ShapeTools, RoundAndFocusRectanglesKeepClickOrder)
{
    menu("mnuroundrect");
    click(300, 250);
    move(100, 100);
    EXPECT_EQ(ui.panels[3], "W=200 H=150 R=50");
    click(100, 100);
    EXPECT_EQ(row(1), QStringList({"1", "00000001", "300", "250", "100", "100", "50"}));

    // Filled with a pattern: a negative corner and the brush.
    fillPattern("2");
    click(10, 20);
    click(60, 90);
    EXPECT_EQ(row(2), QStringList({"1", "00000001", "10", "20", "60", "90", "-50",
                                   MakeBrushAttr(editor.doc.current)}));

    menu("FocusRect1");
    EXPECT_EQ(ui.messages.back(), "2 clicks are needed to draw the focus rectangle");
    click(400, 300);
    click(350, 320);
    EXPECT_EQ(row(3), QStringList({"2", "00000001", "400", "300", "350", "320"}));
}

TEST_F(ShapeTools, FixedRectangleFollowsTheTypedValues)
{
    menu("mnufixedrect");
    ui.setControlText(Control::edtvar1, "1");
    ui.setControlText(Control::edtvar2, "50");
    ui.setControlText(Control::edtvar3, "0");
    click(100, 300);
    EXPECT_EQ(ui.controlText(Control::Label29), "Error");
    EXPECT_EQ(ui.messages.back(), "Invalid reactangle parameters");
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(editor.tool.mode, ToolMode::FixedRectangle) << "the tool waits for better values";

    ui.setControlText(Control::edtvar1, "100");
    ui.setControlText(Control::edtvar3, "x");

    // Turned a quarter counter-clockwise: the width points up the screen.
    ui.setControlText(Control::edtvar3, "90");
    click(100, 300);
    EXPECT_EQ(ui.controlText(Control::Label29), "OK");
    ASSERT_EQ(rowsInUse(), 4);
    EXPECT_EQ(row(1), line(100, 300, 100, 200));
    EXPECT_EQ(row(2), line(100, 200, 50, 200));
    EXPECT_EQ(row(3), line(50, 200, 50, 300));
    EXPECT_EQ(row(4), line(100, 300, 50, 300));
    EXPECT_TRUE(editor.tool.idle());
}

TEST_F(ShapeTools, AFixedRectangleLeavingThePlaneWritesNothing)
{
    menu("mnufixedrect");
    ui.setControlText(Control::edtvar1, "9999");
    ui.setControlText(Control::edtvar2, "10");
    ui.setControlText(Control::edtvar3, "0");
    click(INT_MAX - 100, 300);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(ui.messages.back(), "Range check error");
    EXPECT_EQ(editor.tool.mode, ToolMode::FixedRectangle);
}

TEST_F(ShapeTools, AxisEllipsesTakeTheirBoxFromTheAxisAndThePointer)
{
    menu("mnuHorEllipse");
    click(100, 200);
    move(300, 260);
    EXPECT_EQ(ui.panels[3], "W=200") << "the axis stays level with the first click";
    click(300, 260);
    move(240, 140);
    EXPECT_EQ(ui.panels[3], "H=60");
    click(240, 140);
    EXPECT_EQ(row(1), QStringList({"E", "00000001", "100", "260", "300", "140"}));
    EXPECT_EQ(editor.tool.mode, ToolMode::HorizontalEllipse);
    EXPECT_EQ(editor.tool.construction.clicks(), 0);

    menu("mnuVerEllipse");
    click(200, 100);
    click(250, 300);
    click(260, 10);
    EXPECT_EQ(row(2), QStringList({"E", "00000001", "140", "100", "260", "300"}));
}

TEST_F(ShapeTools, TheEllipsoidIsTwoHalvesThroughTheSecondAxis)
{
    menu("mnuEllipsoid");
    click(100, 200);
    click(300, 200);
    click(200, 140);
    ASSERT_EQ(rowsInUse(), 2);
    EXPECT_TRUE(editor.tool.idle());
    // Worked by hand: control points 80 off the axis at its ends.
    EXPECT_EQ(row(1), QStringList({"B", "00000001", "100 200 151 253 248 253 300 200"}));
    EXPECT_EQ(row(2), QStringList({"B", "00000001", "100 200 151 146 248 146 300 200"}));
}

TEST_F(ShapeTools, AShortEllipsoidAxisTakesBackTheThirdClick)
{
    menu("mnuEllipsoid");
    click(100, 100);
    click(102, 101);
    click(100, 150);
    EXPECT_EQ(ui.messages.back(), "Ellipsoid axis too short");
    EXPECT_EQ(editor.tool.construction.clicks(), 2);
    EXPECT_EQ(rowsInUse(), 0);
}

TEST_F(ShapeTools, PolylineFinishesWithThePointerAndNoStrayPoint)
{
    menu("mnuOpenPolygon");
    click(100, 100);
    EXPECT_EQ(editor.tool.vertices, (std::vector<QPoint>{{100, 100}, {100, 100}}))
        << "the floating vertex starts at the click";
    key(Qt::Key_F10);
    EXPECT_EQ(editor.tool.mode, ToolMode::Polyline) << "one click is not enough to finish";
    EXPECT_EQ(rowsInUse(), 0);
    click(200, 100);
    move(200, 200);
    EXPECT_EQ(ui.panels[3], "L=100 Angle=90");
    key(Qt::Key_F10);
    EXPECT_TRUE(editor.tool.idle());
    ASSERT_EQ(rowsInUse(), 1) << "no point record comes with the polyline";
    EXPECT_EQ(row(1), QStringList({"G", "00000001", "100 100 200 100 200 200"}));
}

TEST_F(ShapeTools, PolygonF10AfterTwoClicksIsATriangle)
{
    menu("mnuclosedPolygon");
    click(100, 100);
    click(200, 100);
    move(150, 200);
    key(Qt::Key_F10);
    EXPECT_TRUE(editor.tool.idle());
    ASSERT_EQ(rowsInUse(), 1);
    EXPECT_EQ(row(1), QStringList({"N", "00000001", "100 100 200 100 150 200"}));

    // Filled when a pattern is chosen; Backspace takes back a click; F10
    // without a move after the last click adds no second copy of it.
    fillPattern("3");
    menu("mnuclosedPolygon");
    click(10, 10);
    click(90, 10);
    click(70, 70);
    key(Qt::Key_Backspace);
    click(50, 80);
    click(10, 60);
    key(Qt::Key_F10);
    ASSERT_EQ(rowsInUse(), 2);
    EXPECT_EQ(row(2), QStringList({"N", "00000001", "10 10 90 10 50 80 10 60", "80808003"}));
}

} // namespace
} // namespace kel
