#include "figures/PixelSearch.h"

#include <QRgb>

#include <algorithm>
#include <array>
#include <cstdint>

namespace kel {

namespace {

constexpr int kBox = 20;

bool Matches(QRgb pixel, Colour colour)
{
    return fromQRgb(pixel) == (colour & 0xFFFFFFu);
}

// The scan lines are read as 32-bit pixels; any other format is converted
// first (a shared copy, no cost, in the usual case).
QImage As32Bit(const QImage& image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

int CountColourPixels(ConstructionState& state, const QImage& image, QPoint p, Colour colour)
{
    const int left = state.slot[0];
    const int top = state.slot[1];
    const int right = state.slot[2];
    const int bottom = state.slot[3];
    if (p.x() < left || p.x() > right || p.y() < top || p.y() > bottom)
        return -1;
    const QImage bitmap = As32Bit(image);
    int count = 0;
    // The rectangle may reach beyond the image; only its inside is read.
    const int x0 = std::max(left, 0);
    const int x1 = std::min(right, bitmap.width() - 1);
    const int y0 = std::max(top, 0);
    const int y1 = std::min(bottom, bitmap.height() - 1);
    for (int y = y0; y <= y1; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(bitmap.constScanLine(y));
        for (int x = x0; x <= x1; ++x) {
            if (Matches(line[x], colour))
                ++count;
        }
    }
    state.slot[ConstructionState::kCount] = count;
    return count;
}

std::optional<QPoint> FindDrawnCrossing(const ConstructionState& state, const QImage& image)
{
    const QImage bitmap = As32Bit(image);
    const std::int64_t bx = state.slot[0];
    const std::int64_t by = state.slot[1];
    // Which pixels of the box are drawn, read once; outside the image less
    // its one-pixel margin nothing counts.
    std::array<std::array<bool, kBox>, kBox> drawn{};
    bool any = false;
    for (int v = 0; v < kBox; ++v) {
        const std::int64_t y = by + v;
        if (y < 1 || y >= bitmap.height() - 1)
            continue;
        const auto* line = reinterpret_cast<const QRgb*>(bitmap.constScanLine(static_cast<int>(y)));
        for (int u = 0; u < kBox; ++u) {
            const std::int64_t x = bx + u;
            if (x < 1 || x >= bitmap.width() - 1)
                continue;
            drawn[v][u] = fromQRgb(line[x]) != kWhite;
            any = any || drawn[v][u];
        }
    }
    if (!any)
        return std::nullopt;

    std::array<std::array<std::uint8_t, kBox>, kBox> count{};
    int highest = 0;
    for (int j = 0; j < kBox; ++j) {
        for (int i = 0; i < kBox; ++i) {
            int n = 0;
            for (int dj = -2; dj <= 2; ++dj) {
                for (int di = -2; di <= 2; ++di) {
                    const int u = i + di;
                    const int v = j + dj;
                    if (u >= 0 && u < kBox && v >= 0 && v < kBox && drawn[v][u])
                        ++n;
                }
            }
            count[j][i] = static_cast<std::uint8_t>(n);
            highest = std::max(highest, n);
        }
    }
    int sumI = 0;
    int sumJ = 0;
    int cellsAtHighest = 0;
    for (int j = 0; j < kBox; ++j) {
        for (int i = 0; i < kBox; ++i) {
            if (count[j][i] == highest) {
                sumI += i;
                sumJ += j;
                ++cellsAtHighest;
            }
        }
    }
    // A drawn pixel lies inside the image, so the box corner is within 20
    // pixels of it and the sum fits.
    return QPoint(static_cast<int>(bx + sumI / cellsAtHighest),
                  static_cast<int>(by + sumJ / cellsAtHighest));
}

} // namespace kel
