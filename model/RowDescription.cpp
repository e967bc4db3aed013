#include "model/RowDescription.h"

#include "model/RecordKinds.h"
#include "model/Rounding.h"
#include "model/VectorMeasures.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <span>

namespace kel {

namespace {

// The texts of the given columns, as stored, joined by single blanks.
QString JoinCells(const ObjectTable& table, int row, std::span<const int> columns)
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

// The description measures the line with its ends read as 10 when unreadable.
constexpr int kLineEndFallback = 10;

std::optional<QString> LineMeasures(const ObjectTable& table, int row)
{
    const std::int64_t x1 = table.intCell(col::line::X1, row, kLineEndFallback);
    const std::int64_t y1 = table.intCell(col::line::Y1, row, kLineEndFallback);
    const std::int64_t x2 = table.intCell(col::line::X2, row, kLineEndFallback);
    const std::int64_t y2 = table.intCell(col::line::Y2, row, kLineEndFallback);
    const std::optional<int> length = VectorLength(x1 - x2, y1 - y2);
    if (!length)
        return std::nullopt;
    // Measured against the ray 120 pixels to the right of the first end.
    const int angle =
        VectorAngle(120.0, 0.0, static_cast<double>(x2 - x1), static_cast<double>(y2 - y1));
    return QStringLiteral("  Len=") + QString::number(*length) + QStringLiteral("  Ang=") +
           QString::number(angle) + QStringLiteral("<-->") + QString::number(180 - angle);
}

std::optional<QString> ArcChord(const ObjectTable& table, int row)
{
    // Unreadable angles and radius count 0 here.
    const std::int64_t ang1 = table.intCell(col::arc::Start, row, 0);
    const std::int64_t ang2 = table.intCell(col::arc::End, row, 0);
    const double radius = table.intCell(col::arc::Radius, row, 0);
    const std::int64_t half = (ang1 > ang2 ? ang1 - ang2 : ang2 - ang1) / 2;
    const std::optional<int> chord =
        RoundToInt(std::sin(static_cast<double>(half) * std::numbers::pi / 180.0) * 2.0 * radius);
    if (!chord)
        return std::nullopt;
    return QStringLiteral("  Cord=") + QString::number(*chord);
}

} // namespace

QString RowDescription(const ObjectTable& table, int row)
{
    if (row < 1 || !table.inUse(row))
        return {};
    const RecordKindInfo* info = RowKindInfo(table, row);
    if (!info || !info->description)
        return {};
    std::optional<QString> measures = QString();
    if (info->kind == RecordKind::Line)
        measures = LineMeasures(table, row);
    else if (info->kind == RecordKind::Arc)
        measures = ArcChord(table, row);
    if (!measures)
        return {};
    return QLatin1String(info->description) + JoinCells(table, row, info->describedColumns) +
           *measures;
}

} // namespace kel
