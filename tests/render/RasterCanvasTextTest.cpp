#include "PixelChecks.h"
#include "render/RasterCanvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

namespace kel {
namespace {

using test::At;
using test::Count;
using test::InkBounds;
using test::kBlue;
using test::kRed;

class RasterCanvasTextTest : public ::testing::Test {
protected:
    RasterCanvas canvas{QSize(400, 300)};

    const QImage& image()
    {
        canvas.finish();
        return canvas.image();
    }
};

// --- Text ------------------------------------------------------------------

TEST_F(RasterCanvasTextTest, TextCellStartsAtItsTopLeftAndFontsArePointsAt96Dpi)
{
    canvas.setFont({QStringLiteral("Arial"), 12, kBlack, false, false, 0});
    QFont reference(QStringLiteral("Liberation Sans"));
    reference.setPixelSize(16); // 12 points at 96 dots per inch
    const QFontMetrics metrics(reference);
    EXPECT_EQ(canvas.textExtent(QStringLiteral("W")),
              QSize(metrics.horizontalAdvance('W'), metrics.ascent() + metrics.descent()));

    canvas.textOut({50, 40}, QStringLiteral("W"));
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.bottom(), 40 + metrics.ascent() - 1, 1); // "W" stands on the baseline
    EXPECT_GE(ink.top(), 40);
    EXPECT_LE(ink.top(), 40 + metrics.ascent() - metrics.capHeight() + 1);
    EXPECT_GE(ink.left(), 50);
}

TEST_F(RasterCanvasTextTest, EscapementTurnsTextAboutItsTopLeftCorner)
{
    canvas.setFont({QStringLiteral("Arial"), 12, kRed, false, false, 900});
    const QSize extent = canvas.textExtent(QStringLiteral("WWW"));
    canvas.textOut({100, 200}, QStringLiteral("WWW"));
    const QRect ink = InkBounds(image());
    // Reading upwards: the text's width runs up from y = 200, its height to
    // the right of x = 100.
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.right(), 100 + extent.height());
    EXPECT_LE(ink.bottom(), 201);
    EXPECT_GE(ink.top(), 200 - extent.width() - 1);
    EXPECT_GT(ink.height(), ink.width());                              // upright
    EXPECT_EQ(Count(canvas, kRed) + Count(canvas, kWhite), 400 * 300); // two colours only
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

TEST(RasterCanvasText, TheSameTextElsewhereIsTheSameInkMoved)
{
    RasterCanvas canvas(QSize(300, 200));
    canvas.setFont({QStringLiteral("Arial"), 10, kBlue, false, false, 0});
    canvas.textOut({10, 10}, QStringLiteral("AB"));
    canvas.finish();
    const QRect first = InkBounds(canvas.image());
    const QImage part = canvas.image().copy(first);
    canvas.clear();
    canvas.textOut({-3, 150}, QStringLiteral("AB")); // partly off the canvas
    canvas.textOut({200, 100}, QStringLiteral("AB"));
    canvas.finish();
    EXPECT_EQ(canvas.image().copy(first.translated(190, 90)), part);
    EXPECT_GT(Count(canvas.image(), QRect(0, 140, 20, 40), kBlue), 0);
}

TEST_F(RasterCanvasTextTest, TextPathStrokesWithThePenAndFillsWithTheBrush)
{
    canvas.setFont({QStringLiteral("Arial"), 48, kBlack, true, false, 0});
    canvas.setPen({kBlue, 1, PenStyle::Solid});
    canvas.setBrush({kRed, BrushStyle::Solid});
    canvas.textPath({10, 10}, QStringLiteral("HO"));
    EXPECT_GT(Count(canvas, kRed), 100);
    EXPECT_GT(Count(canvas, kBlue), 100);
    canvas.clear();
    canvas.setBrush({kRed, BrushStyle::Clear});
    canvas.textPath({10, 10}, QStringLiteral("HO"));
    EXPECT_EQ(Count(canvas, kRed), 0);
    EXPECT_GT(Count(canvas, kBlue), 100);
}

} // namespace
} // namespace kel
