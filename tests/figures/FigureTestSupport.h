#pragma once
// Helpers shared by the figure tests: printing points, short texts of whole
// results to compare at once, a double-precision reference for distances,
// and building object rows.

#include "figures/Circles.h"
#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "figures/Perpendiculars.h"
#include "figures/TableQueries.h"
#include "model/ObjectTable.h"
#include "support/KelTestFiles.h"

#include <QPoint>
#include <QString>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << '(' << p.x() << ", " << p.y() << ')';
}
QT_END_NAMESPACE

namespace kel::test {

// "(x,y)", and the results built of points as their points and numbers.
inline std::string Show(QPoint p)
{
    return '(' + std::to_string(p.x()) + ',' + std::to_string(p.y()) + ')';
}
inline std::string Show(const PointPair& p)
{
    return Show(p.first) + ' ' + Show(p.second);
}
inline std::string Show(const SidePoints& p)
{
    return Show(p.left) + ' ' + Show(p.right);
}
inline std::string Show(const MeasuredPoint& m)
{
    return Show(m.point) + " d=" + std::to_string(m.distance);
}
inline std::string Show(const RowHit& h)
{
    return "row " + std::to_string(h.row) + ' ' + Show(h.point) +
           " d=" + std::to_string(h.distance);
}
inline std::string Show(const CircleFit& c)
{
    return Show(c.centre) + " r=" + std::to_string(c.radius);
}
template <class T> std::string Show(const std::optional<T>& value)
{
    return value ? Show(*value) : "none";
}

inline double Distance(double x1, double y1, double x2, double y2)
{
    return std::hypot(x1 - x2, y1 - y2);
}

inline double Distance(QPoint a, QPoint b)
{
    return Distance(a.x(), a.y(), b.x(), b.y());
}

// Distance from p to the infinite line through a and b, in doubles.
inline double DistanceToLine(QPoint p, QPoint a, QPoint b)
{
    const double dx = static_cast<double>(b.x()) - a.x();
    const double dy = static_cast<double>(b.y()) - a.y();
    const double cross =
        dx * (static_cast<double>(p.y()) - a.y()) - dy * (static_cast<double>(p.x()) - a.x());
    return std::abs(cross) / std::hypot(dx, dy);
}

} // namespace kel::test
