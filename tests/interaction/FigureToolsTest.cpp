// The creation tools on the fake port: the clicks and values they refuse and
// the previews they draw. The rows they write are checked by the scripts.

#include "FigureToolFixture.h"
#include "interaction/tools/curves/BezierPage.h"

#include <climits>

namespace kel {
namespace {

using test::FigureTools;

TEST_F(FigureTools, ArbitraryLinePreviewsOnTheSurfaceAndContinuesTheLineEndingThere)
{
    // Row 1 only points at (200, 100) when extended; row 2 ends there.
    addLine({0, 100}, {50, 100});
    addLine({200, 100}, {200, 200});
    editor.startTool(ToolMode::ArbitraryLine);
    click(200, 100);
    move(300, 100);
    EXPECT_EQ(ui.panels[3], "L=100  H. Ang=0 Adj=90");
    move(200, 0);
    EXPECT_EQ(shown(200, 55), kBlack) << "the preview runs from the pointer to the first end";
    EXPECT_EQ(editor.renderer.GetBitmapPixel(200, 55), kWhite);
}

TEST_F(FigureTools, FixedLineLeavingThePlaneIsAnError)
{
    editor.runMenuItem(QStringLiteral("mnufixedline"));
    ui.setControlText(Control::edtvar1, "2147483647");
    ui.setControlText(Control::edtvar2, "0");
    move(500, 100);
    EXPECT_EQ(ui.controlText(Control::Label29), "Error");
    click(500, 100);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(mode(), ToolMode::FixedLine);
}

const QString kNoCircle = QStringLiteral("The 3 points lie on one line, circle not created");
const QString kNoArc = QStringLiteral("The 3 points lie on one line, arc not created");

TEST_F(FigureTools, CirclePreviewsAreOutlinesOnTheSurfaceOnly)
{
    editor.runMenuItem(QStringLiteral("NewCircle2"));
    move(200, 200);
    EXPECT_EQ(shown(200, 150), kBlack) << "the preview circle of the panel's radius 50";
    EXPECT_EQ(shown(200, 153), kWhite) << "drawn as an outline";
    EXPECT_NE(editor.renderer.GetBitmapPixel(200, 150), kBlack) << "the bitmap stays as it was";
}

TEST_F(FigureTools, ThreePointCircleAndEndPointArcRefuseCoincidingPoints)
{
    editor.startTool(ToolMode::ThreePointCircle);
    click(50, 50);
    click(50, 50);
    click(90, 10);
    EXPECT_EQ(ui.messages.back(), kNoCircle);
    EXPECT_EQ(clicks(), 2) << "the third click is taken back";
    editor.startTool(ToolMode::EndPointsArc);
    click(100, 100);
    click(100, 100);
    click(150, 50);
    EXPECT_EQ(ui.messages.back(), kNoArc);
    EXPECT_EQ(rowsInUse(), 0);
}

TEST_F(FigureTools, SweepArcRefusesATinyRadiusAndCoincidingPoints)
{
    editor.startTool(ToolMode::SweepArc);
    click(200, 200);
    click(201, 201);
    EXPECT_EQ(ui.messages.back(), "Radius too small");
    EXPECT_EQ(clicks(), 1);
    click(200, 300);
    click(200, 400);
    click(200, 400);
    click(100, 200);
    EXPECT_EQ(ui.messages.back(), kNoArc);
    EXPECT_EQ(clicks(), 4);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(mode(), ToolMode::SweepArc);
}

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
}

TEST_F(FigureTools, NudgingPastThe32BitPlaneChangesNothing)
{
    editor.tool.pickedRow = addRow("Y|B|00000001|2147483647 0 1 1 2 2 3 3");
    editor.startTool(ToolMode::EditBezierCurvature);
    EXPECT_TRUE(bezierBoxKey(editor, 0, Qt::Key_Right));
    EXPECT_EQ(cell(4, 1), QStringLiteral("2147483647 0 1 1 2 2 3 3"));
    EXPECT_EQ(ui.messages.back(), QStringLiteral("Range check error"));
}

TEST_F(FigureTools, GridRefusesCellCountsOutside2To100)
{
    for (const char* answer : {"1", "101", "ten"}) {
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
