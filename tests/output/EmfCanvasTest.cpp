// The metafile canvas: records that pass libUEMF's safety checks.

#include "output/EmfCanvas.h"
#include "EmfRecords.h"

#include <gtest/gtest.h>

#include <QImage>

#include <set>
#include <tuple>
#include <utility>

namespace kel {
namespace {

using test::EmfFile;
using test::ReadEmf;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

// One of every operation a drawing uses.
void DrawEverything(EmfCanvas& canvas)
{
    canvas.setPen({kRed, 0, PenStyle::Dotted});
    canvas.line({5, 5}, {60, 5});
    canvas.setPen({kBlue, 3, PenStyle::Solid});
    canvas.setBrush({0x00FF00, BrushStyle::Cross});
    canvas.rectangle(10, 10, 60, 50);
    canvas.roundRect(70, 10, 120, 50, 12, 12);
    canvas.ellipse(130, 10, 180, 50);
    canvas.arc(10, 60, 60, 110, {60, 85}, {35, 60});
    canvas.polygon({{70, 60}, {120, 60}, {95, 110}});
    canvas.setBrush({0, BrushStyle::Clear});
    canvas.polyline({{130, 60}, {150, 110}, {180, 60}});
    canvas.bezier({{10, 130}, {30, 110}, {50, 150}, {70, 130}});
    canvas.focusRect(80, 120, 120, 150);
    CanvasFont font;
    font.size = 12;
    font.escapement = 450;
    canvas.setFont(font);
    canvas.textOut({130, 140}, QStringLiteral("Abc"));
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.textPath({10, 160}, QStringLiteral("O"));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    canvas.drawImage({150, 160}, picture);
    canvas.stretchImage(QRect(160, 160, 8, 6), picture);
    canvas.setPixel({199, 199}, kRed);
    canvas.setPen({kBlack, 1, PenStyle::Solid});
    canvas.rectangle(100, 160, 140, 190);
    canvas.setBrush({kBlue, BrushStyle::Solid});
    canvas.floodFill({120, 175}, kBlack);
}

TEST(EmfCanvas, EveryOperationMakesSafeRecordsAndAnExactHeader)
{
    EmfCanvas canvas(QSize(200, 200));
    DrawEverything(canvas);
    const QByteArray bytes = canvas.finish();
    const EmfFile emf = ReadEmf(bytes);
    ASSERT_TRUE(emf.valid);

    for (uint32_t type :
         {U_EMR_CREATEPEN, U_EMR_CREATEBRUSHINDIRECT, U_EMR_MOVETOEX, U_EMR_LINETO, U_EMR_RECTANGLE,
          U_EMR_ROUNDRECT, U_EMR_ELLIPSE, U_EMR_ARC, U_EMR_POLYGON16, U_EMR_POLYLINE16,
          U_EMR_POLYBEZIER16, U_EMR_EXTCREATEFONTINDIRECTW, U_EMR_EXTTEXTOUTW, U_EMR_POLYPOLYGON16,
          U_EMR_STRETCHDIBITS, U_EMR_SETPIXELV, U_EMR_EXTSELECTCLIPRGN})
        EXPECT_FALSE(emf.ofType(type).empty()) << U_emr_names(type);

    const U_EMRHEADER& h = emf.header;
    EXPECT_EQ(h.nBytes, uint32_t(bytes.size()));
    EXPECT_EQ(h.nRecords, emf.records.size());
    EXPECT_EQ(h.rclBounds.left, 0);
    EXPECT_EQ(h.rclBounds.right, 199) << "bounds include their last pixel";
    EXPECT_EQ(h.rclBounds.bottom, 199);
    EXPECT_EQ(h.rclFrame.right, 5292) << "200 px at 96 dpi in 0.01 mm";
    EXPECT_EQ(h.rclFrame.bottom, 5292);

    // Pen, brush and font each hold one handle at a time: a replaced object
    // is deleted, and every object is gone by the end.
    std::set<uint32_t> live;
    uint32_t highest = 0;
    for (const auto& record : emf.records) {
        uint32_t created = 0;
        if (record.type == U_EMR_CREATEPEN)
            created = record.as<U_EMRCREATEPEN>().ihPen;
        else if (record.type == U_EMR_CREATEBRUSHINDIRECT)
            created = record.as<U_EMRCREATEBRUSHINDIRECT>().ihBrush;
        else if (record.type == U_EMR_EXTCREATEFONTINDIRECTW)
            created = record.as<U_EMREXTCREATEFONTINDIRECTW>().ihFont;
        if (created != 0) {
            EXPECT_TRUE(live.insert(created).second)
                << "handle " << created << " reused while live";
            highest = std::max(highest, created);
        }
        if (record.type == U_EMR_DELETEOBJECT) {
            EXPECT_EQ(live.erase(record.as<U_EMRDELETEOBJECT>().ihObject), 1u);
            EXPECT_LE(live.size(), 3u);
        }
    }
    EXPECT_TRUE(live.empty());
    EXPECT_EQ(h.nHandles, highest + 1);
}

// Brushes and hatches are compared with the screen by the players' tests.
TEST(EmfCanvas, PensKeepTheCanvasStyles)
{
    struct PenCase {
        CanvasPen pen;
        uint32_t style;
        int32_t width;
    };
    const PenCase pens[] = {{{kRed, 0, PenStyle::Dotted}, U_PS_DOT, 1},
                            {{kRed, 5, PenStyle::Dotted}, U_PS_DOT, 1},
                            {{kBlue, 4, PenStyle::Solid}, U_PS_SOLID, 4}};
    for (const PenCase& c : pens) {
        EmfCanvas canvas(QSize(20, 20));
        canvas.setPen(c.pen);
        canvas.line({1, 1}, {10, 10});
        const auto created = ReadEmf(canvas.finish()).ofType(U_EMR_CREATEPEN);
        ASSERT_EQ(created.size(), 1u);
        const U_LOGPEN lopn = created[0].as<U_EMRCREATEPEN>().lopn;
        EXPECT_EQ(lopn.lopnStyle, c.style);
        EXPECT_EQ(lopn.lopnWidth.x, c.width);
        EXPECT_EQ(lopn.lopnColor.Red, c.pen.colour & 0xFF);
        EXPECT_EQ(lopn.lopnColor.Blue, c.pen.colour >> 16);
    }
}

TEST(EmfCanvas, TextKeepsItsPlaceFontAndColour)
{
    EmfCanvas canvas(QSize(300, 300));
    CanvasFont font;
    font.name = QStringLiteral("Times New Roman");
    font.size = 12;
    font.colour = kRed;
    font.escapement = 900;
    canvas.setFont(font);
    canvas.textOut({40, 50}, QStringLiteral("AB"));
    const EmfFile emf = ReadEmf(canvas.finish());
    ASSERT_TRUE(emf.valid);

    const U_LOGFONT lf = emf.ofType(U_EMR_EXTCREATEFONTINDIRECTW)
                             .at(0)
                             .as<U_EMREXTCREATEFONTINDIRECTW>()
                             .elfw.elfLogFont;
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.lfHeight, -16) << "12 points at 96 dpi";
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(lf.lfFaceName)), font.name);

    const auto text = emf.ofType(U_EMR_EXTTEXTOUTW).at(0);
    const U_EMRTEXT emrtext = text.as<U_EMREXTTEXTOUTW>().emrtext;
    EXPECT_EQ(std::pair(emrtext.ptlReference.x, emrtext.ptlReference.y), std::pair(40, 50));
    ASSERT_EQ(emrtext.nChars, 2u);
    EXPECT_EQ(QString::fromUtf16(
                  reinterpret_cast<const char16_t*>(text.bytes.constData() + emrtext.offString), 2),
              QStringLiteral("AB"));
    const auto colour = emf.ofType(U_EMR_SETTEXTCOLOR);
    ASSERT_EQ(colour.size(), 1u);
    EXPECT_EQ(colour[0].as<U_EMRSETTEXTCOLOR>().crColor.Red, 0xFF);
}

TEST(EmfCanvas, FloodFillEmbedsTheFilledPixelsClippedToTheRegion)
{
    EmfCanvas canvas(QSize(80, 80));
    canvas.setPen({kBlack, 1, PenStyle::Solid});
    canvas.rectangle(10, 10, 50, 40);
    canvas.setBrush({kBlue, BrushStyle::Solid});
    canvas.floodFill({30, 25}, kBlack);
    canvas.floodFill({30, 25}, kBlue); // seed on the border colour: nothing
    EXPECT_EQ(fromQRgb(canvas.shadowImage().pixel(30, 25)), kBlue);
    const EmfFile emf = ReadEmf(canvas.finish());
    ASSERT_TRUE(emf.valid);

    const auto clips = emf.ofType(U_EMR_EXTSELECTCLIPRGN);
    const auto bitmaps = emf.ofType(U_EMR_STRETCHDIBITS);
    ASSERT_EQ(clips.size(), 1u);
    ASSERT_EQ(bitmaps.size(), 1u);
    // The inside of the outline, 11..48 x 11..38, excluding the outline.
    const U_RGNDATAHEADER region = clips[0].as<U_EMREXTSELECTCLIPRGN>().RgnData[0].rdh;
    EXPECT_EQ(std::tuple(region.rclBounds.left, region.rclBounds.top, region.rclBounds.right,
                         region.rclBounds.bottom),
              std::tuple(11, 11, 49, 39));
    const U_EMRSTRETCHDIBITS dib = bitmaps[0].as<U_EMRSTRETCHDIBITS>();
    EXPECT_EQ(std::tuple(dib.Dest.x, dib.Dest.y, dib.cDest.x, dib.cDest.y),
              std::tuple(11, 11, 38, 28));
    // Every embedded pixel is the fill colour (blue in the low byte).
    const auto* pixels =
        reinterpret_cast<const uint32_t*>(bitmaps[0].bytes.constData() + dib.offBitsSrc);
    int blue = 0;
    for (uint32_t i = 0; i < dib.cbBitsSrc / 4; ++i)
        blue += pixels[i] == 0x0000FFu;
    EXPECT_EQ(blue, 38 * 28);
}

} // namespace
} // namespace kel
