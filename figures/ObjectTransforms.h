#pragma once
// Whole-object transforms behind the crop-area commands: mirrored copies of
// the tagged objects, and zooming or rotating the objects of a crop area.
// Both work as a transaction: every row is read and every new cell worked out
// before the first write, so a bad cell or a result outside the 32-bit plane
// leaves the table exactly as it was. Neither shows a message or redraws:
// the caller reports `error` and redraws when `changed`.

#include "figures/ConstructionState.h"
#include "model/Document.h"

#include <QPoint>
#include <QString>

namespace kel {

struct TableEditResult {
    bool changed = false; // some cell of the object table was written
    QString error;        // why nothing was written; empty on success
    bool ok() const { return error.isEmpty(); }
};

// Appends a mirrored copy, in the line held in slots 0..3, of every tagged
// row of kinds L, P, F, C, A, B, G, K, N and T; the sources stay. The mirror
// line itself (a line with the same two ends) gets no copy. Arcs keep their
// radius and run the other way round, so start and end change roles.
TableEditResult MirrorTaggedObjects(Document& doc, const ConstructionState& state);

// Gives every tagged row whose column 3 is a pen (kinds A, B, C, E, G, K, N
// and L) the pen attribute string; a metafile picture's column 3 is its
// zoom and stays. Gives the number of rows changed.
int RestyleTaggedObjects(ObjectTable& table, const QString& pen);

enum class CropTransform { Rotate = 0, Zoom = 1 };

// Writes into the object table, for every visible row of the scratch table
// (untouched copies whose column 0 names their object row, so repeated calls
// do not accumulate), the object zoomed by `value` percent from `areaTopLeft`
// or rotated by `value` degrees about `rotationCentre` (clockwise on the
// screen for positive values). Numeric cells must be whole numbers. A zoom
// is at least 3 percent and no radius, cell or font size drops to 0.
TableEditResult TransformCropObjects(Document& doc, CropTransform kind, int value,
                                     QPoint areaTopLeft, QPoint rotationCentre);

} // namespace kel
