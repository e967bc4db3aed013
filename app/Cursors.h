#pragma once
// The drawing surface's own cursors, loaded from the program's resources.
// Cursor 1 is the construction crosshair the surface shows from the start;
// cursor 2 is an arrow with a pencil. A QGuiApplication must exist.

#include <QCursor>
#include <QPoint>
#include <QSize>

namespace kel {

inline constexpr QSize kCursor1Size{32, 32};
inline constexpr QPoint kCursor1HotSpot{15, 15};
inline constexpr QSize kCursor2Size{24, 24};
inline constexpr QPoint kCursor2HotSpot{0, 0};

// Each falls back to a standard cursor (cross, arrow) if its picture is
// missing, so the surface always gets a usable cursor.
QCursor loadCursor1();
QCursor loadCursor2();

} // namespace kel
