#include "render/Renderer.h"

#include "render/RowPainter.h"
#include "render/ShapeDrawers.h"

#include <algorithm>

namespace kel {

namespace {

constexpr Colour kGridDotColour = 0x818181;
constexpr int kGridDotSpacing = 10;

// Puts the four current attributes and the canvas's pen, brush and font
// back on every way out of a replay.
class ReplayGuard {
public:
    ReplayGuard(Canvas& canvas, CurrentAttributes& current)
        : canvas_(canvas), current_(current), saved_(current), pen_(canvas.pen()),
          brush_(canvas.brush()), font_(canvas.font())
    {
    }
    ~ReplayGuard()
    {
        current_.penWidth = saved_.penWidth;
        current_.penColour = saved_.penColour;
        current_.brushColour = saved_.brushColour;
        current_.brushStyle = saved_.brushStyle;
        canvas_.setPen(pen_);
        canvas_.setBrush(brush_);
        canvas_.setFont(font_);
    }
    ReplayGuard(const ReplayGuard&) = delete;
    ReplayGuard& operator=(const ReplayGuard&) = delete;

private:
    Canvas& canvas_;
    CurrentAttributes& current_;
    CurrentAttributes saved_;
    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
};

QString Skipped(int row, const QString& why)
{
    return QStringLiteral("Row %1 not drawn: %2").arg(row).arg(why);
}

} // namespace

Renderer::Renderer(ObjectTable& table, CurrentAttributes& current, UiPort& ui)
    : table_(table), current_(current), ui_(ui)
{
}

void Renderer::createBitmap(QSize size)
{
    bitmap_.reset(size);
    ClearBitmap();
}

void Renderer::ClearBitmap()
{
    bitmap_.clear();
    drawGridDots(bitmap_);
    PresentBitmap();
}

void Renderer::drawGridDots(Canvas& canvas) const
{
    if (!gridDots_)
        return;
    const QSize size = canvas.size();
    for (int y = 0; y < size.height(); y += kGridDotSpacing)
        for (int x = 0; x < size.width(); x += kGridDotSpacing)
            canvas.setPixel({x, y}, kGridDotColour);
}

void Renderer::PresentBitmap()
{
    bitmap_.finish();
    ui_.repaintSurface();
}

Renderer::ReplayReport Renderer::replayRows(Canvas& canvas, QPoint offset,
                                            CurrentAttributes& current, PictureCache& pictures,
                                            int firstRow, int endRow) const
{
    ReplayGuard guard(canvas, current);
    RowPainter painter(table_, current, pictures);
    painter.setOffset(offset);
    ReplayReport replayed;
    for (int row = firstRow; row < std::min(endRow, table_.rows()); ++row) {
        const QString& state = table_.cell(kStateColumn, row);
        if (state.isEmpty())
            break; // the first free row ends the drawing
        if (state != QLatin1String("Y"))
            continue;
        if (const std::optional<QString> problem = painter.draw(canvas, row)) {
            if (replayed.skipped++ == 0)
                replayed.firstProblem = Skipped(row, *problem);
        }
    }
    canvas.setBrush(kNoBrush);
    return replayed;
}

void Renderer::report(const ReplayReport& replayed)
{
    lastProblem_ = replayed.firstProblem;
    lastSkipped_ = replayed.skipped;
    if (lastSkipped_ > 0) {
        QString text = lastProblem_;
        if (lastSkipped_ > 1)
            text += QStringLiteral(" (%1 rows not drawn)").arg(lastSkipped_);
        ui_.setStatus(3, text);
    }
}

void Renderer::replay(Canvas& canvas, QPoint offset)
{
    report(replayRows(canvas, offset, current_, pictures_));
}

void Renderer::RedrawAll()
{
    if (!replayOnTwoThreads()) {
        bitmap_.clear();
        drawGridDots(bitmap_);
        replay(bitmap_, QPoint());
    }
    PresentBitmap();
}

bool Renderer::drawRow(Canvas& canvas, int row)
{
    lastProblem_.clear();
    lastSkipped_ = 0;
    if (table_.cell(kStateColumn, row) != QLatin1String("Y"))
        return false;
    ReplayGuard guard(canvas, current_);
    RowPainter painter(table_, current_, pictures_);
    if (const std::optional<QString> problem = painter.draw(canvas, row)) {
        lastProblem_ = Skipped(row, *problem);
        lastSkipped_ = 1;
        return false;
    }
    return true;
}

void Renderer::HighlightRow(Canvas& canvas, int row)
{
    if (table_.cell(kStateColumn, row) != QLatin1String("Y"))
        return;
    ReplayGuard guard(canvas, current_);
    RowPainter painter(table_, current_, pictures_);
    painter.draw(canvas, row, RowMode::Highlight);
}

void Renderer::RenderCropArea(Canvas& canvas, QPoint cropTopLeft)
{
    replay(canvas, cropTopLeft);
}

std::optional<Colour> Renderer::GetBitmapPixel(int x, int y) const
{
    const QImage& image = bitmap_.image();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return std::nullopt;
    return fromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
}

} // namespace kel
