// The star, the polygon on a line and the tick on the fake port when they
// have too little to work with. Their shapes are checked by the
// curves_shapes and curves_line_marks scripts.

#include "FigureToolFixture.h"

namespace kel {
namespace {

using test::FigureTools;

TEST_F(FigureTools, StarWithTooFewClicksWritesNothing)
{
    editor.startTool(ToolMode::Star);
    key(Qt::Key_F10);
    click(100, 100);
    key(Qt::Key_F10);
    EXPECT_EQ(mode(), ToolMode::Star);
    EXPECT_FALSE(editor.doc.table.inUse(1));
    // Equal radii make no star: that click is not taken.
    click(130, 100);
    click(100, 130);
    EXPECT_EQ(clicks(), 2);
    // Two clicks and the outline at the pointer: F10 writes what is shown,
    // but not a star left over from before a Backspace.
    move(100, 160);
    key(Qt::Key_Backspace);
    EXPECT_EQ(clicks(), 1);
    key(Qt::Key_F10);
    EXPECT_FALSE(editor.doc.table.inUse(1));
    click(130, 100);
    move(100, 160);
    key(Qt::Key_F10);
    EXPECT_EQ(pointList(1).size(), 9u);
}

TEST_F(FigureTools, PolygonWithNoLineWritesNothing)
{
    editor.startTool(ToolMode::RegularPolygon);
    click(100, 100);
    EXPECT_EQ(clicks(), 0);
    key(Qt::Key_F10);
    EXPECT_EQ(mode(), ToolMode::RegularPolygon);
    EXPECT_FALSE(editor.doc.table.inUse(1));
    EXPECT_EQ(ui.messages.size(), 1) << "only the instruction";
}

TEST_F(FigureTools, TickOnALineOfOnePointIsRefused)
{
    editor.tool.pickedRow = addLine({50, 50}, {50, 50});
    editor.startTool(ToolMode::TickLine);
    click(60, 60);
    EXPECT_EQ(ui.messages.back(), QStringLiteral("Line too short, line not created"));
    EXPECT_FALSE(editor.doc.table.inUse(2));
}

} // namespace
} // namespace kel
