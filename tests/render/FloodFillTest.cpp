#include "render/FloodFill.h"
#include "render/Hatch.h"
#include "render/RasterCanvas.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <random>
#include <tuple>

namespace kel {
namespace {

// The straightforward search: pixel by pixel, as the oracle for the run
// search.
std::vector<FillSpan> OracleRegion(const QImage& image, QPoint seed, Colour border)
{
    const int w = image.width(), h = image.height();
    const QRgb stop = toQRgb(border) & 0xFFFFFFu;
    auto open = [&](int x, int y) { return (image.pixel(x, y) & 0xFFFFFFu) != stop; };
    std::vector<FillSpan> region;
    if (seed.x() < 0 || seed.y() < 0 || seed.x() >= w || seed.y() >= h)
        return region;
    std::vector<char> seen(static_cast<size_t>(w) * static_cast<size_t>(h));
    auto at = [&](int x, int y) -> char& { return seen[static_cast<size_t>(y * w + x)]; };
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (at(p.x(), p.y()) || !open(p.x(), p.y()))
            continue;
        int x1 = p.x(), x2 = p.x();
        while (x1 > 0 && open(x1 - 1, p.y()))
            --x1;
        while (x2 + 1 < w && open(x2 + 1, p.y()))
            ++x2;
        region.push_back({p.y(), x1, x2});
        for (int x = x1; x <= x2; ++x) {
            at(x, p.y()) = 1;
            if (p.y() > 0)
                pending.push_back({x, p.y() - 1});
            if (p.y() + 1 < h)
                pending.push_back({x, p.y() + 1});
        }
    }
    return region;
}

std::vector<std::tuple<int, int, int>> Sorted(const std::vector<FillSpan>& spans)
{
    std::vector<std::tuple<int, int, int>> out;
    for (const FillSpan& s : spans)
        out.emplace_back(s.y, s.x1, s.x2);
    std::sort(out.begin(), out.end());
    return out;
}

TEST(FloodFillTest, RunSearchFindsTheOraclesRegionOnRandomImages)
{
    std::mt19937 random(18);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const Colour border = 0x123456;
    for (int round = 0; round < 3000; ++round) {
        // Widths around the 64-pixel words of the run marks.
        QImage image(pick(1, 150), pick(1, 40), QImage::Format_RGB32);
        image.fill(toQRgb(kWhite));
        const int density = pick(0, 60);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (pick(0, 99) < density) { // alpha does not count; a near colour is open
                    const QRgb mask = pick(0, 1) ? 0xFFFFFFFFu : 0xFFFFFFu;
                    image.setPixel(x, y, (toQRgb(border) & mask) ^ (pick(0, 9) ? 0u : 1u));
                }
        const QPoint seed(pick(-1, image.width()), pick(-1, image.height()));
        ASSERT_EQ(Sorted(FindFillRegion(image, seed, border)),
                  Sorted(OracleRegion(image, seed, border)))
            << round;
    }
}

TEST(FloodFillTest, CanvasPaintsTheRegionsPixelsInSolidAndHatch)
{
    RasterCanvas canvas(QSize(200, 150), 2);
    canvas.setPen({kBlack, 1, PenStyle::Solid});
    canvas.ellipse(10, 10, 190, 140);
    canvas.rectangle(60, 40, 120, 100);
    canvas.finish();
    const QImage drawn = canvas.image().copy();
    for (const BrushStyle style : {BrushStyle::Solid, BrushStyle::DiagonalCross}) {
        RasterCanvas filled(QSize(200, 150), 2);
        filled.pixels() = drawn;
        filled.setBrush({0x00FF00, style});
        filled.floodFill({30, 75}, kBlack);
        QImage expected = drawn;
        for (const FillSpan& s : OracleRegion(drawn, {61, 151}, kBlack))
            for (int x = s.x1; x <= s.x2; ++x)
                if (HatchCovers(style, x / 2, s.y / 2))
                    expected.setPixel(x, s.y, toQRgb(0x00FF00));
        filled.finish();
        EXPECT_EQ(filled.image(), expected);
    }
}

} // namespace
} // namespace kel
