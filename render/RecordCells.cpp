#include "render/RecordCells.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"

#include <limits>

namespace kel {

std::optional<int> ShiftedCoordinate(long long value, int shift)
{
    const long long moved = value - shift;
    if (moved < std::numeric_limits<int>::min() || moved > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(moved);
}

std::optional<QPoint> ShiftedCellPoint(const ObjectTable& table, int row, int xColumn, int yColumn,
                                       QPoint offset)
{
    const std::optional<int> x =
        ShiftedCoordinate(table.intCell(xColumn, row, fallback::Coordinate), offset.x());
    const std::optional<int> y =
        ShiftedCoordinate(table.intCell(yColumn, row, fallback::Coordinate), offset.y());
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

std::optional<std::vector<QPoint>> ShiftedPointList(const QString& cell, QPoint offset)
{
    const std::vector<int> numbers = ParseNumberList(cell);
    std::vector<QPoint> points;
    points.reserve(numbers.size() / 2);
    for (size_t i = 0; i + 1 < numbers.size(); i += 2) {
        const std::optional<int> x = ShiftedCoordinate(numbers[i], offset.x());
        const std::optional<int> y = ShiftedCoordinate(numbers[i + 1], offset.y());
        if (!x || !y)
            return std::nullopt;
        points.emplace_back(*x, *y);
    }
    return points;
}

QString OutOfRangeReason()
{
    return QStringLiteral("a coordinate is out of range");
}

void UseHighlightPen(CurrentAttributes& current)
{
    current.penColour = HighlightColour(current.penColour);
    if (current.penWidth < std::numeric_limits<int>::max())
        current.penWidth = current.penWidth + 1;
}

} // namespace kel
