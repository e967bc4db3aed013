#include "model/AttributeStrings.h"
#include "FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace kel {
namespace {

TEST(ParsePenAttr, PadsOnTheLeftAndReadsOnlyTheLastDigitAsWidth)
{
    const auto parse = [](const char* text) {
        CurrentAttributes current;
        current.penColour = 0x123456;
        ParsePenAttr(current, text);
        EXPECT_EQ(current.brushColour, 0x808080u) << "the brush is not touched";
        return std::pair{current.penColour, current.penWidth};
    };
    EXPECT_EQ(parse("1"), std::pair(0u, 1));
    EXPECT_EQ(parse("0000FF03"), std::pair(0x0000FFu, 3));
    EXPECT_EQ(parse("000000FF"), std::pair(0u, 1));             // F is not a decimal digit
    EXPECT_EQ(parse("FF000007EXTRA"), std::pair(0xFF0000u, 7)); // the first 8 characters count
}

TEST(ParseBrushAttr, EmptyTextChangesNothing)
{
    CurrentAttributes current;
    current.brushColour = 0x123456;
    current.brushStyle = 4;
    EXPECT_FALSE(ParseBrushAttr(current, ""));
    EXPECT_EQ(std::pair(current.brushColour, current.brushStyle), std::pair(0x123456u, 4));
    EXPECT_TRUE(ParseBrushAttr(current, "00FF0006"));
    EXPECT_EQ(std::pair(current.brushColour, current.brushStyle), std::pair(0x00FF00u, 6));
    EXPECT_EQ(current.penWidth, 2); // the pen is not touched
}

TEST(MakeAttr, SixColourDigitsTwoNumberDigitsCutToEight)
{
    test::FakeUi ui;
    Document doc(ui);
    doc.panel.penSwatch = 0x0000FF;
    const auto pen = [&doc](const char* width) {
        doc.panel.penWidth.text = width;
        return MakePenAttr(doc);
    };
    EXPECT_EQ(pen("3"), "0000FF03");
    EXPECT_EQ(std::pair(doc.current.penColour, doc.current.penWidth), std::pair(0x0000FFu, 3));
    EXPECT_EQ(pen("x"), "0000FF01");   // not a number: width 1
    EXPECT_EQ(pen("300"), "0000FF12"); // three digits: the last one is cut

    const auto brush = [](Colour colour, int style) {
        return MakeBrushAttr(CurrentAttributes{2, kBlack, colour, style, "0"});
    };
    EXPECT_EQ(brush(0xABCDEF, 7), "ABCDEF07");
    EXPECT_EQ(brush(0x1ABCDEF, 7), "1ABCDEF0"); // seven colour digits push the style out
    EXPECT_EQ(brush(0, -1), "000000FF");        // two's complement, cut
}

TEST(HexToColour, ReadsUpToSixDigitsAndNeverFails)
{
    EXPECT_EQ(HexToColour("A1B2C3D4"), 0xA1B2C3u); // only six count
    EXPECT_EQ(HexToColour("ff"), 0xFFu);           // shorter texts are their own value
    EXPECT_EQ(HexToColour("G0Z0-1"), 0x000001u);   // other characters count 0
    EXPECT_EQ(HexToColour(QString(QChar(0xFFFF)).repeated(6)), 0u);
}

TEST(ParseNumberList, SkipsBlankRunsAndZeroesBadPieces)
{
    EXPECT_EQ(ParseNumberList("   -5    7  "), (std::vector<int>{-5, 7}));
    EXPECT_EQ(ParseNumberList("1 abc 3 4x"), (std::vector<int>{1, 0, 3, 0}));
    EXPECT_EQ(
        ParseNumberList("99999999999 2147483647 -2147483648"),
        (std::vector<int>{0, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}));
    EXPECT_TRUE(ParseNumberList("     ").empty());
    EXPECT_EQ(ParseNumberList(QString(100000, QLatin1Char('9')) + " 8"), (std::vector<int>{0, 8}));
}

} // namespace
} // namespace kel
