#pragma once
// The text formats of composite cells: pen and brush attribute strings
// (6 hex digits of colour, then 2 of width or style), colour values and point
// lists.

#include "model/Attributes.h"
#include "model/Colour.h"
#include "model/Document.h"

#include <QPoint>
#include <QString>

#include <vector>

namespace kel {

// The current pen width and colour back from the panel's box and swatch
// (width 1 when the box holds no number).
void ReloadPenFromPanel(Document& doc);
// Reloads the current pen width (the pen-width box's text, 1 when it is not a
// number) and pen colour (the pen swatch), then returns their pen attribute
// string.
QString MakePenAttr(Document& doc);
// The brush attribute string of the current brush colour and style.
QString MakeBrushAttr(const CurrentAttributes& current);

// Sets the current pen colour and width from a pen attribute string. Only the
// 8th character counts as width, so widths 0..9 survive a round trip.
void ParsePenAttr(CurrentAttributes& current, const QString& text);
// Sets the current brush colour and style likewise; an empty text changes
// nothing and gives false.
bool ParseBrushAttr(CurrentAttributes& current, const QString& text);

// The value of the first (up to) 6 characters read as hexadecimal digits.
// Lower-case digits count like upper-case ones; any other character counts 0.
Colour HexToColour(const QString& text);

// The integers of a blank-separated list; a piece that is not a 32-bit
// decimal integer counts 0.
std::vector<int> ParseNumberList(const QString& text);
// The point-list cell for the given vertices: "x1 y1 x2 y2 ...".
QString MakePointList(const std::vector<QPoint>& points);

} // namespace kel
