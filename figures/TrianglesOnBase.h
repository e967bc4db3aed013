#pragma once
// Triangles erected on an existing line: the base A-B is held in slots 0..3
// of the construction state, the pointer chooses the side of the base the
// apex goes to. Each routine previews the two new sides and leaves the apex
// in slots 4, 5 and its verdict in slot 22 (1 valid, -1 invalid) for the
// click that appends them.

#include "figures/ConstructionState.h"
#include "model/Attributes.h"
#include "model/Canvas.h"

#include <QPoint>

namespace kel {

// The slot the on-base triangles leave their verdict in.
inline constexpr int kTriangleVerdictSlot = ConstructionState::kSize;
inline constexpr int kTriangleVerdictValid = 1;
inline constexpr int kTriangleVerdictInvalid = -1;

// Sides rA = AC and rB = BC. Valid when rA + rB is at least |AB| + 5 and the
// circles of radius rA about A and rB about B meet; the apex is the meeting
// point nearer to the pointer (the second on equal distances). A-C and B-C
// are drawn with the line drawer in the current pen.
bool TriangleOnBaseSSS(ConstructionState& state, Canvas& canvas, const CurrentAttributes& current,
                       QPoint pointer, int rA, int rB);

// Base angles at A and B. Valid when both are at least 4 and their sum is
// below 176; the sides follow from the law of sines and the apex is found as
// for TriangleOnBaseSSS.
bool TriangleOnBaseASA(ConstructionState& state, Canvas& canvas, const CurrentAttributes& current,
                       QPoint pointer, int angleA, int angleB);

} // namespace kel
