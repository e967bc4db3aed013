#pragma once
// Helpers shared by the figure tests: printing points, a double-precision
// reference for distances, and building object rows.

#include "model/ObjectTable.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <cmath>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << '(' << p.x() << ", " << p.y() << ')';
}
QT_END_NAMESPACE

namespace kel::test {

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

// Writes an object row: columns 1.. from the "|"-separated cells.
inline void PutRow(ObjectTable& table, int row, const QString& cells)
{
    const QStringList parts = cells.split(u'|');
    for (int c = 0; c < parts.size(); ++c)
        table.setCell(c + 1, row, parts[c]);
}

// Columns 1..11 of a row joined by "|".
inline QString RowText(const ObjectTable& table, int row)
{
    QStringList cells;
    for (int c = 1; c < kTableColumns; ++c)
        cells << table.cell(c, row);
    return cells.join(u'|');
}

} // namespace kel::test
