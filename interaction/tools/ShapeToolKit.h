#pragma once
// Small pieces the shape tools share: checked points, the text a cell may
// hold, appending a whole row at once, the values of page T7 and the font of
// the text page.

#include "interaction/core/ActionFailed.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/Canvas.h"
#include "model/Document.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace kel {

// The text as a cell may hold it: control characters are dropped (a line
// break or tab would split the KEL line). The character 0x15 stays: the text
// page offers it as a glyph of its own.
QString CellText(const QString& text);

// Appends one visible row whose columns 2 onward are `cells` (the type letter
// first). Every cell is worked out before the call, so a failure can never
// leave half a row behind. Gives the row.
int AppendRow(Document& doc, const QStringList& cells);

// The integer in value box 1, 2 or 3 of page T7 (edtvar1..edtvar3), or
// `fallback` when its text is not one or there is no such box.
int valueBox(const UiPort& ui, int index, int fallback);

// "W=" w " H=" h, the live size of a dragged box.
QString SizeStatus(QPoint from, QPoint to);

// The style bits of a text record: 1 bold, 2 italic.
int StyleBits(const AttributePanel& panel);
// The font the text page sets.
CanvasFont TextPageFont(const AttributePanel& panel);

} // namespace kel
