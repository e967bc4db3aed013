#include "output/ShadowedCanvas.h"

#include <QPointF>
#include <QSizeF>

namespace kel {

void ShadowedCanvas::floodFill(QPoint seed, Colour border)
{
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
