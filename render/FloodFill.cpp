#include "render/FloodFill.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kel {

namespace {

// The region is made of whole runs: a pixel's run of open pixels along its
// row is 4-connected, so every run met is taken entire, read once, and
// marked here. Runs are looked up and skipped a 64-bit word at a time.
class RunMarks {
public:
    RunMarks(int width, int height)
        : words_((static_cast<size_t>(width) + 63) / 64),
          bits_(words_ * static_cast<size_t>(height))
    {
    }
    bool test(int x, int y) const
    {
        return (line(y)[static_cast<size_t>(x) / 64] >> (x % 64)) & 1u;
    }
    void mark(int y, int x1, int x2)
    {
        std::uint64_t* words = line(y);
        const size_t first = static_cast<size_t>(x1) / 64, last = static_cast<size_t>(x2) / 64;
        const std::uint64_t from = ~std::uint64_t{0} << (x1 % 64);
        const std::uint64_t to = ~std::uint64_t{0} >> (63 - x2 % 64);
        if (first == last) {
            words[first] |= from & to;
            return;
        }
        words[first] |= from;
        for (size_t i = first + 1; i < last; ++i)
            words[i] = ~std::uint64_t{0};
        words[last] |= to;
    }
    // The first unmarked pixel at or after x on row y, or `end`.
    int nextUnmarked(int y, int x, int end) const
    {
        const std::uint64_t* words = line(y);
        size_t i = static_cast<size_t>(x) / 64;
        std::uint64_t free = ~words[i] & (~std::uint64_t{0} << (x % 64));
        while (free == 0) {
            if (++i >= words_)
                return end;
            free = ~words[i];
        }
        const int found = static_cast<int>(i * 64) + std::countr_zero(free);
        return found < end ? found : end;
    }

private:
    std::uint64_t* line(int y) { return bits_.data() + static_cast<size_t>(y) * words_; }
    const std::uint64_t* line(int y) const
    {
        return bits_.data() + static_cast<size_t>(y) * words_;
    }
    size_t words_;
    std::vector<std::uint64_t> bits_;
};

class RegionSearch {
public:
    RegionSearch(const QImage& image, QRgb stop)
        : image_(image), width_(image.width()), height_(image.height()), stop_(stop),
          marks_(width_, height_)
    {
    }

    std::vector<FillSpan> run(QPoint seed)
    {
        // The runs found so far are also the queue of runs whose neighbours
        // are still to be looked at.
        take(seed.y(), seed.x());
        for (size_t next = 0; next < region_.size(); ++next) {
            const FillSpan span = region_[next];
            if (span.y > 0)
                scanNeighbour(span.y - 1, span.x1, span.x2);
            if (span.y + 1 < height_)
                scanNeighbour(span.y + 1, span.x1, span.x2);
        }
        return std::move(region_);
    }

private:
    const QRgb* row(int y) const { return reinterpret_cast<const QRgb*>(image_.constScanLine(y)); }
    bool blocked(QRgb pixel) const { return (pixel & 0xFFFFFFu) == stop_; }

    // The first open pixel in x..end - 1, or end.
    int nextOpen(const QRgb* line, int x, int end) const
    {
        while (x < end && blocked(line[x]))
            ++x;
        return x;
    }
    // The first blocked pixel in x..end - 1, or end; four at a time where
    // the processor can compare them at once.
    int nextBlocked(const QRgb* line, int x, int end) const
    {
#if defined(__SSE2__)
        const __m128i colour = _mm_set1_epi32(static_cast<int>(stop_));
        const __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
        while (x + 4 <= end) {
            const __m128i pixels =
                _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(line + x)), rgb);
            const int hits = _mm_movemask_epi8(_mm_cmpeq_epi32(pixels, colour));
            if (hits != 0)
                return x + std::countr_zero(static_cast<unsigned>(hits)) / 4;
            x += 4;
        }
#endif
        while (x < end && !blocked(line[x]))
            ++x;
        return x;
    }

    // The whole run through the open, unmarked pixel (x, y).
    int take(int y, int x)
    {
        const QRgb* line = row(y);
        int x1 = x;
        while (x1 > 0 && !blocked(line[x1 - 1]))
            --x1;
        const int x2 = nextBlocked(line, x + 1, width_) - 1;
        marks_.mark(y, x1, x2);
        region_.push_back({y, x1, x2});
        return x2;
    }

    // Every run on row y that touches x1..x2 and is not yet taken.
    void scanNeighbour(int y, int x1, int x2)
    {
        const QRgb* line = row(y);
        const int end = x2 + 1;
        int x = x1;
        while (true) {
            x = nextOpen(line, x, end);
            if (x >= end)
                return;
            if (marks_.test(x, y)) {
                x = marks_.nextUnmarked(y, x, end);
                continue;
            }
            x = take(y, x) + 1;
        }
    }

    const QImage& image_;
    const int width_;
    const int height_;
    const QRgb stop_;
    RunMarks marks_;
    std::vector<FillSpan> region_;
};

} // namespace

std::vector<FillSpan> FindFillRegion(const QImage& image, QPoint seed, Colour border)
{
    const int width = image.width();
    const int height = image.height();
    if (seed.x() < 0 || seed.y() < 0 || seed.x() >= width || seed.y() >= height)
        return {};
    const QRgb stop = toQRgb(border) & 0xFFFFFFu;
    const QRgb seedPixel = reinterpret_cast<const QRgb*>(image.constScanLine(seed.y()))[seed.x()];
    if ((seedPixel & 0xFFFFFFu) == stop)
        return {};
    return RegionSearch(image, stop).run(seed);
}

} // namespace kel
