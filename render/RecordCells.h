#pragma once
// Reading the cells of one object row for the text and curve drawers:
// coordinates shifted by the crop offset in 64 bits, point lists, and the
// highlight pen. A coordinate that leaves the 32-bit range after the shift
// gives nothing; the row is then left out.

#include "model/Attributes.h"
#include "model/Colour.h"
#include "model/ObjectTable.h"

#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

namespace kel {

inline constexpr Colour kHighlightRed = 0x0000FF;

// value - shift, when that fits an int.
std::optional<int> ShiftedCoordinate(long long value, int shift);

// The point in columns xColumn and yColumn (each 100 when not a whole
// number), shifted by minus the offset.
std::optional<QPoint> ShiftedCellPoint(const ObjectTable& table, int row, int xColumn, int yColumn,
                                       QPoint offset);

// The pairs of a point-list cell, shifted by minus the offset; an unpaired
// last number is ignored.
std::optional<std::vector<QPoint>> ShiftedPointList(const QString& cell, QPoint offset);

// Why a row whose coordinates leave the range is left out.
QString OutOfRangeReason();

// Red, or black for a row whose own colour is red.
constexpr Colour HighlightColour(Colour own)
{
    return own == kHighlightRed ? kBlack : kHighlightRed;
}

// Turns the current pen into the highlight pen: the highlight colour of the
// pen's own colour, one pixel wider.
void UseHighlightPen(CurrentAttributes& current);

} // namespace kel
