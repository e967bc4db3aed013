#include "model/TaggedRows.h"

#include "model/RowRoutines.h"

namespace kel {

void ClearAllTags(ObjectTable& table)
{
    ObjectTable::BulkUpdate bulk(table);
    for (int r = 1; r < table.rows(); ++r) {
        if (!table.cell(kTagColumn, r).isEmpty())
            table.setCell(kTagColumn, r, QString());
    }
}

int CountTaggedRows(const ObjectTable& table)
{
    int count = 0;
    for (int r = 1; table.inUse(r); ++r)
        count += table.tagged(r) ? 1 : 0;
    return count;
}

int DeleteTaggedRows(ObjectTable& table)
{
    ObjectTable::BulkUpdate bulk(table);
    int deleted = 0;
    int r = 1;
    while (table.inUse(r)) {
        if (table.tagged(r)) {
            // The row below moves up into r and is looked at next.
            DeleteRow(table, r);
            ++deleted;
        } else {
            ++r;
        }
    }
    return deleted;
}

} // namespace kel
