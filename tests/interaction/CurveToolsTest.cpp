// The interpolation graph's limits and the Bezier page's nudges at the edge
// of the plane on the fake port. Drawing, editing and marking curves is
// checked by the curves_bezier and curves_shapes scripts.

#include "FigureToolFixture.h"
#include "interaction/tools/curves/BezierPage.h"

namespace kel {
namespace {

using test::FigureTools;

TEST_F(FigureTools, GraphRefusesA27thPointAndTakesBackClicks)
{
    editor.startTool(ToolMode::InterpolationGraph);
    for (int i = 0; i < 26; ++i)
        click(50 + 5 * i, 50 + (i % 3));
    EXPECT_EQ(clicks(), 26);
    click(300, 60);
    EXPECT_EQ(clicks(), 26) << "a 27th point is refused";
    EXPECT_TRUE(ui.messages.back().contains(QStringLiteral("26")));
    move(400, 70);
    key(Qt::Key_F10);
    EXPECT_EQ(pointList(1).size(), 26u) << "the pointer cannot be a 27th point either";

    editor.startTool(ToolMode::InterpolationGraph);
    click(0, 0);
    click(10, 10);
    key(Qt::Key_Backspace);
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(editor.tool.vertices.size(), 2u);
    move(30, 5);
    key(Qt::Key_F10);
    EXPECT_EQ(cell(4, 2), QStringLiteral("0 0 30 5"));
}

TEST_F(FigureTools, NudgingPastThe32BitPlaneChangesNothing)
{
    editor.tool.pickedRow = addRow("Y|B|00000001|2147483647 0 1 1 2 2 3 3");
    editor.startTool(ToolMode::EditBezierCurvature);
    EXPECT_TRUE(bezierBoxKey(editor, 0, Qt::Key_Right));
    EXPECT_EQ(cell(4, 1), QStringLiteral("2147483647 0 1 1 2 2 3 3"));
    EXPECT_EQ(ui.messages.back(), QStringLiteral("Range check error"));
}

} // namespace
} // namespace kel
