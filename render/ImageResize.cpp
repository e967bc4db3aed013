#include "render/ImageResize.h"

#include <cstdint>
#include <vector>

namespace kel {

namespace {

constexpr int kSmallSide = 10;

// Per target pixel: the sums of the three colour bytes and the count.
template <typename Sum> struct Sums {
    Sum low = 0, middle = 0, high = 0, count = 0;
};

template <typename Sum> QImage Average(const QImage& source, int w, int h)
{
    const int sw = source.width(), sh = source.height();
    // The target column and row of every source column and row.
    std::vector<int> columnOf(static_cast<size_t>(sw));
    for (int x = 0; x < sw; ++x)
        columnOf[static_cast<size_t>(x)] = static_cast<int>(static_cast<long long>(x) * w / sw);
    std::vector<Sums<Sum>> sums(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < sh; ++y) {
        const int ty = static_cast<int>(static_cast<long long>(y) * h / sh);
        Sums<Sum>* row = sums.data() + static_cast<size_t>(ty) * static_cast<size_t>(w);
        const auto* line = reinterpret_cast<const std::uint32_t*>(source.constScanLine(y));
        for (int x = 0; x < sw; ++x) {
            const std::uint32_t word = line[x];
            Sums<Sum>& s = row[columnOf[static_cast<size_t>(x)]];
            s.low += word & 0xFFu;
            s.middle += (word >> 8) & 0xFFu;
            s.high += (word >> 16) & 0xFFu;
            ++s.count;
        }
    }

    QImage target(w, h, QImage::Format_RGB32);
    if (target.isNull())
        return {};
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(target.scanLine(y));
        const Sums<Sum>* row = sums.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        for (int x = 0; x < w; ++x) {
            const Sums<Sum>& s = row[x];
            if (s.count == 0) {
                // Enlarging: no source pixel fell here, take the one below.
                const int sx = static_cast<int>(static_cast<long long>(x) * sw / w);
                const int sy = static_cast<int>(static_cast<long long>(y) * sh / h);
                line[x] = reinterpret_cast<const std::uint32_t*>(source.constScanLine(sy))[sx];
                continue;
            }
            line[x] = 0xFF000000u | static_cast<std::uint32_t>(s.high / s.count) << 16 |
                      static_cast<std::uint32_t>(s.middle / s.count) << 8 |
                      static_cast<std::uint32_t>(s.low / s.count);
        }
    }
    return target;
}

} // namespace

QImage ResizeBitmapPercent(int percent, const QImage& sourceImage, int maxSide)
{
    const QImage source = sourceImage.format() == QImage::Format_RGB32
                              ? sourceImage
                              : sourceImage.convertToFormat(QImage::Format_RGB32);
    const int sw = source.width(), sh = source.height();
    if (percent == 100 || sw < kSmallSide || sh < kSmallSide)
        return source.copy();
    if (percent <= 0)
        return {};
    const long long tw = static_cast<long long>(sw) * percent / 100;
    const long long th = static_cast<long long>(sh) * percent / 100;
    if (tw > maxSide || th > maxSide)
        return {};
    if (tw < 1 || th < 1)
        return {};
    const int w = static_cast<int>(tw), h = static_cast<int>(th);
    if (w < kSmallSide || h < kSmallSide)
        return source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    // 32-bit sums hold up to 16 million pixels per target pixel.
    const long long perTarget = (sw / w + 1) * static_cast<long long>(sh / h + 1);
    if (perTarget * 255 <= 0xFFFFFFFFLL)
        return Average<std::uint32_t>(source, w, h);
    return Average<std::uint64_t>(source, w, h);
}

} // namespace kel
