#include "render/RasterCanvas.h"
#include "PixelChecks.h"
#include "render/FastRaster.h"
#include "render/Hatch.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include <limits>
#include <random>

namespace kel {
namespace {

using test::At;
using test::Count;
using test::InkBounds;
using test::kBlue;
using test::kRed;

constexpr CanvasPen kThinBlack{kBlack, 1, PenStyle::Solid};

class RasterCanvasTest : public ::testing::Test {
protected:
    RasterCanvas canvas{QSize(400, 300)};

    void SetUp() override { canvas.setPen(kThinBlack); }
    const QImage& image()
    {
        canvas.finish();
        return canvas.image();
    }
};

TEST_F(RasterCanvasTest, RectangleCoversLeftTopButNotRightBottomAndFillMeetsOutline)
{
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.rectangle(10, 20, 50, 60);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(10, 20), QPoint(49, 59)));
    EXPECT_EQ(At(image(), 11, 21), kRed);
    EXPECT_EQ(Count(canvas, kRed), 38 * 38); // no gap between fill and outline
    EXPECT_EQ(Count(canvas, kBlack), 2 * 40 + 2 * 38);

    canvas.setPixel({3, 4}, kRed);
    EXPECT_EQ(canvas.pixel({3, 4}), kRed);
    EXPECT_EQ(canvas.pixel({-1, 4}), std::nullopt);
    const QImage before = image().copy();
    canvas.setPixel({400, 300}, kRed);
    canvas.setPixel({std::numeric_limits<int>::min(), 0}, kRed);
    EXPECT_EQ(image(), before);
}

TEST_F(RasterCanvasTest, ArcRunsCounterClockwiseFromStartPointToEndPoint)
{
    canvas.arc(100, 100, 300, 300, QPoint(287, 150), QPoint(200, 100));
    const QRect ink = InkBounds(image());
    EXPECT_GE(ink.left(), 198);
    EXPECT_LE(ink.bottom(), 152);
    EXPECT_NEAR(ink.right(), 287, 2);
    // The same points the other way round: the remaining 300 degrees.
    canvas.clear();
    canvas.arc(100, 100, 300, 300, QPoint(200, 100), QPoint(287, 150));
    EXPECT_EQ(At(image(), 100, 200), kBlack);                      // leftmost point
    EXPECT_EQ(Count(image(), QRect(265, 123, 12, 12), kBlack), 0); // 45 degrees
}

TEST_F(RasterCanvasTest, FocusRectangleDrawnTwiceRestoresTheCanvas)
{
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.ellipse(20, 20, 120, 90);
    const QImage before = image().copy();
    canvas.focusRect(10, 10, 61, 41);
    const QImage once = image().copy();
    int changed = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (At(once, x, y) == At(before, x, y))
                continue;
            ++changed;
            EXPECT_TRUE(x == 10 || x == 60 || y == 10 || y == 40) << x << "," << y;
            EXPECT_EQ(At(once, x, y), At(before, x, y) ^ 0xFFFFFFu);
        }
    }
    EXPECT_NEAR(changed, (2 * 51 + 2 * 29) / 2, 2); // a dotted outline
    canvas.focusRect(10, 10, 61, 41);
    EXPECT_EQ(image(), before);
}

TEST_F(RasterCanvasTest, HatchesAreAnchoredAtTheCanvasOriginWhateverTheShape)
{
    for (const BrushStyle style :
         {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::ForwardDiagonal,
          BrushStyle::BackwardDiagonal, BrushStyle::Cross, BrushStyle::DiagonalCross}) {
        canvas.clear();
        canvas.setBrush({kBlue, style});
        canvas.fillRect(3, 5, 40, 40);
        canvas.setPen({kWhite, 1, PenStyle::Solid});
        canvas.rectangle(50, 7, 90, 45); // white outline, hatched inside
        for (int y = 8; y < 39; ++y) {
            for (int x = 4; x < 39; ++x)
                ASSERT_EQ(At(image(), x, y) == kBlue, HatchCovers(style, x, y)) << x << "," << y;
            for (int x = 51; x < 89; ++x)
                ASSERT_EQ(At(image(), x, y) == kBlue, HatchCovers(style, x, y)) << x << "," << y;
        }
    }

    // A hatch fill ends, also a second one over the first.
    canvas.clear();
    canvas.setPen(kThinBlack);
    canvas.setBrush({kBlue, BrushStyle::Clear});
    canvas.rectangle(20, 20, 100, 100);
    canvas.setBrush({kBlue, BrushStyle::Horizontal});
    canvas.floodFill({50, 50}, kBlack);
    for (int y = 21; y < 99; ++y)
        EXPECT_EQ(At(image(), 50, y), y % 8 == 0 ? kBlue : kWhite) << y;
    // A second hatch over the first still ends: the region is found first.
    canvas.setBrush({kRed, BrushStyle::DiagonalCross});
    canvas.floodFill({50, 50}, kBlack);
    EXPECT_GT(Count(canvas, kRed), 0);
    EXPECT_EQ(At(image(), 10, 10), kWhite);
}

TEST(RasterCanvasLayer, DrawsOverItsBackdropWithoutTouchingIt)
{
    RasterCanvas bitmap(QSize(100, 80));
    bitmap.setPen(kThinBlack);
    bitmap.rectangle(10, 10, 50, 50);
    bitmap.finish();
    const QImage original = bitmap.image().copy();

    RasterCanvas layer(QSize(100, 80), &bitmap.image());
    EXPECT_EQ(layer.pixel({10, 10}), kBlack); // sees the backdrop
    layer.setBrush({kRed, BrushStyle::Solid});
    layer.floodFill({30, 30}, kBlack); // bounded by the backdrop's outline
    EXPECT_EQ(layer.pixel({30, 30}), kRed);
    EXPECT_EQ(layer.pixel({70, 70}), kWhite);
    layer.focusRect(0, 0, 20, 20);
    layer.focusRect(0, 0, 20, 20);
    EXPECT_EQ(layer.pixel({10, 10}), kBlack);
    EXPECT_EQ(layer.pixel({0, 0}), kWhite);
    bitmap.finish();
    EXPECT_EQ(bitmap.image(), original);
    layer.finish();
    EXPECT_EQ(qAlpha(layer.image().pixel(70, 70)), 0); // the untouched area stays clear
}

TEST_F(RasterCanvasTest, FarShapesShowTheirVisiblePartOnly)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    canvas.line({kMin, kMin}, {kMax, kMax}); // the main diagonal
    EXPECT_EQ(At(image(), 100, 100), kBlack);
    EXPECT_EQ(At(image(), 101, 100), kWhite);

    // A circle of radius 1e9 whose leftmost point is (150, 150).
    canvas.clear();
    const int r = 1000000000;
    canvas.ellipse(150, 150 - r, 150 + 2 * r + 1, 150 + r + 1);
    EXPECT_EQ(At(image(), 150, 150), kBlack);
    EXPECT_EQ(At(image(), 149, 150), kWhite);
    EXPECT_EQ(At(image(), 160, 150), kWhite);

    // A polygon around the whole canvas fills all of it.
    canvas.clear();
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.polygon({{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}});
    EXPECT_EQ(Count(canvas, kRed), 400 * 300);
}

QImage Drawn(RasterCanvas& canvas)
{
    canvas.finish();
    return canvas.image();
}

TEST(RasterCanvasPens, DottedCurvesLeaveGapsAndWidePensAreCentredWithRoundEnds)
{
    RasterCanvas solid(QSize(200, 200)), dotted(QSize(200, 200));
    solid.setPen({kBlack, 1, PenStyle::Solid});
    dotted.setPen({kBlack, 1, PenStyle::Dotted});
    for (RasterCanvas* canvas : {&solid, &dotted}) {
        canvas->ellipse(20, 20, 181, 141);
        canvas->arc(40, 150, 160, 190, {160, 170}, {40, 170}); // upper half
    }
    const int full = Count(Drawn(solid), QRect(0, 0, 200, 200), kBlack);
    const int dots = Count(Drawn(dotted), QRect(0, 0, 200, 200), kBlack);
    EXPECT_GT(dots, full * 35 / 100);
    EXPECT_LT(dots, full * 65 / 100);
    EXPECT_EQ(InkBounds(Drawn(dotted)).left(), 20); // still the same size
    EXPECT_EQ(InkBounds(Drawn(dotted)).right(), 180);

    RasterCanvas canvas(QSize(300, 200));
    canvas.setPen({kBlack, 9, PenStyle::Solid});
    canvas.line({50, 50}, {150, 50});
    const QImage line = Drawn(canvas);
    EXPECT_EQ(InkBounds(line), QRect(QPoint(46, 46), QPoint(154, 54)));
    EXPECT_EQ(At(line, 46, 50), kBlack);  // the round end
    EXPECT_EQ(At(line, 46, 46), kWhite);  // its corner cut off
    EXPECT_EQ(At(line, 100, 46), kBlack); // the band is straight
}

TEST_F(RasterCanvasTest, TextExtentIsTheCellOfAFontInPointsAt96Dpi)
{
    canvas.setFont({QStringLiteral("Arial"), 12, kBlack, false, false, 0});
    QFont reference(QStringLiteral("Liberation Sans"));
    reference.setPixelSize(16); // 12 points at 96 dots per inch
    const QFontMetrics metrics(reference);
    EXPECT_EQ(canvas.textExtent(QStringLiteral("W")),
              QSize(metrics.horizontalAdvance('W'), metrics.ascent() + metrics.descent()));
}

// The text as QPainter draws it straight onto an image.
QImage DirectText(QSize size, int scale, const CanvasFont& font, QPoint at, const QString& text)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QFont f(font.name);
    f.setPixelSize((font.size * 96 + 36) / 72);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QTransform t;
    t.scale(scale, scale);
    t.translate(at.x(), at.y());
    t.rotate(-font.escapement / 10.0);
    painter.setTransform(t);
    painter.setFont(f);
    painter.setPen(QColor::fromRgb(toQRgb(font.colour)));
    painter.drawText(QPointF(0, QFontMetrics(f).ascent()), text);
    return image;
}

TEST(RasterCanvasText, KeptTextMasksGiveTheSamePixelsAsDrawingDirectly)
{
    const QString text = QStringLiteral("Triangle ABC \u00E9\u00B0");
    for (const int scale : {1, 3}) {
        for (const int escapement : {0, 450, 900, -1300}) {
            for (const bool italic : {false, true}) {
                const CanvasFont font{
                    QStringLiteral("Times New Roman"), 13, kRed, true, italic, escapement};
                RasterCanvas canvas(QSize(300, 200), scale);
                canvas.setFont(font);
                canvas.textOut({120, 90}, text);
                canvas.textOut({120, 90}, text); // the second time from the kept mask
                canvas.finish();
                EXPECT_EQ(canvas.image(), DirectText(QSize(300, 200), scale, font, {120, 90}, text))
                    << scale << " " << escapement << " " << italic;
            }
        }
    }
}

// A font of 2000 pixels: the text's whole mask would take seconds to make,
// so only the part on the canvas is drawn, and it must look the same.
TEST(RasterCanvasText, HugeTextShowsTheSamePixelsWhereverItStands)
{
    const CanvasFont font{QStringLiteral("Arial"), 1500, kRed, false, false, 0};
    qsizetype ink = 0;
    for (const QPoint at : {QPoint(-400, -1000), QPoint(-2800, -1300), QPoint(150, -1600)}) {
        RasterCanvas canvas(QSize(300, 200));
        canvas.setFont(font);
        canvas.textOut(at, QStringLiteral("Side a"));
        canvas.finish();
        EXPECT_EQ(canvas.image(), DirectText(QSize(300, 200), 1, font, at, "Side a")) << at.x();
        ink += Count(canvas.image(), canvas.image().rect(), kRed);
    }
    EXPECT_GT(ink, 0);
}

// Fills of random polygons, narrow and wide, whole and in a band, against
// the rule itself: pixel (x, y) is inside when an odd number of edges
// (each with its lower end, without its upper) cross row y at or left of x.
TEST(FastRasterFill, PolygonsFillThePixelsInsideByTheAlternateRule)
{
    std::mt19937 random(7);
    auto coordinate = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo * 4, hi * 4)(random) / 4.0;
    };
    for (int i = 0; i < 300; ++i) {
        const double spread = i % 3 ? 40 : 200, x0 = coordinate(-30, 110), y0 = coordinate(-30, 80);
        std::vector<QPointF> points(static_cast<size_t>(3 + i % 9));
        for (QPointF& p : points)
            p = {x0 + coordinate(0, static_cast<int>(spread)), y0 + coordinate(0, 40)};
        const Ink ink{0xFF0000FFu, i % 2 ? BrushStyle::Solid : BrushStyle::DiagonalCross};
        QImage image(120, 90, QImage::Format_ARGB32_Premultiplied);
        image.fill(0u);
        const int firstRow = i % 4 == 3 ? 30 : 0, rows = firstRow ? 40 : 90;
        QImage band(image.bits() + firstRow * image.bytesPerLine(), 120, rows, image.bytesPerLine(),
                    image.format());
        FastRaster(band, firstRow).polygonFill(points, ink);
        for (int y = firstRow; y < firstRow + rows; ++y) {
            for (int x = 0; x < 120; ++x) {
                bool inside = false;
                for (size_t k = 0; k < points.size(); ++k) {
                    QPointF p = points[k], q = points[(k + 1) % points.size()];
                    if (p.y() > q.y())
                        std::swap(p, q);
                    if (p.y() <= y && y < q.y() &&
                        p.x() + (y - p.y()) * ((q.x() - p.x()) / (q.y() - p.y())) <= x)
                        inside = !inside;
                }
                const bool inked = inside && HatchCovers(ink.style, x, y);
                ASSERT_EQ(image.pixel(x, y) == ink.colour, inked) << i << ": " << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace kel
