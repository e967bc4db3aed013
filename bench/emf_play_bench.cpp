// Times playing a metafile of about 1 MB and 10,000 records (lines,
// rectangles, ellipses, polygons, pens and brushes changing, some text) onto
// a 1280 x 800 picture, as the renderer plays a picture row, and through the
// painter alone. Prints the medians beside the target; asserts nothing.

#include "BenchSupport.h"
#include "output/EmfCanvas.h"
#include "render/EmfPlayer.h"
#include "render/EmfRasterPlayer.h"

#include <QPainter>

#include <cstdio>

using namespace bench;

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    kel::ObjectTable unused(2);
    Generator random(unused);
    kel::EmfCanvas canvas(QSize(kWidth, kHeight));
    // Pens and brushes change every eighth shape; most shapes are small
    // polygons, as an office suite writes outlines and glyphs.
    for (int i = 0; i < 8000; ++i) {
        if (i % 8 == 0) {
            canvas.setPen({static_cast<kel::Colour>(random.pick(0, 0xFFFFFF)), random.pick(0, 2),
                           random.pick(0, 9) ? kel::PenStyle::Solid : kel::PenStyle::Dotted});
            canvas.setBrush({static_cast<kel::Colour>(random.pick(0, 0xFFFFFF)),
                             static_cast<kel::BrushStyle>(random.pick(0, 7))});
        }
        const int x = random.pick(0, kWidth - 60), y = random.pick(0, kHeight - 60);
        switch (i % 10) {
        case 0:
            canvas.line({x, y}, {x + random.pick(-200, 200), y + random.pick(-200, 200)});
            break;
        case 1:
            canvas.rectangle(x, y, x + random.pick(2, 60), y + random.pick(2, 60));
            break;
        case 2:
            canvas.ellipse(x, y, x + random.pick(2, 60), y + random.pick(2, 60));
            break;
        default: {
            std::vector<QPoint> points;
            for (int k = 0; k < 24; ++k)
                points.emplace_back(x + random.pick(0, 40), y + random.pick(0, 40));
            canvas.polygon(points);
        }
        }
    }
    const QByteArray emf = canvas.finish();
    const std::optional<kel::EmfInfo> info = kel::ValidateEmf(emf);
    if (!info) {
        std::printf("the metafile did not validate\n");
        return 1;
    }
    const Timing validate = Median(9, [&] { kel::ValidateEmf(emf); });
    // The renderer's way (RenderEmf: the raster when it can), and the
    // painter's way that every metafile can take.
    const QRect whole(0, 0, kWidth, kHeight);
    QImage page(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    const bool raster = kel::PlayEmfOnRaster(page, emf, *info, whole);
    const Timing play = Median(9, [&] { kel::RenderEmf(emf, *info, whole.size(), whole); });
    const Timing painted = Median(9, [&] {
        QPainter painter(&page);
        kel::PlayEmf(painter, emf, *info, whole);
    });
    std::printf("metafile: %lld KB, %d records\n", static_cast<long long>(emf.size() / 1024),
                info->records);
    std::printf("validate median: %6.1f ms wall, %6.1f ms cpu\n", validate.wall, validate.cpu);
    std::printf("play     median: %6.1f ms wall, %6.1f ms cpu (target 20 ms), by the %s\n",
                play.wall, play.cpu, raster ? "raster" : "painter");
    std::printf("painter  median: %6.1f ms wall, %6.1f ms cpu\n", painted.wall, painted.cpu);
    return 0;
}
