#pragma once
// Helpers shared by the figure tests: printing points, short texts of whole
// results and pens to compare at once, double-precision references for
// distances and angles, and readers for the lines a construction drew or
// appended.

#include "FakeCanvas.h"
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
#include <vector>

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

struct LineRecord {
    QPoint from;
    QPoint to;
    bool operator==(const LineRecord&) const = default;
};

// The visible line records of the table from row 1, in row order.
inline std::vector<LineRecord> LineRows(const ObjectTable& table)
{
    std::vector<LineRecord> lines;
    for (int r = 1; r < table.rows() && table.inUse(r); ++r) {
        if (table.cell(1, r) != "Y" || table.cell(2, r) != "L")
            continue;
        lines.push_back({{table.intCell(4, r, 0), table.intCell(5, r, 0)},
                         {table.intCell(6, r, 0), table.intCell(7, r, 0)}});
    }
    return lines;
}

// The lines drawn on the canvas, in order.
inline std::vector<LineRecord> DrawnLines(const FakeCanvas& canvas)
{
    std::vector<LineRecord> lines;
    for (const DrawnLine& line : canvas.lines)
        lines.push_back({line.from, line.to});
    return lines;
}

// "colour width style" of a pen, to compare whole pens.
inline std::string Show(const CanvasPen& pen)
{
    return QString::number(pen.colour, 16).toStdString() + ' ' + std::to_string(pen.width) +
           (pen.style == PenStyle::Dotted ? " dotted" : " solid");
}

inline int RowsInUse(const ObjectTable& table)
{
    int count = 0;
    for (int r = 1; r < table.rows(); ++r)
        count += table.inUse(r) ? 1 : 0;
    return count;
}

// Interior angle at `vertex` between the rays to p and q, in degrees, in
// doubles.
inline double AngleDegrees(QPoint vertex, QPoint p, QPoint q)
{
    const double ax = p.x() - vertex.x(), ay = p.y() - vertex.y();
    const double bx = q.x() - vertex.x(), by = q.y() - vertex.y();
    return std::abs(std::atan2(ax * by - ay * bx, ax * bx + ay * by)) * 180 / M_PI;
}

inline void PrintTo(const LineRecord& line, std::ostream* os)
{
    *os << '(' << line.from.x() << ", " << line.from.y() << ")-(" << line.to.x() << ", "
        << line.to.y() << ')';
}

} // namespace kel::test
