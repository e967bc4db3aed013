#include "figures/ObjectTransforms.h"

#include "model/RecordKinds.h"

namespace kel {

namespace {

bool takesPen(const ObjectTable& table, int row)
{
    const std::optional<RecordKind> kind = RowKind(table, row);
    return kind && QStringLiteral("ABCEGKNL").contains(KindLetter(*kind));
}

} // namespace

int RestyleTaggedObjects(ObjectTable& table, const QString& pen)
{
    ObjectTable::BulkUpdate bulk(table);
    int changed = 0;
    const int last = table.lastRowInUse();
    for (int r = 1; r <= last; ++r) {
        if (table.tagged(r) && takesPen(table, r)) {
            table.setCell(col::Pen, r, pen);
            ++changed;
        }
    }
    return changed;
}

} // namespace kel
