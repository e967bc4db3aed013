// Times `kelvane --export` of the generated 10,000-row drawing to a
// 1280 x 800 PNG as a whole process, beside rsvg-convert rendering the same
// drawing written as SVG at the same size, and prints the ratio (target: at
// most a quarter). Also gives how long the export takes before the first
// row is drawn (an empty drawing). Asserts nothing.

#include "BenchSupport.h"
#include "interaction/core/SilentUiPort.h"
#include "model/KelFile.h"
#include "output/SavedFile.h"
#include "output/VectorPictures.h"
#include "render/Renderer.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

using namespace bench;

namespace {

// The minimum wall time of whole runs of a program: the machine is shared,
// and other work only ever adds.
double FastestRun(int runs, const QString& program, const QStringList& arguments)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        const auto start = Clock::now();
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitCode() != 0) {
            std::printf("%s failed: %s\n", qPrintable(program),
                        process.readAllStandardError().constData());
            return -1;
        }
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);

    kel::ObjectTable table(kRows + 2);
    Generator generator = BenchDrawing(table);

    QTemporaryDir dir;
    const QString kel = dir.filePath(QStringLiteral("bench.kel"));
    const QString empty = dir.filePath(QStringLiteral("empty.kel"));
    const QString svg = dir.filePath(QStringLiteral("bench.svg"));
    kel::writeKelFile(kel, kel::kelLines(table, kel::KelRowSet::InUse));
    kel::ObjectTable nothing(2);
    kel::writeKelFile(empty, kel::kelLines(nothing, kel::KelRowSet::InUse));
    {
        kel::SilentUiPort ui;
        kel::CurrentAttributes current;
        kel::Renderer renderer(table, current, ui);
        renderer.setGridDots(false);
        renderer.createBitmap(QSize(kWidth, kHeight));
        kel::SaveFileAtomically(svg, kel::RecordCropSvg(renderer, QRect(0, 0, kWidth, kHeight)));
    }

    const QString kelvane = QStringLiteral(KELVANE_BINARY);
    const QString size = QStringLiteral("%1x%2").arg(kWidth).arg(kHeight);
    const QString png = dir.filePath(QStringLiteral("out.png"));
    const double whole = FastestRun(7, kelvane, {"--export", kel, png, "--surface", size});
    const qint64 pngBytes = QFileInfo(png).size();
    const double startup =
        FastestRun(7, kelvane, {"--export", empty, dir.filePath("e.png"), "--surface", size});
    std::printf("drawing: %d rows on %d x %d\n", generator.rows(), kWidth, kHeight);
    std::printf("kelvane --export PNG: %.1f ms fastest of 7, %lld KB\n", whole,
                static_cast<long long>(pngBytes / 1024));
    std::printf("  of which start-up and an empty drawing: %.1f ms\n", startup);

    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty()) {
        std::printf("rsvg-convert comparison: SKIPPED (rsvg-convert not installed)\n");
        return 0;
    }
    const double reference =
        FastestRun(3, rsvg,
                   {"-w", QString::number(kWidth), "-h", QString::number(kHeight), "-o",
                    dir.filePath("rsvg.png"), svg});
    std::printf("rsvg-convert of the same drawing as SVG: %.1f ms fastest of 3\n", reference);
    if (whole > 0 && reference > 0)
        std::printf("ratio kelvane / rsvg-convert: %.3f (target at most 0.25)\n",
                    whole / reference);
    return 0;
}
