#include "constructions/popups/PopupCommands.h"

#include "interaction/core/Editor.h"

#include <algorithm>

namespace kel::popups {

std::optional<int> pickedRowOf(const Editor& editor, const std::vector<RecordKind>& kinds)
{
    const ObjectTable& table = editor.doc.table;
    const int row = editor.tool.pickedRow;
    if (row < 1 || row >= table.rows() || !table.inUse(row))
        return std::nullopt;
    const std::optional<RecordKind> kind = RowKind(table, row);
    if (!kind || std::find(kinds.begin(), kinds.end(), *kind) == kinds.end())
        return std::nullopt;
    return row;
}

} // namespace kel::popups
