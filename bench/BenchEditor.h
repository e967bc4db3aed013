#pragma once
// The opening of the benches that drive an editor: a silent port the size
// of the bench surface, the editor started on it, and the bench drawing in
// its table (with `spareRows` more rows for the bench's own).

#include "BenchSupport.h"
#include "interaction/core/Editor.h"
#include "interaction/core/SilentUiPort.h"

#include <initializer_list>

namespace bench {

class BenchEditor {
public:
    explicit BenchEditor(std::initializer_list<kel::RegistrationEntry> entries = {},
                         int spareRows = 0)
        : editor(ui, entries), generator(startedWithDrawing(editor, spareRows))
    {
    }

    kel::SilentUiPort ui{QSize(kWidth, kHeight)};
    kel::Editor editor;
    Generator generator;

private:
    static Generator startedWithDrawing(kel::Editor& editor, int spareRows)
    {
        editor.start();
        return BenchDrawing(editor.doc.table, spareRows);
    }
};

} // namespace bench
