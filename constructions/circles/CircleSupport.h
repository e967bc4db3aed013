#pragma once
// What the circle and arc constructions share: the circle of the picked row
// (a circle record's or an arc's whole circle) with the fallbacks of its
// cells, and the arc's own angles.

#include <QPoint>

namespace kel {

class Editor;

namespace circletools {

struct CircleOfRow {
    QPoint centre;
    int radius = 0; // the magnitude: a filled circle stores it negative
};

struct ArcOfRow {
    QPoint centre;
    int start = 0;
    int end = 0;
    int radius = 0;
};

// The picked row exists in the table (a stale pick reads every cell empty).
bool pickedExists(const Editor& editor);
bool pickedIsArc(const Editor& editor);

// Circle record: centre in columns 4, 5, radius in 6; every unreadable cell
// reads `fallback`.
CircleOfRow pickedCircle(const Editor& editor, int fallback);
// Arc record: centre 4, 5, angles 6, 7, radius 8.
ArcOfRow pickedArc(const Editor& editor, int fallback);
// The whole circle of the picked row, a circle record or an arc.
CircleOfRow pickedRound(const Editor& editor, int fallback);

} // namespace circletools
} // namespace kel
