#pragma once
// Operations on the tagged rows (a tag is the mark in the tag column). Every
// routine keeps the rows in use contiguous from row 1; the caller redraws.

#include "model/ObjectTable.h"

namespace kel {

// Empties the tag column of every row.
void ClearAllTags(ObjectTable& table);

// The number of rows in use that carry the tag.
int CountTaggedRows(const ObjectTable& table);

// Removes every tagged row in use; the rows below move up and the row count
// stays. Gives the number of rows removed.
int DeleteTaggedRows(ObjectTable& table);

} // namespace kel
