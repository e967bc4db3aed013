// The circle and arc tools of the NewObj menu on the fake port: their
// previews, and the clicks they refuse. The rows they write are checked by
// the new_circles and new_arcs scripts.

#include "FigureToolFixture.h"

namespace kel {
namespace {

using test::FigureTools;

const QString kNoCircle = QStringLiteral("The 3 points lie on one line, circle not created");
const QString kNoArc = QStringLiteral("The 3 points lie on one line, arc not created");

TEST_F(FigureTools, CirclePreviewsAreOutlinesOnTheSurfaceOnly)
{
    editor.runMenuItem(QStringLiteral("NewCircle2"));
    move(200, 200);
    EXPECT_EQ(shown(200, 150), kBlack) << "the preview circle of the panel's radius 50";
    EXPECT_EQ(shown(200, 153), kWhite) << "drawn as an outline";
    EXPECT_NE(editor.renderer.GetBitmapPixel(200, 150), kBlack) << "the bitmap stays as it was";

    editor.runMenuItem(QStringLiteral("mnu3pointcircle"));
    click(100, 200);
    click(300, 200);
    move(200, 300);
    EXPECT_EQ(shown(200, 100), kBlack) << "the circle through the three points";

    editor.runMenuItem(QStringLiteral("mnucirbydiameter"));
    click(100, 100);
    move(300, 100);
    EXPECT_EQ(shown(200, 0), kBlack) << "the circle over the diameter";
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

TEST_F(FigureTools, PrecisionArcShowsANewRadiusAtOnce)
{
    editor.runMenuItem(QStringLiteral("mnustdAtc"));
    move(300, 300);
    EXPECT_EQ(ui.panels[3], "R=50");
    editor.attributes.setBoxText(Control::edtrad, QStringLiteral("60"));
    EXPECT_EQ(ui.panels[3], "R=60");
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

} // namespace
} // namespace kel
