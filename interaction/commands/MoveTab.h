#pragma once
// The Move page: entering its box takes a snapshot of the visible tagged
// objects into the scratch table; "Done" writes the snapshot back to the
// rows it came from, as long as the drawing has not changed in between.

namespace kel {

class Editor;

void moveTabEntered(Editor& editor);
void moveTabDone(Editor& editor);

} // namespace kel
