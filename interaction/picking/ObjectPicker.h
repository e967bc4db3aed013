#pragma once
// Finds the object of one kind under the pointer the way the eye does: the
// candidate rows are drawn, in row order, on a white scratch image, and the
// first one that leaves a coloured pixel within 5 pixels of the pointer
// (horizontally and vertically) wins. Hidden rows and white pens are never
// found; where objects overlap, the lower row (the one underneath) wins.
//
// `pick` draws only the rows whose conservative bounds meet the window, on
// a small image around it; `pickLiteral` draws every candidate on a
// bitmap-sized image and is kept as the reference the fast one must match.

#include "model/ObjectTable.h"
#include "render/Renderer.h"

#include <QChar>
#include <QPoint>
#include <QSize>

#include <vector>

namespace kel {

class ObjectPicker {
public:
    static constexpr int kReach = 5;

    ObjectPicker(const ObjectTable& table, Renderer& renderer);

    // The row found at `pointer` for the type letter, or -1. `bitmapSize`
    // bounds the positions looked at.
    int pick(QPoint pointer, QChar letter, QSize bitmapSize);
    int pickLiteral(QPoint pointer, QChar letter, QSize bitmapSize);

    // Bounds of what a row can paint; `unbounded` when they cannot be told
    // from its cells without drawing it (texts, polynomial curves, pictures).
    // Kept per row until the table changes.
    struct Bounds {
        qint64 left = 0, top = 0, right = 0, bottom = 0;
        bool unbounded = false;
    };
    const Bounds& bounds(int row);

private:
    Bounds computeBounds(int row) const;
    bool candidate(int row, QChar letter) const;
    void drawCandidate(Canvas& canvas, int row);
    int lastRow() const;

    const ObjectTable& table_;
    Renderer& renderer_;
    quint64 boundsRevision_ = ~quint64(0);
    std::vector<Bounds> bounds_;
    std::vector<bool> known_;
};

} // namespace kel
