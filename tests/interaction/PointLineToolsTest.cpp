// The point and line tools of the NewObj menu, driven through the pointer
// pipeline on the fake port: what they preview, what they report and the
// rows they write.

#include "FigureToolFixture.h"

#include "model/Controls.h"

namespace kel {
namespace {

using test::FigureTools;

const QString kPen = QStringLiteral("00000001");
constexpr Colour kRed = 0x0000FF;
constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kGuide = 0x770000;

QStringList lineRow(int x1, int y1, int x2, int y2)
{
    return {"Y",
            "L",
            kPen,
            QString::number(x1),
            QString::number(y1),
            QString::number(x2),
            QString::number(y2),
            ""};
}

QStringList pointRow(const QString& shape, int x, int y)
{
    return {"Y", "P", shape, QString::number(x), QString::number(y), "", "", ""};
}

TEST_F(FigureTools, MousePointsGoWhereTheClicksAreWithTheDefaultShape)
{
    editor.runMenuItem(QStringLiteral("mnynewPtByMouse"));
    EXPECT_EQ(mode(), ToolMode::PointByMouse);
    EXPECT_TRUE(ui.messages.isEmpty());
    click(10, 20);
    editor.doc.current.defaultPointShape = QStringLiteral("2");
    click(30, 40);
    EXPECT_EQ(rowsInUse(), 2);
    EXPECT_EQ(row(1), pointRow("0", 10, 20));
    EXPECT_EQ(row(2), pointRow("2", 30, 40));
    EXPECT_EQ(mode(), ToolMode::PointByMouse) << "the tool repeats";
    EXPECT_EQ(clicks(), 0);
}

TEST_F(FigureTools, TypedPointsIgnoreTheClickPositionAndKeepOneShapeDigit)
{
    editor.runMenuItem(QStringLiteral("mnyptBykeyboard"));
    EXPECT_EQ(ui.currentPage(), 6);
    EXPECT_EQ(ui.messages, QStringList{"You can enter unlimited points by entering their X,Y "
                                       "coordinates, press Esc when done"});

    move(500, 500);
    EXPECT_EQ(ui.controlText(Control::Label29), "OK");
    EXPECT_EQ(shown(100, 120), kYellow) << "the preview point of shape 0 at the typed place";
    click(700, 10);
    EXPECT_EQ(row(1), pointRow("0", 100, 120));

    ui.setControlText(Control::edtvar1, "5");
    ui.setControlText(Control::edtvar2, "6");
    ui.setControlText(Control::edtvar3, "12");
    click(300, 300);
    EXPECT_EQ(row(2), pointRow("1", 5, 6)) << "only the first character of the shape";
    EXPECT_EQ(editor.doc.current.defaultPointShape, "0") << "the default shape is restored";
    EXPECT_EQ(mode(), ToolMode::PointByCoordinates);

    ui.setControlText(Control::edtvar2, "1x");
    move(10, 10);
    EXPECT_EQ(ui.controlText(Control::Label29), "Error");
    EXPECT_EQ(ui.textColours.value(Control::Label29), kRed);
    click(10, 10);
    EXPECT_EQ(ui.messages.back(), "Invalid numerical format");
    EXPECT_EQ(rowsInUse(), 2);
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
    EXPECT_EQ(row(1), pointRow("0", 100, 120));

    // Typing new coordinates arms Enter again.
    ui.setControlText(Control::edtvar1, "7");
    EXPECT_FALSE(handleKeyPress(editor, KeyPress{Qt::Key_7, QLatin1Char('7'), KeyTarget::Other}));
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_EQ(rowsInUse(), 2);
    EXPECT_EQ(row(2), pointRow("0", 7, 120));

    // Other tools click on every Enter.
    editor.runMenuItem(QStringLiteral("mnynewPtByMouse"));
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(rowsInUse(), 4);
}

TEST_F(FigureTools, ArbitraryLineReportsLengthAngleAndTheAngleToALineItContinues)
{
    putLine(1, {100, 100}, {200, 100});
    editor.runMenuItem(QStringLiteral("mnuArbitLine"));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ui.currentPage(), 0);

    click(200, 100); // exactly on the second end of row 1
    move(200, 0);
    EXPECT_EQ(ui.panels[3], "L=100  H. Ang=90 Adj=90");
    EXPECT_EQ(shown(200, 55), kBlack) << "the preview runs from the pointer to the first end";
    EXPECT_EQ(editor.renderer.GetBitmapPixel(200, 55), kWhite);
    move(100, 0);
    EXPECT_EQ(ui.panels[3], "L=141  H. Ang=45 Adj=45");
    click(100, 0);
    EXPECT_EQ(row(2), lineRow(200, 100, 100, 0));
    EXPECT_EQ(mode(), ToolMode::ArbitraryLine);
    EXPECT_EQ(clicks(), 0);

    // One pixel beside the end there is no line to continue.
    click(201, 100);
    move(201, 0);
    EXPECT_EQ(ui.panels[3], "L=100  H. Ang=90 Adj=0");
}

TEST_F(FigureTools, ArbitraryLineFindsTheEndEvenWhenAnotherLineRunsThroughIt)
{
    // Row 1 only points at (200, 100) when extended; row 2 ends there.
    putLine(1, {0, 100}, {50, 100});
    putLine(2, {200, 100}, {200, 200});
    editor.startTool(ToolMode::ArbitraryLine);
    click(200, 100);
    move(300, 100);
    EXPECT_EQ(ui.panels[3], "L=100  H. Ang=0 Adj=90");
}

TEST_F(FigureTools, ArbitraryLineTooShortKeepsItsFirstEnd)
{
    editor.startTool(ToolMode::ArbitraryLine);
    click(10, 10);
    click(11, 11);
    EXPECT_EQ(ui.messages, QStringList{"Line too short, line not created"});
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(clicks(), 1);
    click(60, 10);
    EXPECT_EQ(row(1), lineRow(10, 10, 60, 10));
}

TEST_F(FigureTools, HorizontalAndVerticalLinesFollowOneAxisAndEnd)
{
    editor.runMenuItem(QStringLiteral("mnuNewHorLine"));
    EXPECT_EQ(ui.messages.back(), "2 clicks needed to draw the Hor. Line");
    move(300, 200);
    click(300, 200);
    move(420, 260);
    EXPECT_EQ(ui.panels[3], "Length=120");
    EXPECT_EQ(shown(360, 200), kBlack) << "the line so far";
    click(420, 260);
    EXPECT_EQ(row(1), lineRow(300, 200, 420, 200));
    EXPECT_EQ(mode(), ToolMode::Idle);

    editor.runMenuItem(QStringLiteral("NewVerLine1"));
    EXPECT_EQ(ui.messages.back(), "2 clicks needed to draw the Ver. Line");
    click(300, 200);
    move(340, 120);
    EXPECT_EQ(ui.panels[3], "Length=80");
    click(340, 120);
    EXPECT_EQ(row(2), lineRow(300, 200, 300, 120));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

TEST_F(FigureTools, FixedLineChecksItsValuesBeforeAnyRow)
{
    editor.runMenuItem(QStringLiteral("mnufixedline"));
    EXPECT_EQ(ui.messages.back(),
              "After you set the length and angle of line in edit boxes just 1 click");
    EXPECT_EQ(ui.currentPage(), 6);

    ui.setControlText(Control::edtvar1, "1");
    ui.setControlText(Control::edtvar2, "30");
    move(100, 100);
    EXPECT_EQ(ui.controlText(Control::Label29), "Error");
    EXPECT_EQ(ui.textColours.value(Control::Label29), kRed);
    click(100, 100);
    EXPECT_EQ(ui.messages.back(), "Invalid length or angle");
    EXPECT_EQ(rowsInUse(), 0);
    EXPECT_EQ(mode(), ToolMode::FixedLine);

    // An angle that is no number, and a length that leaves the plane.
    ui.setControlText(Control::edtvar1, "2147483647");
    ui.setControlText(Control::edtvar2, "0");
    move(500, 100);
    EXPECT_EQ(ui.controlText(Control::Label29), "Error");

    ui.setControlText(Control::edtvar1, "100");
    ui.setControlText(Control::edtvar2, "30");
    move(200, 300);
    EXPECT_EQ(ui.controlText(Control::Label29), "OK");
    EXPECT_EQ(ui.textColours.value(Control::Label29), kBlack);
    click(200, 300);
    // 100 cos 30 = 86.6, 100 sin 30 = 50; y grows downwards.
    EXPECT_EQ(row(1), lineRow(200, 300, 287, 250));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

} // namespace
} // namespace kel
