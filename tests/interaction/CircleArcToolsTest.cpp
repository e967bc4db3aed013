// The circle and arc tools of the NewObj menu on the fake port: radius and
// angles from the panel, circles and arcs through clicked points, filled and
// transparent circles, and the clicks they refuse.

#include "FigureToolFixture.h"

#include "model/Controls.h"

namespace kel {
namespace {

using test::FigureTools;

const QString kPen = QStringLiteral("00000001");
const QString kNoCircle = QStringLiteral("The 3 points lie on one line, circle not created");
const QString kNoArc = QStringLiteral("The 3 points lie on one line, arc not created");

QStringList circleRow(int x, int y, int size, const QString& brush = {})
{
    return {"Y",   "C", kPen, QString::number(x), QString::number(y), QString::number(size),
            brush, ""};
}

QStringList arcRow(int x, int y, int start, int end, int radius)
{
    return {"Y",
            "A",
            kPen,
            QString::number(x),
            QString::number(y),
            QString::number(start),
            QString::number(end),
            QString::number(radius)};
}

QStringList pointRow(int x, int y)
{
    return {"Y", "P", "0", QString::number(x), QString::number(y), "", "", ""};
}

TEST_F(FigureTools, NewCircleAppendsTheCircleAndItsCentre)
{
    editor.runMenuItem(QStringLiteral("NewCircle2"));
    EXPECT_EQ(mode(), ToolMode::Circle);
    move(200, 200);
    EXPECT_EQ(shown(200, 150), kBlack) << "the preview circle of the panel's radius 50";
    EXPECT_EQ(shown(200, 153), kWhite) << "drawn as an outline";
    click(200, 200);
    EXPECT_EQ(row(1), circleRow(200, 200, 50));
    EXPECT_EQ(row(2), pointRow(200, 200));
    EXPECT_EQ(mode(), ToolMode::Circle);

    // Filled: the negated radius and the brush; the wheel changes the radius.
    setPattern(1);
    editor.pointerMoved({400, 300});
    editor.wheel(3);
    click(400, 300);
    EXPECT_EQ(row(3), circleRow(400, 300, -53, "80808001"));
    EXPECT_EQ(row(4), pointRow(400, 300));
    EXPECT_EQ(rowsInUse(), 4);
}

TEST_F(FigureTools, ThreePointCircleRefusesPointsOnOneLineAndStartsOver)
{
    editor.runMenuItem(QStringLiteral("mnu3pointcircle"));
    EXPECT_EQ(ui.messages.back(), "3 mouse clicks needed to complete the circle");
    click(100, 200);
    click(300, 200);
    move(200, 300);
    EXPECT_EQ(ui.panels[4], "R=100");
    EXPECT_EQ(shown(200, 100), kBlack) << "the preview circle through the three points";
    click(200, 300);
    EXPECT_EQ(row(1), circleRow(200, 200, 100));
    EXPECT_EQ(clicks(), 0) << "ready for the next circle";
    EXPECT_EQ(mode(), ToolMode::ThreePointCircle);

    click(100, 100);
    click(200, 200);
    click(300, 300);
    EXPECT_EQ(ui.messages.back(), kNoCircle);
    EXPECT_EQ(clicks(), 2) << "the third click is taken back";
    EXPECT_EQ(rowsInUse(), 1);
    setPattern(2);
    click(300, 100);
    EXPECT_EQ(row(2), circleRow(200, 100, -100, "80808002"));

    // Two clicks at one place give no circle either.
    click(50, 50);
    click(50, 50);
    click(90, 10);
    EXPECT_EQ(ui.messages.back(), kNoCircle);
    EXPECT_EQ(rowsInUse(), 2);
}

TEST_F(FigureTools, CircleByDiameterNeedsARadiusAboveTwo)
{
    editor.runMenuItem(QStringLiteral("mnucirbydiameter"));
    EXPECT_EQ(ui.messages.back(),
              "1 click to draw a circle with 1 fixed end point of its diameter");
    click(100, 100);
    click(100, 100);
    EXPECT_EQ(ui.messages.back(), "Diam too small");
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(rowsInUse(), 0);
    move(300, 100);
    EXPECT_EQ(ui.panels[3], "R=100");
    EXPECT_EQ(shown(200, 0), kBlack) << "the preview over the diameter";
    click(300, 100);
    EXPECT_EQ(row(1), circleRow(200, 100, 100));
    EXPECT_EQ(clicks(), 0);

    EXPECT_EQ(mode(), ToolMode::CircleByDiameter);
}

TEST_F(FigureTools, PrecisionArcTakesThePanelValuesAndEnds)
{
    editor.runMenuItem(QStringLiteral("mnustdAtc"));
    EXPECT_EQ(ui.messages.back(),
              "Initialize the arc parameters R, ang1, ang2 first, then 1 click to draw the arc");
    move(300, 300);
    EXPECT_EQ(ui.panels[3], "R=50");
    editor.attributes.setBoxText(Control::edtrad, QStringLiteral("60"));
    EXPECT_EQ(ui.panels[3], "R=60") << "a new radius shows at once";
    editor.attributes.setBoxText(Control::edtang1, QStringLiteral("10"));
    click(300, 300);
    EXPECT_EQ(row(1), arcRow(300, 300, 10, 100, 60));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(FigureTools, ThreePointArcAlwaysRunsCounterClockwise)
{
    editor.runMenuItem(QStringLiteral("mnu3pointArc"));
    EXPECT_EQ(ui.messages.back(), "3 mouse clicks needed to complete the arc");
    // Right, top, left of the circle around (200, 200): counter-clockwise.
    click(300, 200);
    click(200, 100);
    move(100, 200);
    EXPECT_EQ(ui.panels[4], "R=100 Ang1=0 Ang2=180");
    click(100, 200);
    EXPECT_EQ(row(1), arcRow(200, 200, 0, 180, 100));
    EXPECT_EQ(mode(), ToolMode::ThreePointArc);
    EXPECT_EQ(clicks(), 0);

    // Top, right, bottom: clockwise, so the ends are stored swapped.
    click(200, 100);
    click(300, 200);
    click(200, 300);
    EXPECT_EQ(row(2), arcRow(200, 200, 270, 90, 100));
}

TEST_F(FigureTools, ThreePointArcRefusesPointsOnOneLine)
{
    editor.startTool(ToolMode::ThreePointArc);
    click(100, 100);
    click(150, 150);
    click(200, 200);
    EXPECT_EQ(ui.messages.back(), kNoArc);
    EXPECT_EQ(clicks(), 2);
    EXPECT_EQ(rowsInUse(), 0);
    click(100, 200);
    EXPECT_EQ(row(1), arcRow(100, 150, 270, 90, 50));
}

TEST_F(FigureTools, EndPointsArcTakesItsHeightOnTheBisector)
{
    editor.runMenuItem(QStringLiteral("mnuArc2point"));
    EXPECT_EQ(ui.messages.back(),
              "First 2 clicks are the end points of arc, 3rd click set its height");
    click(100, 200);
    click(300, 200);
    move(250, 100);
    EXPECT_EQ(ui.panels[3], "H=100 R=100");
    click(250, 100);
    // From (100, 200) over the top (200, 100) to (300, 200) runs clockwise.
    EXPECT_EQ(row(1), arcRow(200, 200, 0, 180, 100));
    EXPECT_EQ(mode(), ToolMode::EndPointsArc);

    // No height, or ends at one place: no arc.
    click(100, 200);
    click(300, 200);
    click(200, 200);
    EXPECT_EQ(ui.messages.back(), kNoArc);
    EXPECT_EQ(clicks(), 2);
    editor.startTool(ToolMode::EndPointsArc);
    click(100, 100);
    click(100, 100);
    click(150, 50);
    EXPECT_EQ(ui.messages.back(), kNoArc);
    EXPECT_EQ(rowsInUse(), 1);
}

TEST_F(FigureTools, SweepArcGoesAroundTheClickedCentre)
{
    editor.runMenuItem(QStringLiteral("mnusweeparc"));
    EXPECT_EQ(ui.messages.back(),
              "5 mouse clicks needed to complete the arc, center, rad, 3 points");
    click(200, 200);
    move(300, 200);
    EXPECT_EQ(ui.panels[3], "R=100");
    click(300, 200);
    move(400, 200); // the point lands on the circle at (300, 200)
    EXPECT_EQ(ui.panels[3], "R=100  Degree=0");
    click(400, 200);
    click(200, 50);
    move(50, 200);
    EXPECT_EQ(ui.panels[3], "R=100  Degree=180");
    click(50, 200);
    EXPECT_EQ(row(1), arcRow(200, 200, 0, 180, 100));
    EXPECT_EQ(mode(), ToolMode::Idle);
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
