#include "output/ShadowedCanvas.h"

#include <QPointF>
#include <QSizeF>

namespace kel {

void ShadowedCanvas::onShadow(std::function<void(RasterCanvas&)> draw)
{
    pending_.push_back({shadow_.pen(), shadow_.brush(), shadow_.font(), std::move(draw)});
}

void ShadowedCanvas::catchUp() const
{
    if (pending_.empty())
        return;
    const CanvasPen pen = shadow_.pen();
    const CanvasBrush brush = shadow_.brush();
    const CanvasFont font = shadow_.font();
    for (const PendingDraw& pending : pending_) {
        shadow_.setPen(pending.pen);
        shadow_.setBrush(pending.brush);
        shadow_.setFont(pending.font);
        pending.draw(shadow_);
    }
    pending_.clear();
    shadow_.setPen(pen);
    shadow_.setBrush(brush);
    shadow_.setFont(font);
}

void ShadowedCanvas::floodFill(QPoint seed, Colour border)
{
    catchUp();
    const FilledArea area = FillOnShadow(shadow_, seed, border);
    if (!area.isEmpty())
        embedFill(area);
}

std::optional<ShadowedCanvas::StretchedBox> ShadowedCanvas::onCanvas(const QRect& box) const
{
    const double l = box.left(), t = box.top();
    const double w = static_cast<double>(box.right()) - l + 1;
    const double h = static_cast<double>(box.bottom()) - t + 1;
    if (w <= 0 || h <= 0)
        return std::nullopt;
    const QRectF whole(l, t, w, h);
    const QRectF visible = whole.intersected(QRectF(QPointF(0, 0), QSizeF(size())));
    if (visible.isEmpty())
        return std::nullopt;
    return StretchedBox{whole, visible};
}

} // namespace kel
