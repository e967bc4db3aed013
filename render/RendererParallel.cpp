#include "render/Renderer.h"

#include "render/BlockAverage.h"
#include "render/ImageResize.h"
#include "render/RowSurvey.h"

#include <QtGlobal>

#include <algorithm>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

// The work of RedrawAll and Enhance Image shared out over two threads. The
// results are pixel for pixel those of the plain replay on one thread.

namespace kel {

namespace {

// Enhance Image draws at this many times the size, or at half of it when
// that would take more pixels than the limit.
constexpr int kEnhanceScale = 4;
constexpr long long kMaxEnhancePixels = 64LL * 1024 * 1024;
// The large picture is drawn in bands of about this many pixels (16 MB),
// and in at least this many, so both threads have work.
constexpr long long kEnhanceBandPixels = 4 * 1024 * 1024;
constexpr int kMinBands = 4;
// Below this many pixels a side the result is a plain stretch.
constexpr int kSmallestAveraged = 10;
// Fewer rows than this are replayed on one thread: starting the second one
// would cost more than it saves.
constexpr int kMinRowsToSplit = 256;

// The report of a replay done in two parts, in row order.
void Append(QString& firstProblem, int& skipped, const QString& laterProblem, int laterSkipped)
{
    if (skipped == 0)
        firstProblem = laterProblem;
    skipped += laterSkipped;
}

// Every pixel the layer was drawn on (alpha not 0) replaces the one below.
// In whole chunks the compiler does it several pixels at a time.
void LayOver(const QRgb* __restrict layer, QRgb* __restrict below, int width)
{
    constexpr int kChunk = 8;
    int x = 0;
    for (; x + kChunk <= width; x += kChunk) {
        for (int k = 0; k < kChunk; ++k) {
            const QRgb drawn = (layer[x + k] >> 24) != 0 ? ~0u : 0u;
            below[x + k] = (layer[x + k] & drawn) | (below[x + k] & ~drawn);
        }
    }
    for (; x < width; ++x)
        below[x] = qAlpha(layer[x]) != 0 ? layer[x] : below[x];
}

} // namespace

const RowSurvey& Renderer::currentSurvey()
{
    if (surveyRevision_ != table_.revision()) {
        survey_ = SurveyRows(table_);
        surveyRevision_ = table_.revision();
    }
    return survey_;
}

bool Renderer::replayOnTwoThreads()
{
    // The first part goes on the bitmap, the second on a clear layer at the
    // same time; the layer's pixels then cover the bitmap's. That is the
    // plain replay's picture as long as no row of the second part looks at
    // or blends with the pixels below it, and the second part starts afresh
    // (RowSurvey.h).
    const RowSurvey& survey = currentSurvey();
    if (survey.visibleRows < kMinRowsToSplit)
        return false;
    const int split = survey.freshStartAfter(survey.lastReader, survey.visibleRows / 2);
    if (split == 0)
        return false;
    const QSize size = bitmap_.size();
    const bool fresh = !upperRows_ || upperRows_->size() != size;
    if (fresh)
        upperRows_ = std::make_unique<RasterCanvas>(size, &bitmap_.image());
    if (upperRows_->image().isNull())
        return false;

    ReplayReport first, second;
    std::thread helper;
    try {
        helper = std::thread([this, &second, split, fresh, current = current_]() mutable {
            if (!fresh)
                upperRows_->clear();
            PictureCache pictures;
            second = replayRows(*upperRows_, QPoint(), current, pictures, split);
        });
    } catch (const std::system_error&) {
        return false; // no thread to be had: the plain replay
    }
    // The bitmap is cleared while the helper starts: none of its rows looks
    // at the pixels below them.
    bitmap_.clear();
    drawGridDots(bitmap_);
    first = replayRows(bitmap_, QPoint(), current_, pictures_, 1, split);
    helper.join();

    QImage& below = bitmap_.pixels();
    upperRows_->finish();
    const QImage& above = upperRows_->image();
    const int width = below.width(), height = below.height();
    for (int y = 0; y < height; ++y)
        LayOver(reinterpret_cast<const QRgb*>(above.constScanLine(y)),
                reinterpret_cast<QRgb*>(below.scanLine(y)), width);
    Append(first.firstProblem, first.skipped, second.firstProblem, second.skipped);
    report(first);
    return true;
}

void Renderer::enhanceImage()
{
    const QSize size = bitmap_.size();
    int scale = kEnhanceScale;
    auto pixels = [&](int s) {
        return static_cast<long long>(size.width()) * s * size.height() * s;
    };
    while (scale > 1 && pixels(scale) > kMaxEnhancePixels)
        scale /= 2;
    if (scale == 1) {
        RedrawAll();
        return;
    }
    // A fill's region depends on the whole picture before it, and what
    // QPainter draws (pictures, bordered labels) may come out differently
    // where a band cuts it: the rows up to the last of these are drawn
    // whole, the others in bands over them. A tiny bitmap is stretched
    // rather than averaged.
    const RowSurvey& survey = currentSurvey();
    const int bandStart = survey.lastReader == 0 ? 1 : survey.freshStartAfter(survey.lastReader);
    const bool tiny = size.width() < kSmallestAveraged || size.height() < kSmallestAveraged;
    const QImage smooth =
        tiny || bandStart == 0 ? enhanceWhole(scale) : enhanceInBands(scale, bandStart);
    if (smooth.isNull()) {
        ui_.setStatus(3, QStringLiteral("Not enough memory to enhance the image"));
        RedrawAll();
        return;
    }
    if (smooth.size() == bitmap_.image().size()) {
        bitmap_.finish();
        bitmap_.pixels() = smooth;
    }
    PresentBitmap();
}

QImage Renderer::enhanceWhole(int scale)
{
    const QSize size = bitmap_.size();
    RasterCanvas large(size, scale);
    if (large.image().isNull())
        return {};
    drawGridDots(large);
    replay(large, QPoint());
    large.finish();
    if (size.width() < kSmallestAveraged || size.height() < kSmallestAveraged)
        return ResizeBitmapPercent(100 / scale, large.image());
    QImage smooth(size, QImage::Format_RGB32);
    if (!smooth.isNull())
        AverageBlocks(large.image(), scale, size.height(), smooth, 0);
    return smooth;
}

QImage Renderer::enhanceInBands(int scale, int bandStart)
{
    const QSize size = bitmap_.size();
    QImage smooth(size, QImage::Format_RGB32);
    if (smooth.isNull())
        return {};
    std::unique_ptr<RasterCanvas> before;
    ReplayReport beforeReport;
    if (bandStart > 1) {
        before = std::make_unique<RasterCanvas>(size, scale);
        if (before->image().isNull())
            return {};
        drawGridDots(*before);
        beforeReport = replayRows(*before, QPoint(), current_, pictures_, 1, bandStart);
        before->finish();
    }
    const long long rowPixels = static_cast<long long>(size.width()) * scale * scale;
    const long long byPixels = kEnhanceBandPixels / rowPixels;
    const long long byCount = (size.height() + kMinBands - 1) / kMinBands;
    const int bandUnits =
        static_cast<int>(std::clamp<long long>(std::min(byPixels, byCount), 1, size.height()));
    const int bands = (size.height() + bandUnits - 1) / bandUnits;
    // Each thread draws every other band on its own canvas and averages it
    // into its rows of the result at once. Every band replays every row, so
    // either thread's report is the whole drawing's.
    // Over the rows drawn whole first, a band is drawn where it lies in
    // that picture; otherwise each thread draws its bands on one canvas of
    // its own.
    uchar* const beforeBits = before ? before->pixels().bits() : nullptr;
    const qsizetype beforeLine = before ? before->image().bytesPerLine() : 0;
    auto drawBands = [&](int first, CurrentAttributes& current, PictureCache& pictures,
                         ReplayReport& replayed, bool& failed) {
        std::unique_ptr<RasterCanvas> own;
        if (!before) {
            own = std::make_unique<RasterCanvas>(size, scale, 0, bandUnits * scale);
            if (own->image().isNull()) {
                failed = true;
                return;
            }
        }
        for (int b = first; b < bands; b += 2) {
            const int top = b * bandUnits;
            const int rows = std::min(bandUnits, size.height() - top);
            std::optional<RasterCanvas> inPlace;
            if (before) {
                inPlace.emplace(beforeBits + top * scale * beforeLine, beforeLine, size, scale,
                                top * scale, rows * scale);
            } else {
                own->setBand(top * scale);
                drawGridDots(*own);
            }
            RasterCanvas& band = before ? *inPlace : *own;
            replayed = replayRows(band, QPoint(), current, pictures, bandStart);
            band.finish();
            AverageBlocks(band.image(), scale, rows, smooth, top);
        }
    };
    ReplayReport mine, theirs;
    bool myFailure = false, theirFailure = false;
    std::thread helper;
    auto drawOtherBands = [&, current = current_]() mutable {
        PictureCache pictures;
        drawBands(1, current, pictures, theirs, theirFailure);
    };
    if (bands > 1) {
        try {
            helper = std::thread(drawOtherBands);
        } catch (const std::system_error&) {
            // No thread to be had: the other bands follow on this one.
        }
    }
    drawBands(0, current_, pictures_, mine, myFailure);
    if (helper.joinable())
        helper.join();
    else if (bands > 1)
        drawOtherBands();
    if (myFailure || theirFailure)
        return {};
    Append(beforeReport.firstProblem, beforeReport.skipped, mine.firstProblem, mine.skipped);
    report(beforeReport);
    return smooth;
}

} // namespace kel
