// The point and line tools of the NewObj menu on the fake port: previews,
// the line a new line continues, and values that leave the plane. The rows
// they write are checked by the new_points and new_lines scripts.

#include "FigureToolFixture.h"

namespace kel {
namespace {

using test::FigureTools;

constexpr Colour kYellow = 0x00FFFF;

TEST_F(FigureTools, TypedPointPreviewsAtTheTypedPlaceAndRestoresTheDefaultShape)
{
    editor.runMenuItem(QStringLiteral("mnyptBykeyboard"));
    move(500, 500);
    EXPECT_EQ(shown(100, 120), kYellow) << "the preview point of shape 0 at the typed place";
    ui.setControlText(Control::edtvar3, "12");
    click(300, 300);
    EXPECT_EQ(row(1), "Y|P|1|100|120||||||");
    EXPECT_EQ(editor.doc.current.defaultPointShape, "0");
}

// Enter is a click at the pointer; in the typed-point tool a second Enter in
// a row must not write the same point again, until another key comes between.
TEST_F(FigureTools, TypedPointsTakeOneEnterInARow)
{
    editor.runMenuItem(QStringLiteral("mnyptBykeyboard"));
    move(50, 50);
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_TRUE(key(Qt::Key_Enter)) << "the second Enter is swallowed";
    EXPECT_EQ(rowsInUse(), 1);
    EXPECT_EQ(row(1), "Y|P|0|100|120||||||");

    // Typing new coordinates arms Enter again.
    ui.setControlText(Control::edtvar1, "7");
    EXPECT_FALSE(handleKeyPress(editor, KeyPress{Qt::Key_7, QLatin1Char('7'), KeyTarget::Other}));
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_EQ(rowsInUse(), 2);
    EXPECT_EQ(row(2), "Y|P|0|7|120||||||");

    // Other tools click on every Enter.
    editor.runMenuItem(QStringLiteral("mnynewPtByMouse"));
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(rowsInUse(), 4);
}

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

} // namespace
} // namespace kel
