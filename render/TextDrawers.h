#pragma once
// Text on the drawing: text records (T) and bordered labels (h).
//
// Where the stored position lies is part of the file format. A text record
// with angle 0 stands on its position: the text's cell has its top-left
// corner at (x, y - h), h being the height of "W" in the record's font. A
// text record with any other angle, and every bordered label, hangs from its
// position: the top-left corner of the (turned) cell is at (x, y).

#include "model/Attributes.h"
#include "model/Canvas.h"
#include "model/Colour.h"
#include "model/ObjectTable.h"

#include <QPoint>
#include <QString>

#include <optional>

namespace kel {

// Style codes of text records: 0 regular, 1 bold, 2 italic, 3 bold italic.
// The plain text drawer reads any other code as regular.
struct FontStyle {
    bool bold = false;
    bool italic = false;
};
FontStyle PlainTextStyle(int code);

// Sets the canvas font (name, size in points, colour, the style code, not
// turned) and draws the text standing on `at`: its cell's top-left corner at
// (x, y - height of "W"). The brush is none afterwards; the font stays set.
void DrawPlainText(Canvas& canvas, QPoint at, int size, const QString& text,
                   const QString& fontName, int styleCode, Colour colour);

// The text in the canvas's current font turned by `angle` degrees
// counter-clockwise about its top-left corner `at`. The canvas's font is the
// same afterwards.
void RotatedTextOut(Canvas& canvas, QPoint at, int angle, const QString& text);

// The letters' outlines stroked with the pen (dotted for width 0) and filled
// with the brush by the fill rule (0 none, 1 solid, 2..7 hatches), hanging
// from `at` and turned by `angle`, in the regular face of the font. The
// canvas's font is the same afterwards, its brush none.
struct LabelLook {
    Colour brushColour = kWhite;
    int brushStyle = 0;
    Colour penColour = kBlack;
    int penWidth = 1;
};
void DrawOutlinedText(Canvas& canvas, int angle, QPoint at, const LabelLook& look, int size,
                      const QString& text, const QString& fontName);

// Draws text record `row` (letter T): columns 3, 4 the position, 5 the size
// [8], 6 the colour, 7 the style bits [0], 8 the font name, 9 the text,
// 10 the angle [0]; every coordinate shifted by minus `offset`. Highlighted,
// it is drawn plainly at a quarter larger size in the highlight colour (red,
// black for red text), never turned. The current attributes are not used;
// the canvas's font is the same afterwards. Gives why the row was left out,
// if it was.
std::optional<QString> DrawTextRecord(Canvas& canvas, CurrentAttributes& current,
                                      const ObjectTable& table, int row, QPoint offset,
                                      bool highlight);

// Draws bordered label record `row` (letter h): column 3 the pen (read into
// the current pen colour and width), 4, 5 the position, 6 the brush (empty:
// not filled), 7 the font name, 8 the size [12], 9 the text, 10 the angle
// [0]. Highlighted, the outline is drawn in the highlight colour with a pen
// one wider. The canvas's font is the same afterwards. Gives why the row was
// left out, if it was.
std::optional<QString> DrawLabelRecord(Canvas& canvas, CurrentAttributes& current,
                                       const ObjectTable& table, int row, QPoint offset,
                                       bool highlight);

} // namespace kel
