#include "figures/Transforms.h"

#include "figures/FigureMath.h"

#include <cmath>
#include <numbers>

namespace kel {

namespace {

std::optional<QPoint> Turn(QPoint p, QPoint centre, double cosT, double sinT)
{
    const double u = static_cast<double>(p.x()) - centre.x();
    const double v = static_cast<double>(p.y()) - centre.y();
    return figmath::OffsetRounded(centre, u * cosT - v * sinT, u * sinT + v * cosT);
}

} // namespace

std::optional<QPoint> RotatePoint(QPoint p, QPoint centre, int degrees)
{
    const auto t = static_cast<float>(degrees * std::numbers::pi / 180.0);
    return Turn(p, centre, std::cos(static_cast<double>(t)), std::sin(static_cast<double>(t)));
}

std::optional<QPoint> RotateAboutRadians(QPoint p, QPoint centre, double radians)
{
    return Turn(p, centre, std::cos(radians), std::sin(radians));
}

std::optional<QPoint> ScaleAbout(QPoint p, QPoint from, QPoint to, int percent)
{
    using figmath::Wide;
    const Wide du = (Wide{p.x()} - from.x()) * percent / 100;
    const Wide dv = (Wide{p.y()} - from.y()) * percent / 100;
    return figmath::MakePoint(to.x() + du, to.y() + dv);
}

} // namespace kel
