#include "model/AttributeStrings.h"
#include "FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

namespace kel {
namespace {

TEST(ParsePenAttr, PadsOnTheLeftAndReadsOnlyTheLastDigitAsWidth)
{
    CurrentAttributes current;
    ParsePenAttr(current, "1");
    EXPECT_EQ(current.penColour, 0u);
    EXPECT_EQ(current.penWidth, 1);

    ParsePenAttr(current, "0000FF03");
    EXPECT_EQ(current.penColour, 0x0000FFu); // red
    EXPECT_EQ(current.penWidth, 3);

    ParsePenAttr(current, "000000FF");
    EXPECT_EQ(current.penColour, 0u);
    EXPECT_EQ(current.penWidth, 1); // F is not a decimal digit

    current.penWidth = 5;
    current.penColour = 0x123456;
    ParsePenAttr(current, "");
    EXPECT_EQ(current.penColour, 0u);
    EXPECT_EQ(current.penWidth, 0); // dotted

    ParsePenAttr(current, "FF000007EXTRA"); // only the first 8 characters count
    EXPECT_EQ(current.penColour, 0xFF0000u);
    EXPECT_EQ(current.penWidth, 7);
    EXPECT_EQ(current.brushColour, 0x808080u); // the brush is not touched
}

TEST(ParseBrushAttr, EmptyTextChangesNothing)
{
    CurrentAttributes current;
    current.brushColour = 0x123456;
    current.brushStyle = 4;
    EXPECT_FALSE(ParseBrushAttr(current, ""));
    EXPECT_EQ(current.brushColour, 0x123456u);
    EXPECT_EQ(current.brushStyle, 4);

    EXPECT_TRUE(ParseBrushAttr(current, "00FF0006"));
    EXPECT_EQ(current.brushColour, 0x00FF00u);
    EXPECT_EQ(current.brushStyle, 6);
    EXPECT_EQ(current.penWidth, 2); // the pen is not touched
}

TEST(MakeAttr, SixColourDigitsTwoNumberDigitsCutToEight)
{
    test::FakeUi ui;
    Document doc(ui);
    doc.panel.penSwatch = 0x0000FF;
    doc.panel.penWidth.text = "3";
    EXPECT_EQ(MakePenAttr(doc), "0000FF03");
    EXPECT_EQ(doc.current.penWidth, 3);
    EXPECT_EQ(doc.current.penColour, 0x0000FFu);

    doc.panel.penWidth.text = "x"; // not a number: width 1
    EXPECT_EQ(MakePenAttr(doc), "0000FF01");
    doc.panel.penWidth.text = "";
    EXPECT_EQ(MakePenAttr(doc), "0000FF01");
    doc.panel.penWidth.text = "26";
    EXPECT_EQ(MakePenAttr(doc), "0000FF1A");
    doc.panel.penWidth.text = "300"; // three digits: the last one is cut
    EXPECT_EQ(MakePenAttr(doc), "0000FF12");

    CurrentAttributes current;
    current.brushColour = 0xABCDEF;
    current.brushStyle = 7;
    EXPECT_EQ(MakeBrushAttr(current), "ABCDEF07");
    current.brushColour = 0x1ABCDEF; // seven colour digits push the style out
    EXPECT_EQ(MakeBrushAttr(current), "1ABCDEF0");
    current.brushColour = 0;
    current.brushStyle = -1; // two's complement, cut
    EXPECT_EQ(MakeBrushAttr(current), "000000FF");
}

TEST(HexToColour, ReadsUpToSixDigitsAndNeverFails)
{
    EXPECT_EQ(HexToColour("0000FF"), 0x0000FFu);
    EXPECT_EQ(HexToColour("FF0000"), 0xFF0000u);
    EXPECT_EQ(HexToColour("A1B2C3D4"), 0xA1B2C3u); // only six count
    EXPECT_EQ(HexToColour("FF"), 0xFFu);           // shorter texts are their own value
    EXPECT_EQ(HexToColour(""), 0u);
    EXPECT_EQ(HexToColour("ff00aa"), 0xFF00AAu);
    EXPECT_EQ(HexToColour("G0Z0-1"), 0x000001u); // other characters count 0
    EXPECT_EQ(HexToColour(QString(QChar(0xFFFF)).repeated(6)), 0u);
}

TEST(ParseNumberList, SkipsBlankRunsAndZeroesBadPieces)
{
    EXPECT_EQ(ParseNumberList("10 20 30 40"), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(ParseNumberList("   -5    7  "), (std::vector<int>{-5, 7}));
    EXPECT_EQ(ParseNumberList("1 abc 3 4x"), (std::vector<int>{1, 0, 3, 0}));
    EXPECT_EQ(
        ParseNumberList("99999999999 2147483647 -2147483648"),
        (std::vector<int>{0, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}));
    EXPECT_TRUE(ParseNumberList("").empty());
    EXPECT_TRUE(ParseNumberList("     ").empty());
    EXPECT_EQ(ParseNumberList(QString(100000, QLatin1Char('9')) + " 8"), (std::vector<int>{0, 8}));
}

TEST(MakePointList, RoundTripsThroughParseNumberList)
{
    const std::vector<QPoint> points{{1, 2}, {-30, 40}, {500, 6}};
    const QString text = MakePointList(points);
    EXPECT_EQ(text, "1 2 -30 40 500 6");
    EXPECT_EQ(ParseNumberList(text), (std::vector<int>{1, 2, -30, 40, 500, 6}));
    EXPECT_TRUE(MakePointList({}).isEmpty());
}

} // namespace
} // namespace kel
