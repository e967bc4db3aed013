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
    ui.setControlText("edtvar3", "12");
    click(300, 300);
    EXPECT_EQ(row(1), "Y|P|1|100|120||||||");
    EXPECT_EQ(editor.doc.current.defaultPointShape, "0");
}

TEST_F(FigureTools, ArbitraryLinePreviewsOnTheSurfaceAndContinuesTheLineEndingThere)
{
    // Row 1 only points at (200, 100) when extended; row 2 ends there.
    addLine({0, 100}, {50, 100});
    addLine({200, 100}, {200, 200});
    editor.startTool(2);
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
    ui.setControlText("edtvar1", "2147483647");
    ui.setControlText("edtvar2", "0");
    move(500, 100);
    EXPECT_EQ(ui.controlText("Label29"), "Error");
    click(500, 100);
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(mode(), 113);
}

} // namespace
} // namespace kel
