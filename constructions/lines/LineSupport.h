#pragma once
// What the line constructions share: reading the picked line with its
// fallback coordinates, the type checks their commands make, the rows they
// write, and a readiness flag so a click never commits a point the last
// preview could not compute.

#include "interaction/menus/ToolModes.h"

#include <QPoint>
#include <QString>

#include <optional>

namespace kel {

class Editor;

namespace linetools {

struct LineSegment {
    QPoint a;
    QPoint b;
};

// Fallbacks for unreadable coordinate cells of the picked row.
inline constexpr int kEndsFallback = 0; // 10, 20, 30, 40
inline constexpr int kHundredFallback = 100;
inline constexpr int kOneFallback = 1;

// Columns 4..7 of a row; kEndsFallback reads 10/20/30/40, any other value
// reads that value in every cell.
LineSegment lineOfRow(const Editor& editor, int row, int fallback);
LineSegment pickedLine(const Editor& editor, int fallback);

// The picked row is a line record ("L"); with mustBeVisible also shown ("Y").
bool pickedIsLine(const Editor& editor, bool mustBeVisible);
// At least one visible line record exists.
bool anyVisibleLine(const Editor& editor);

// A command that checks the picked row first: on failure the message and
// nothing else, otherwise the tool of `mode` starts.
void startIfLine(Editor& editor, ToolMode mode, bool mustBeVisible, const QString& refusal);

// A visible point record of the given shape.
void addShapedPoint(Editor& editor, QPoint at, const QString& shape);
// A constructed point record: visible, shape "0".
void addConstructedPoint(Editor& editor, QPoint at);

// The whole text as an integer in lo..hi; nothing for a word, an empty text,
// a fraction or a number outside the range (never a truncated value).
std::optional<int> wholeNumberIn(const QString& text, int lo, int hi);

// Distance in whole pixels, or the event fails when it leaves 32 bits.
int distance(QPoint a, QPoint b);

// The preview of the last move computed the point the next click commits.
void setReady(Editor& editor, bool ready);
bool ready(const Editor& editor);

// A preview line with the current pen (width 0 is drawn dotted).
void previewSegment(Editor& editor, QPoint from, QPoint to);
void status(Editor& editor, const QString& text);

} // namespace linetools
} // namespace kel
