#pragma once
// The move and duplicate engine: the tagged rows are copied into the scratch
// table, then shown, moved or duplicated by the offset of the pointer from
// the grip point. Region moves, the single-object move and duplicate tools
// and the placing of appended or pasted objects all carry objects with it,
// and all keep the grip point in the same slot, so the offset measured is
// always the offset applied.

#include <QPoint>

namespace kel {

struct Document;
class Editor;

// P3: where the objects are held.
inline constexpr int kGripSlot = 2;
QPoint gripPoint(const Editor& editor);
void setGripPoint(Editor& editor, QPoint grip);

// Copies every visible tagged row, in row order, into the scratch table from
// row 1 on, each with its object row number in column 0; gives the count.
int CopyTaggedRowsToScratch(Document& doc);

enum class MoveAction { Preview, Move, Duplicate };

// Preview draws the copies at the pointer's offset from the grip point on the
// preview layer. Move writes them over their object rows, untagged;
// Duplicate appends them as new rows, renumbers the table and clears every
// tag. The copies themselves stay as they are, so every further drop is
// measured from the grip point again. A copy that would leave the 32-bit
// plane fails the action before anything is written. The caller redraws.
void MoveTaggedRows(Editor& editor, QPoint pointer, MoveAction action);

} // namespace kel
