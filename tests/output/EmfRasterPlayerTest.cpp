#include "render/EmfRasterPlayer.h"
#include "DrawingFixture.h"
#include "output/EmfCanvas.h"
#include "output/EmfWriter.h"
#include "render/EmfPlayer.h"

#include <QPainter>

#include <random>

#include <uemf.h>

namespace kel {
namespace {

// Random shapes of every kind the recorder writes outside text and
// pictures: thin, wide and dotted pens, solid, clear and hatched brushes,
// now and then reaching far off the page; flood fills (clipped bitmaps the
// painter draws) unless left out.
void DrawRandomShapes(Canvas& canvas, unsigned seed, bool withPainterRecords = true)
{
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    auto at = [&] { return pick(0, 40) ? pick(-20, 260) : pick(-3000000, 3000000); };
    for (int i = 0; i < 60; ++i) {
        // A metafile's dotted pen is one pixel wide.
        const bool dotted = pick(0, 4) == 0;
        canvas.setPen({static_cast<Colour>(pick(0, 0xFFFFFF)), dotted ? 1 : pick(0, 6),
                       dotted ? PenStyle::Dotted : PenStyle::Solid});
        canvas.setBrush(
            {static_cast<Colour>(pick(0, 0xFFFFFF)), static_cast<BrushStyle>(pick(0, 7))});
        const int l = at(), t = at(), r = l + pick(-80, 80), b = t + pick(-80, 80);
        std::vector<QPoint> points(static_cast<size_t>(pick(1, 3) * 3 + 1));
        for (QPoint& p : points)
            p = QPoint(l + pick(-60, 60), t + pick(-60, 60));
        switch (pick(0, 9)) {
        case 0:
            canvas.line({l, t}, {r, b});
            break;
        case 1:
            canvas.rectangle(l, t, r, b);
            break;
        case 2:
            canvas.fillRect(l, t, r, b);
            break;
        case 3:
            canvas.ellipse(l, t, r, b);
            break;
        case 4:
            canvas.roundRect(l, t, r, b, pick(0, 30), pick(0, 30));
            break;
        case 5:
            canvas.arc(l, t, r, b, {at(), at()}, {at(), at()});
            break;
        case 6:
            canvas.polygon(points);
            break;
        case 7:
            canvas.polyline(points);
            break;
        case 8:
            canvas.bezier(points);
            break;
        default: // embedded as a clipped bitmap, which the painter draws
            if (withPainterRecords)
                canvas.floodFill({pick(0, 239), pick(0, 179)}, canvas.pen().colour);
            else
                canvas.polygon(points);
            break;
        }
    }
}

// The raster plays our metafiles pixel for pixel as the screen draws them;
// stretched, it stays as close to the painter as it is at full size.
TEST(EmfRasterPlayer, PlaysOurMetafilesAsTheScreenAndThePainterDraw)
{
    const QSize size(240, 180);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        EmfCanvas canvas(size);
        DrawRandomShapes(canvas, seed);
        const QImage screen = canvas.shadowImage().convertToFormat(QImage::Format_RGB32);
        const QByteArray bytes = canvas.finish();
        const std::optional<EmfInfo> info = ValidateEmf(bytes);
        ASSERT_TRUE(info);
        double fullSize = 0;
        for (const double zoom : {1.0, 1.7}) {
            const QRectF target(0, 0, size.width() * zoom, size.height() * zoom);
            QImage raster(target.size().toSize(), QImage::Format_ARGB32_Premultiplied);
            raster.fill(Qt::white);
            ASSERT_TRUE(PlayEmfOnRaster(raster, bytes, *info, target)) << seed;
            QImage painted(raster.size(), QImage::Format_ARGB32_Premultiplied);
            painted.fill(Qt::white);
            QPainter painter(&painted);
            PlayEmf(painter, bytes, *info, target);
            painter.end();
            const double apart = test::DifferingShare(raster, painted, 40);
            if (zoom == 1.0) {
                EXPECT_EQ(raster.convertToFormat(QImage::Format_RGB32), screen) << seed;
                fullSize = apart;
            } else {
                EXPECT_LT(apart, fullSize + 0.02) << seed;
            }
        }
    }
}

// The painter's diagonal hatches run as the screen's (they were once
// swapped); its straight ones lie a few pixels along.
TEST(EmfRasterPlayer, ThePainterHatchesDiagonalsAsTheScreen)
{
    for (BrushStyle style :
         {BrushStyle::ForwardDiagonal, BrushStyle::BackwardDiagonal, BrushStyle::DiagonalCross}) {
        EmfCanvas canvas(QSize(16, 16));
        canvas.setBrush({kBlack, style});
        canvas.fillRect(0, 0, 16, 16);
        const QImage screen = canvas.shadowImage().convertToFormat(QImage::Format_RGB32);
        const QByteArray bytes = canvas.finish();
        QImage painted(16, 16, QImage::Format_RGB32);
        painted.fill(Qt::white);
        QPainter painter(&painted);
        PlayEmf(painter, bytes, *ValidateEmf(bytes), QRectF(0, 0, 16, 16));
        painter.end();
        EXPECT_EQ(painted, screen) << static_cast<int>(style);
    }
}

// What the raster does not draw (text, a turned or enormous mapping, a
// curve of millions of points, a clipped shape) the painter draws in its
// place, exactly as alone; a path leaves the whole metafile to the painter.
TEST(EmfRasterPlayer, LeavesWhatItCannotDrawToThePainter)
{
    std::vector<U_POINT16> curve(3 * 4000 + 1);
    for (size_t i = 0; i < curve.size(); ++i)
        curve[i] = {static_cast<int16_t>(i % 2 ? 30000 : -30000), static_cast<int16_t>(i % 3)};
    auto curved = [&](U_XFORM transform, char* before) {
        EmfWriter writer;
        writer.append(U_EMRSETWORLDTRANSFORM_set(transform));
        if (before)
            writer.append(before);
        writer.append(U_EMRPOLYBEZIER16_set(rectl_set(point32_set(0, 0), point32_set(9, 9)),
                                            static_cast<uint32_t>(curve.size()), curve.data()));
        return writer.finish(QSize(100, 50));
    };
    EmfCanvas text(QSize(100, 50));
    text.textOut({5, 5}, QStringLiteral("Kelvane"));
    const struct {
        QByteArray bytes;
        bool raster;
    } cases[] = {{curved(xform_set(0, 1, -1, 0, 60, 0), nullptr), true},
                 {curved(xform_set(1e30F, 0, 0, 1e30F, 0, 0), nullptr), true},
                 {curved(xform_set(1, 0, 0, 1, 0, 0), nullptr), true},
                 {curved(xform_set(1, 0, 0, 1, 0, 0), U_EMRINTERSECTCLIPRECT_set(rectl_set(
                                                          point32_set(0, 0), point32_set(9, 9)))),
                  true},
                 {text.finish(), true},
                 {curved(xform_set(1, 0, 0, 1, 0, 0), U_EMRBEGINPATH_set()), false}};
    for (const auto& c : cases) {
        const QRectF target(0, 0, 100, 50);
        QImage image(100, 50, QImage::Format_ARGB32_Premultiplied), alone = image;
        image.fill(Qt::white);
        alone.fill(Qt::white);
        ASSERT_EQ(PlayEmfOnRaster(image, c.bytes, *ValidateEmf(c.bytes), target), c.raster);
        QPainter painter(&alone);
        PlayEmf(painter, c.bytes, *ValidateEmf(c.bytes), target);
        painter.end();
        if (c.raster) {
            EXPECT_EQ(image, alone);
        }
    }
}

// Played in two bands, each clipped to its rows and drawn as if the whole
// picture were there, a metafile the raster draws alone gives the pixels of
// one playback; one with text or clipped bitmaps is left to one thread, and
// RenderEmf gives the same picture either way.
TEST(EmfRasterPlayer, TwoBandsGiveTheWholePicture)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        EmfCanvas canvas(QSize(240, 180));
        DrawRandomShapes(canvas, seed, seed % 3 == 0);
        const QByteArray bytes = canvas.finish();
        const EmfInfo info = *ValidateEmf(bytes);
        ASSERT_GE(info.records, 256); // long enough for two threads
        const QRectF target(0, 0, 240 * 1.7, 180 * 1.7);
        const QSize size = target.size().toSize();
        QImage whole(size, QImage::Format_ARGB32_Premultiplied), banded = whole;
        whole.fill(Qt::transparent);
        banded.fill(Qt::transparent);
        ASSERT_TRUE(PlayEmfOnRaster(whole, bytes, info, target));
        EXPECT_EQ(RenderEmf(bytes, info, target.size(), QRect(QPoint(), size)), whole) << seed;
        const bool alone = seed % 3 != 0;
        for (const auto& [first, rows] : {std::pair{0, 61}, {61, size.height() - 61}}) {
            QImage band(banded.bits() + first * banded.bytesPerLine(), size.width(), rows,
                        banded.bytesPerLine(), banded.format());
            ASSERT_EQ(PlayEmfBandOnRaster(band, first, size, bytes, info, target, nullptr), alone);
        }
        if (alone) {
            EXPECT_EQ(banded, whole) << seed;
            QImage threaded(size, QImage::Format_ARGB32_Premultiplied);
            threaded.fill(Qt::transparent);
            ASSERT_EQ(PlayEmfInBands(threaded, bytes, info, target), BandPlay::Drawn);
            EXPECT_EQ(threaded, whole) << seed;
        }
    }
}

} // namespace
} // namespace kel
