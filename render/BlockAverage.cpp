#include "render/BlockAverage.h"

#include <cstdint>
#include <vector>

namespace kel {

namespace {

// kFixed is the scale when it is known while compiling (the sums of a
// block's row then unroll), 0 for any other.
template <int kFixed>
void Average(const QImage& band, int anyScale, int rows, QImage& target, int targetTop)
{
    const int scale = kFixed > 0 ? kFixed : anyScale;
    const int width = target.width();
    const auto count = static_cast<std::uint32_t>(scale * scale);
    // Red and blue side by side in one word (a block of up to 16 x 16
    // pixels sums to less than 65536 a byte), green in another.
    std::vector<std::uint32_t> redBlue(static_cast<size_t>(width));
    std::vector<std::uint32_t> green(static_cast<size_t>(width));
    for (int row = 0; row < rows; ++row) {
        std::fill(redBlue.begin(), redBlue.end(), 0u);
        std::fill(green.begin(), green.end(), 0u);
        for (int k = 0; k < scale; ++k) {
            const auto* line =
                reinterpret_cast<const std::uint32_t*>(band.constScanLine(row * scale + k));
            for (int x = 0; x < width; ++x) {
                std::uint32_t rb = 0, g = 0;
                for (int j = 0; j < scale; ++j) {
                    const std::uint32_t pixel = line[x * scale + j];
                    rb += pixel & 0x00FF00FFu;
                    g += pixel & 0x0000FF00u;
                }
                redBlue[static_cast<size_t>(x)] += rb;
                green[static_cast<size_t>(x)] += g;
            }
        }
        auto* out = reinterpret_cast<std::uint32_t*>(target.scanLine(targetTop + row));
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rb = redBlue[static_cast<size_t>(x)];
            out[x] = 0xFF000000u | ((rb >> 16) / count) << 16 |
                     ((green[static_cast<size_t>(x)] >> 8) / count) << 8 | (rb & 0xFFFFu) / count;
        }
    }
}

} // namespace

void AverageBlocks(const QImage& band, int scale, int rows, QImage& target, int targetTop)
{
    if (scale == 4)
        Average<4>(band, scale, rows, target, targetTop);
    else if (scale == 2)
        Average<2>(band, scale, rows, target, targetTop);
    else
        Average<0>(band, scale, rows, target, targetTop);
}

} // namespace kel
