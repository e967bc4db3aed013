#include "model/RowDescription.h"

#include "model/Rounding.h"
#include "model/VectorMeasures.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <optional>

namespace kel {

namespace {

// The texts of the given columns, as stored, joined by single blanks.
QString JoinCells(const ObjectTable& table, int row, std::initializer_list<int> columns)
{
    QString text;
    bool first = true;
    for (int c : columns) {
        if (!first)
            text += QLatin1Char(' ');
        text += table.cell(c, row);
        first = false;
    }
    return text;
}

QString DescribeLine(const ObjectTable& table, int row)
{
    const std::int64_t x1 = table.intCell(4, row, 10);
    const std::int64_t y1 = table.intCell(5, row, 10);
    const std::int64_t x2 = table.intCell(6, row, 10);
    const std::int64_t y2 = table.intCell(7, row, 10);
    const std::optional<int> length = VectorLength(x1 - x2, y1 - y2);
    if (!length)
        return {};
    // Measured against the ray 120 pixels to the right of the first end.
    const int angle =
        VectorAngle(120.0, 0.0, static_cast<double>(x2 - x1), static_cast<double>(y2 - y1));
    return QStringLiteral("Line  x1 y1 x2 y2 ") + JoinCells(table, row, {4, 5, 6, 7}) +
           QStringLiteral("  Len=") + QString::number(*length) + QStringLiteral("  Ang=") +
           QString::number(angle) + QStringLiteral("<-->") + QString::number(180 - angle);
}

QString DescribeArc(const ObjectTable& table, int row)
{
    const std::int64_t ang1 = table.intCell(6, row, 0);
    const std::int64_t ang2 = table.intCell(7, row, 0);
    const double radius = table.intCell(8, row, 0);
    const std::int64_t half = (ang1 > ang2 ? ang1 - ang2 : ang2 - ang1) / 2;
    const std::optional<int> chord =
        RoundToInt(std::sin(static_cast<double>(half) * std::numbers::pi / 180.0) * 2.0 * radius);
    if (!chord)
        return {};
    return QStringLiteral("Arc x y ang1 ang2 R ") + JoinCells(table, row, {4, 5, 6, 7, 8}) +
           QStringLiteral("  Cord=") + QString::number(*chord);
}

} // namespace

QString RowDescription(const ObjectTable& table, int row)
{
    if (row < 1 || !table.inUse(row))
        return {};
    const QString& type = table.cell(kTypeColumn, row);
    if (type.isEmpty())
        return {};
    switch (type.at(0).unicode()) {
    case u'L':
        return DescribeLine(table, row);
    case u'R':
        return QStringLiteral("Rect  x1 y1 x2 y2 ") + JoinCells(table, row, {4, 5, 6, 7});
    case u'1':
        return QStringLiteral("Round Rect  x1 y1 x2 y2 ") + JoinCells(table, row, {4, 5, 6, 7});
    case u'2':
        return QStringLiteral("Focus Rect  x1 y1 x2 y2 ") + JoinCells(table, row, {4, 5, 6, 7});
    case u'A':
        return DescribeArc(table, row);
    case u'B':
        return QStringLiteral("Curve ");
    case u'C':
        return QStringLiteral("Circle x y R ") + JoinCells(table, row, {4, 5, 6});
    case u'D':
        return QStringLiteral("Grid x y tot dim ") + JoinCells(table, row, {4, 5, 6, 7});
    case u'E':
        return QStringLiteral("Ellipse x1 y1 x2 y2 ") + JoinCells(table, row, {4, 5, 6, 7});
    case u'F':
        return QStringLiteral("Fill x y style border ") + JoinCells(table, row, {4, 5, 3, 6});
    case u'G':
        return QStringLiteral("PolyLine ");
    case u'P':
        return QStringLiteral("Point x y ") + JoinCells(table, row, {4, 5});
    case u'T':
        return QStringLiteral("Text x y size style angle text ") +
               JoinCells(table, row, {3, 4, 5, 7, 10, 9});
    default:
        return {};
    }
}

} // namespace kel
