#pragma once
// The live preview of the angle-bisector tool.

#include "figures/ConstructionState.h"
#include "model/Canvas.h"
#include "model/Document.h"

#include <QPoint>
#include <QString>

#include <optional>

namespace kel {

// The tool shows this followed by the length in status panel 3.
inline const QString kBisectorLengthStatus = QStringLiteral("Length=");

struct BisectorPoints {
    QPoint vertex;
    int length = 0; // |VF|, whole pixels
};

// For the lines (slots 0, 1)-(slots 2, 3) and (slots 4, 5)-(slots 6, 7):
// finds their crossing V, the two bisectors of the angles between them, and
// the foot F of the pointer on the bisector passing nearer to it (the second
// on a tie). Stores V in slots 8, 9 and F in slots 10, 11, draws V-F solid
// and pointer-F dotted in the current pen colour on `canvas` (its pen is put
// back) and gives V with |VF| for the tool to show. Parallel lines, a
// crossing with both coordinates beyond 5000, or a result outside the 32-bit
// plane give nothing, and nothing is drawn or stored. The caller restores the
// surface from the off-screen bitmap before each preview.
std::optional<BisectorPoints> BisectorPreview(const Document& doc, ConstructionState& state,
                                              Canvas& canvas, QPoint pointer);

} // namespace kel
