#include "render/Renderer.h"

namespace kel {

namespace {
constexpr Colour kGridDotColour = 0x818181;
constexpr int kGridDotSpacing = 10;
} // namespace

Renderer::Renderer(ObjectTable& table, CurrentAttributes& current, UiPort& ui)
    : table_(table), current_(current), ui_(ui)
{
}

void Renderer::createBitmap(QSize size)
{
    bitmap_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    ClearBitmap();
}

void Renderer::ClearBitmap()
{
    bitmap_.fill(toQRgb(kWhite));
    drawGridDots();
    PresentBitmap();
}

void Renderer::drawGridDots()
{
    if (!gridDots_)
        return;
    const QRgb dot = toQRgb(kGridDotColour);
    for (int y = 0; y < bitmap_.height(); y += kGridDotSpacing) {
        auto* line = reinterpret_cast<QRgb*>(bitmap_.scanLine(y));
        for (int x = 0; x < bitmap_.width(); x += kGridDotSpacing)
            line[x] = dot;
    }
}

void Renderer::PresentBitmap()
{
    ui_.repaintSurface();
}

void Renderer::RedrawAll()
{
    // The drawers change the current attributes while they parse rows; the
    // user's choices come back afterwards.
    const CurrentAttributes saved = current_;
    bitmap_.fill(toQRgb(kWhite));
    drawGridDots();
    current_.penWidth = saved.penWidth;
    current_.penColour = saved.penColour;
    current_.brushColour = saved.brushColour;
    current_.brushStyle = saved.brushStyle;
    PresentBitmap();
}

std::optional<Colour> Renderer::GetBitmapPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= bitmap_.width() || y >= bitmap_.height())
        return std::nullopt;
    return fromQRgb(bitmap_.pixel(x, y));
}

} // namespace kel
