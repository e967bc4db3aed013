// Grids, texts and fractions on the fake port: the cell counts a grid
// refuses, the characters a text keeps and values that leave the plane. The
// rest is checked by the shapes_grid_fill and shapes_text_glyphs scripts.

#include "FigureToolFixture.h"
#include "interaction/tools/ShapeToolKit.h"

#include <climits>

namespace kel {
namespace {

using test::FigureTools;

TEST(CellText, DropsControlCharactersButKeepsThePanelsGlyph)
{
    EXPECT_EQ(CellText(QString("a\tb\r\nc") + QChar(0x01) + QChar(0x7F) + QChar(0x85)), "abc");
    EXPECT_EQ(CellText(QString("45") + QChar(0xB0) + QChar(0x15)),
              QString("45") + QChar(0xB0) + QChar(0x15));
}

TEST_F(FigureTools, GridRefusesCellCountsOutside2To100)
{
    for (const char* answer : {"101", "ten"}) {
        ui.inputAnswers = {QString::fromLatin1(answer)};
        editor.runMenuItem("mnuDrawGrid");
        EXPECT_EQ(ui.messages.back(), "Invalid number of cells  1<N<100") << answer;
        EXPECT_TRUE(editor.tool.idle()) << answer;
        EXPECT_EQ(ui.currentPage(), 0) << answer;
    }
    // Only the first three characters count.
    ui.inputAnswers = {QStringLiteral("1005")};
    editor.runMenuItem("mnuDrawGrid");
    EXPECT_EQ(editor.tool.construction.slot[ConstructionState::kCount], 100);
}

TEST_F(FigureTools, TextStoresThePageSettingsWithoutControlCharacters)
{
    editor.runMenuItem("NewText2");
    editor.doc.panel.text = QString("AB") + QChar(0x07) + "C";
    editor.doc.panel.bold = true;
    editor.doc.panel.italic = true;
    click(120, 140);
    EXPECT_EQ(row(1), "Y|T|120|140|14|000000|3|Times New Roman|ABC|0|");
}

TEST_F(FigureTools, AFractionNearTheEdgeOfThePlaneWritesNothing)
{
    editor.doc.panel.text = QStringLiteral("1;2");
    editor.runMenuItem("mnufraction");
    click(INT_MAX - 2, 200);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(ui.messages.back(), "Range check error");
}

} // namespace
} // namespace kel
