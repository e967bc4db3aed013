// Times the exports of the generated 10,000-row drawing on a 1280 x 800
// surface: the crop area of the whole surface as EMF and SVG (replayed as
// vectors), PDF, one RedrawAll, and the bitmap encoded as PNG and JPEG.
// Prints the medians beside their targets; asserts nothing.

#include "BenchSupport.h"
#include "interaction/core/SilentUiPort.h"
#include "output/BitmapFile.h"
#include "output/EmfRecorder.h"
#include "output/VectorPictures.h"
#include "render/Renderer.h"

#include <cstdio>

using namespace bench;

namespace {

void Print(const char* what, const Timing& t, double target, qsizetype bytes)
{
    std::printf("%-12s median: %6.1f ms wall, %6.1f ms cpu (target %.0f ms), %lld KB\n", what,
                t.wall, t.cpu, target, static_cast<long long>(bytes / 1024));
}

} // namespace

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    kel::ObjectTable table(kRows + 2);
    Generator generator = BenchDrawing(table);

    kel::SilentUiPort ui;
    kel::CurrentAttributes current;
    kel::Renderer renderer(table, current, ui);
    renderer.setGridDots(false);
    renderer.createBitmap(QSize(kWidth, kHeight));
    renderer.RedrawAll(); // warm the font and glyph caches
    const QRect crop(0, 0, kWidth, kHeight);

    // A format name as the first argument times that one only.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]).toLower() : QString();
    auto timed = [&](const char* format, int runs, auto&& run) {
        return only.isEmpty() || only == QLatin1String(format) ? Median(runs, run) : Timing{};
    };
    QByteArray emf, svg, pdf;
    std::optional<QByteArray> png, jpeg;
    QString error;
    const Timing emfTime = timed("emf", 7, [&] { emf = kel::RecordCropEmf(renderer, crop).bytes; });
    const Timing svgTime = timed("svg", 7, [&] { svg = kel::RecordCropSvg(renderer, crop); });
    const Timing pdfTime = timed("pdf", 3, [&] { pdf = kel::RecordCropPdf(renderer, crop); });
    const Timing redrawTime = timed("redraw", 7, [&] { renderer.RedrawAll(); });
    const Timing pngTime = timed("png", 7, [&] {
        png = kel::encodeBitmap(renderer.bitmap(), QStringLiteral("a.png"), &error);
    });
    const Timing jpegTime = timed("jpeg", 7, [&] {
        jpeg = kel::encodeBitmap(renderer.bitmap(), QStringLiteral("a.jpg"), &error);
    });

    std::printf("drawing: %d rows on %d x %d\n", generator.rows(), kWidth, kHeight);
    Print("EMF", emfTime, 100, emf.size());
    Print("SVG", svgTime, 100, svg.size());
    Print("PDF", pdfTime, 400, pdf.size());
    // The bitmap exports copy the bitmap's pixels once and encode them; the
    // headless export adds one replay: at most twice a RedrawAll plus this.
    std::printf("%-12s median: %6.1f ms wall, %6.1f ms cpu\n", "RedrawAll", redrawTime.wall,
                redrawTime.cpu);
    Print("PNG encode", pngTime, 100, png ? png->size() : 0);
    Print("JPEG encode", jpegTime, 100, jpeg ? jpeg->size() : 0);
    if (!renderer.lastProblem().isEmpty())
        std::printf("rows left out: %s\n", qPrintable(renderer.lastProblem()));
    return 0;
}
