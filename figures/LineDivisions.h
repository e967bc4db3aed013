#pragma once
// Points that split a segment: equal divisions and a centred gap. Integer
// arithmetic with 64-bit intermediates, divisions truncating toward zero.

#include <QPoint>

#include <optional>
#include <vector>

namespace kel {

// The n - 1 points dividing a-b into n equal parts, from the b end toward a:
// point i is (i*a + (n-i)*b) / n. Nothing for n below 2.
std::vector<QPoint> DivisionPoints(QPoint a, QPoint b, int n);

// The two pieces left when a gap centred on the segment's midpoint, with one
// end at the foot f, is cut from a-b: piece 1 runs from the gap end nearer a
// to a, piece 2 from the other gap end to b. Nothing when f lies outside the
// segment (as far from an end as the segment is long) or a result leaves the
// 32-bit plane.
struct GapPieces {
    QPoint gapNearA;
    QPoint gapNearB;
};
std::optional<GapPieces> GapAround(QPoint a, QPoint b, QPoint f);

} // namespace kel
