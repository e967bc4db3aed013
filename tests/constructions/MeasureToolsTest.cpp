#include "ConstructionFixture.h"

namespace kel::test {
namespace {

using MeasureTools = Constructions;

TEST_F(MeasureTools, TriangleAreaFillsOnlyTheTriangleAndLeavesTheBitmap)
{
    // A dotted outline around the triangle: a flood fill would leak through it.
    putLine(1, {0, 0}, {200, 0});
    editor.doc.table.setCell(col::line::Pen, 1, QStringLiteral("00000000"));
    editor.RedrawAll();
    const QImage before = editor.renderer.bitmap().copy();
    editor.runMenuItem(QStringLiteral("mnutrianArea"));
    click(20, 20);
    click(120, 20);
    move(20, 120);
    EXPECT_EQ(status(), QStringLiteral("Area =5000"));
    EXPECT_EQ(shown(40, 40), std::optional<Colour>(0xC0C0C0));
    EXPECT_EQ(shown(153, 147), std::optional<Colour>(kWhite));
    EXPECT_EQ(shown(100, 5), editor.renderer.bitmapCanvas().pixel({100, 5}));
    click(20, 120);
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Area of 3 points inscribed triangle is 5000"));
    EXPECT_EQ(editor.renderer.bitmap(), before);
    EXPECT_EQ(rowsInUse(), 1);
}

} // namespace
} // namespace kel::test
