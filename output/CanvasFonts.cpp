#include "output/CanvasFonts.h"

#include <algorithm>
#include <cstdlib>

namespace kel {

namespace {
constexpr long long kMaxFontPixels = 2000;
constexpr long long kDefaultFontPixels = 16;
} // namespace

QFont QtFontOf(const CanvasFont& font)
{
    QFont f(font.name);
    const long long points = std::llabs(static_cast<long long>(font.size));
    const long long pixels = points == 0 ? kDefaultFontPixels : (points * 96 + 36) / 72;
    f.setPixelSize(static_cast<int>(std::clamp(pixels, 1LL, kMaxFontPixels)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace kel
