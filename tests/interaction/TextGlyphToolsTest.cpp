// Grids, fills, texts, bordered labels, fractions and the radical sign driven
// through the Editor's pipelines as the menus start them.

#include "interaction/Editor.h"
#include "interaction/ShapeToolKit.h"
#include "model/Controls.h"
#include "model/FakeUi.h"
#include "render/RasterCanvas.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <climits>

namespace kel {
namespace {

class TextGlyphTools : public ::testing::Test {
protected:
    TextGlyphTools() { editor.start(); }

    void menu(const char* component) { editor.runMenuItem(QString::fromLatin1(component)); }
    void click(int x, int y) { editor.pointerDown(Qt::LeftButton, {x, y}); }
    void move(int x, int y) { editor.pointerMoved({x, y}); }
    void box(Control name, const QString& text) { editor.attributes.setBoxText(name, text); }
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

    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
};

TEST(CellText, DropsControlCharactersButKeepsThePanelsGlyph)
{
    EXPECT_EQ(CellText(QString("a\tb\r\nc") + QChar(0x01) + QChar(0x7F) + QChar(0x85)), "abc");
    EXPECT_EQ(CellText(QString("45") + QChar(0xB0) + QChar(0x15)),
              QString("45") + QChar(0xB0) + QChar(0x15));
}

TEST_F(TextGlyphTools, GridAsksForItsCellsAndGrowsUpAndRight)
{
    ui.inputAnswers = {QStringLiteral("10")};
    menu("mnuDrawGrid");
    ASSERT_EQ(ui.inputRequests.size(), 1u);
    EXPECT_EQ(ui.currentPage(), 6);
    EXPECT_EQ(ui.controlText(Control::edtvar1), "20");
    move(100, 300);
    EXPECT_EQ(ui.panels[3], "Cell W H =20");
    click(100, 300);
    EXPECT_TRUE(editor.tool.idle());
    EXPECT_EQ(row(1), QStringList({"D", "00000001", "100", "300", "10", "20"}));
    // Ten cells of 20 up and to the right of the click.
    const auto ink = [&](int x, int y) { return editor.renderer.GetBitmapPixel(x, y); };
    EXPECT_EQ(ink(100, 299), kBlack);
    EXPECT_EQ(ink(101, 300), kBlack);
    EXPECT_EQ(ink(299, 100), kBlack);
    EXPECT_EQ(ink(300, 101), kBlack);
    EXPECT_EQ(ink(113, 111), kWhite);
    EXPECT_EQ(ink(313, 300), kWhite);
}

TEST_F(TextGlyphTools, GridCellSizeFromTheWheelOrTheBox)
{
    ui.inputAnswers = {QStringLiteral("5")};
    menu("mnuDrawGrid");
    move(50, 200);
    editor.wheel(5);
    EXPECT_EQ(ui.controlText(Control::edtvar1), "25");
    EXPECT_EQ(ui.panels[3], "Cell W H =25");
    click(50, 200);
    EXPECT_EQ(row(1).mid(4), QStringList({"5", "25"}));
}

TEST_F(TextGlyphTools, GridRefusesCellCountsOutside2To100)
{
    for (const char* answer : {"1", "101", "ten"}) {
        ui.inputAnswers = {QString::fromLatin1(answer)};
        menu("mnuDrawGrid");
        EXPECT_EQ(ui.messages.back(), "Invalid number of cells  1<N<100") << answer;
        EXPECT_TRUE(editor.tool.idle()) << answer;
        EXPECT_EQ(ui.currentPage(), 0) << answer;
    }
    // Only the first three characters count.
    ui.inputAnswers = {QStringLiteral("1005")};
    menu("mnuDrawGrid");
    EXPECT_EQ(editor.tool.construction.slot[ConstructionState::kCount], 100);
}

TEST_F(TextGlyphTools, FillNeedsAPatternAndUsesTheClickPosition)
{
    menu("NewFillPattern1");
    EXPECT_EQ(ui.messages.back(), "Action is canceled, must select Brush Pat >0");
    EXPECT_TRUE(editor.tool.idle());

    box(Control::Edit2, "1");
    menu("NewFillPattern1");
    EXPECT_EQ(editor.tool.mode, ToolMode::FillRegion);
    click(50, 60);
    click(70, 80);
    EXPECT_EQ(row(1), QStringList({"F", "80808001", "50", "60", "000000"}));
    EXPECT_EQ(row(2), QStringList({"F", "80808001", "70", "80", "000000"}));
    EXPECT_EQ(editor.tool.mode, ToolMode::FillRegion) << "one fill per click, the tool stays";
}

TEST_F(TextGlyphTools, TextStoresThePageSettingsWithoutControlCharacters)
{
    menu("NewText2");
    EXPECT_EQ(ui.currentPage(), 1);
    EXPECT_EQ(ui.messages.back(), "1 click is needed, use mouse wheel to adjust font size");
    editor.doc.panel.text = QString("AB") + QChar(0x07) + "C";
    editor.doc.panel.bold = true;
    editor.doc.panel.italic = true;
    box(Control::edtrotangle, "");
    box(Control::edtfntsize, "14");
    move(120, 140);
    editor.wheel(2);
    EXPECT_EQ(editor.doc.panel.fontSize.value, 16);
    click(120, 140);
    EXPECT_EQ(row(1),
              QStringList({"T", "120", "140", "16", "000000", "3", "Times New Roman", "ABC"}))
        << "an empty angle box writes an empty cell";
    EXPECT_EQ(editor.tool.mode, ToolMode::Text);
}

TEST_F(TextGlyphTools, BorderedLabelHangsFromTheClick)
{
    box(Control::Edit2, "1");
    menu("mnuBordLabel");
    EXPECT_TRUE(ui.messages.isEmpty());
    click(200, 220);
    EXPECT_TRUE(editor.tool.idle());
    EXPECT_EQ(row(1), QStringList({"h", "00000001", "200", "220", "80808001", "Times New Roman",
                                   "14", "Triangle ABC -1", "0"}));
}

TEST_F(TextGlyphTools, FractionCentresTheNarrowerText)
{
    editor.doc.panel.text = QString("3") + QChar(0x0D) + ";12";
    menu("mnufraction");
    click(100, 200);
    ASSERT_EQ(rowsInUse(), 3);
    EXPECT_TRUE(editor.tool.idle());

    RasterCanvas measure({50, 50});
    CanvasFont font;
    font.name = QStringLiteral("Times New Roman");
    font.size = 14;
    measure.setFont(font);
    const int w3 = measure.textExtent("3").width();
    const int w12 = measure.textExtent("12").width();
    const int hK = measure.textExtent("K").height();
    ASSERT_GT(w12, w3);
    const QString bar = QString::number(100 + w12 + 5);
    EXPECT_EQ(row(1), QStringList({"L", "00000001", "100", "200", bar, "200"}));
    const QString numX = QString::number(100 + (w12 - w3) / 2);
    EXPECT_EQ(row(2),
              QStringList({"T", numX, "201", "14", "000000", "0", "Times New Roman", "3", "0"}));
    EXPECT_EQ(row(3), QStringList({"T", "101", QString::number(200 + hK), "14", "000000", "0",
                                   "Times New Roman", "12", "0"}));
}

TEST_F(TextGlyphTools, FractionWithoutSemicolonDoesNothing)
{
    editor.doc.panel.text = QStringLiteral("12");
    menu("mnufraction");
    click(100, 200);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(editor.tool.mode, ToolMode::Fraction);

    // Near the edge of the plane nothing is half written either.
    editor.doc.panel.text = QStringLiteral("1;2");
    click(INT_MAX - 2, 200);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(ui.messages.back(), "Range check error");
}

TEST_F(TextGlyphTools, RadicalSignKeepsItsTopBarLevel)
{
    menu("mnuRadicalsign");
    EXPECT_EQ(ui.messages.back(),
              "4 clicks are needed, first 3 for the V part of Radical and 4th to set length");
    click(100, 200);
    click(120, 240);
    click(150, 150);
    move(300, 400);
    click(300, 400);
    EXPECT_TRUE(editor.tool.idle());
    ASSERT_EQ(rowsInUse(), 3);
    EXPECT_EQ(row(1).mid(2), QStringList({"100", "200", "120", "240"}));
    EXPECT_EQ(row(2).mid(2), QStringList({"120", "240", "150", "150"}));
    EXPECT_EQ(row(3).mid(2), QStringList({"150", "150", "300", "150"}));
}

} // namespace
} // namespace kel
