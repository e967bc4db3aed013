#include "render/FloodFill.h"

#include <cstdint>

namespace kel {

namespace {

class VisitedSet {
public:
    VisitedSet(int width, int height)
        : width_(width), bits_((static_cast<size_t>(width) * static_cast<size_t>(height) + 63) / 64)
    {
    }
    bool test(int x, int y) const
    {
        const size_t i = index(x, y);
        return (bits_[i / 64] >> (i % 64)) & 1u;
    }
    void set(int x, int y)
    {
        const size_t i = index(x, y);
        bits_[i / 64] |= std::uint64_t{1} << (i % 64);
    }

private:
    size_t index(int x, int y) const
    {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }
    int width_;
    std::vector<std::uint64_t> bits_;
};

} // namespace

std::vector<FillSpan> FindFillRegion(const QImage& image, QPoint seed, Colour border)
{
    std::vector<FillSpan> region;
    const int width = image.width();
    const int height = image.height();
    if (seed.x() < 0 || seed.y() < 0 || seed.x() >= width || seed.y() >= height)
        return region;
    const QRgb stop = toQRgb(border) & 0xFFFFFFu;
    auto row = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    auto blocked = [&](const QRgb* line, int x) { return (line[x] & 0xFFFFFFu) == stop; };
    if (blocked(row(seed.y()), seed.x()))
        return region;

    VisitedSet visited(width, height);
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        const QRgb* line = row(p.y());
        if (visited.test(p.x(), p.y()) || blocked(line, p.x()))
            continue;
        int x1 = p.x();
        while (x1 > 0 && !blocked(line, x1 - 1) && !visited.test(x1 - 1, p.y()))
            --x1;
        int x2 = p.x();
        while (x2 + 1 < width && !blocked(line, x2 + 1) && !visited.test(x2 + 1, p.y()))
            ++x2;
        for (int x = x1; x <= x2; ++x)
            visited.set(x, p.y());
        region.push_back({p.y(), x1, x2});
        // One seed for every run of open pixels touching the span above and
        // below.
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= height)
                continue;
            const QRgb* next = row(y);
            bool inRun = false;
            for (int x = x1; x <= x2; ++x) {
                const bool open = !blocked(next, x) && !visited.test(x, y);
                if (open && !inRun)
                    pending.push_back({x, y});
                inRun = open;
            }
        }
    }
    return region;
}

} // namespace kel
