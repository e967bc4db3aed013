// Rectangles, polylines and polygons on the fake port: the sides a flat
// rectangle refuses, filled shapes, values that leave the plane and the
// floating vertex. The rest is checked by the shapes_* scripts.

#include "FigureToolFixture.h"

#include <climits>

namespace kel {
namespace {

using test::FigureTools;

TEST_F(FigureTools, AFlatRectangleKeepsOnlyItsLongSides)
{
    editor.runMenuItem("mnuregrect");
    click(100, 400);
    click(200, 401);
    EXPECT_EQ(rowsInUse(), 2);
    EXPECT_EQ(row(1), "Y|L|00000001|100|400|200|400||||");
    EXPECT_EQ(row(2), "Y|L|00000001|100|401|200|401||||");
    EXPECT_EQ(ui.messages.mid(1), QStringList(2, "Line too short, line not created"));
}

TEST_F(FigureTools, FilledShapesStoreTheBrush)
{
    setPattern(2);
    editor.runMenuItem("mnuroundrect");
    click(10, 20);
    click(60, 90);
    EXPECT_EQ(row(1), "Y|1|00000001|10|20|60|90|-50|" + MakeBrushAttr(editor.doc.current) + "||");

    // Backspace takes back a click; F10 without a move after the last click
    // adds no second copy of it.
    setPattern(3);
    editor.runMenuItem("mnuclosedPolygon");
    click(10, 10);
    click(90, 10);
    click(70, 70);
    key(Qt::Key_Backspace);
    click(50, 80);
    click(10, 60);
    key(Qt::Key_F10);
    EXPECT_EQ(row(2), "Y|N|00000001|10 10 90 10 50 80 10 60|80808003||||||");
}

TEST_F(FigureTools, AFixedRectangleLeavingThePlaneWritesNothing)
{
    editor.runMenuItem("mnufixedrect");
    ui.setControlText(Control::edtvar1, "9999");
    ui.setControlText(Control::edtvar2, "10");
    ui.setControlText(Control::edtvar3, "0");
    click(INT_MAX - 100, 300);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(ui.messages.back(), "Range check error");
    EXPECT_EQ(mode(), ToolMode::FixedRectangle);
}

TEST_F(FigureTools, ThePolylinesFloatingVertexStartsAtTheClick)
{
    editor.runMenuItem("mnuOpenPolygon");
    click(100, 100);
    EXPECT_EQ(editor.tool.vertices, (std::vector<QPoint>{{100, 100}, {100, 100}}));
}

} // namespace
} // namespace kel
