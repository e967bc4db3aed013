#pragma once
// Helpers for the construction tests: readers for the lines a construction
// drew or appended, and pen texts.

#include "FakeCanvas.h"
#include "model/ObjectTable.h"

#include <QPoint>
#include <QString>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace kel::test {

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
