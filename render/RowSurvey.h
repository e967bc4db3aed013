#pragma once
// Which rows of a drawing tie their pixels to the rows drawn before them, so
// that a replay can be shared out over two threads without changing a
// pixel.

#include "model/ObjectTable.h"

#include <vector>

namespace kel {

struct RowSurvey {
    int visibleRows = 0;
    // The last row that reads or blends with the pixels below it (fills,
    // focus rectangles, pictures and bordered labels), 0 when none.
    int lastReader = 0;
    // The visible rows that take their pen from their own cells, with their
    // place among the visible rows (from 0): a replay may start at any of
    // them with the attributes the whole replay starts with, as the brush
    // never outlives its row.
    struct Start {
        int row;
        int place;
    };
    std::vector<Start> freshStarts;

    // The first fresh start after `row` whose place is at least `place`; 0
    // when there is none.
    int freshStartAfter(int row, int place = 0) const;
};

// Every visible row up to the first free one.
RowSurvey SurveyRows(const ObjectTable& table);

} // namespace kel
