#include "render/RowSurvey.h"

#include "model/RecordKinds.h"

namespace kel {

int RowSurvey::freshStartAfter(int row, int place) const
{
    for (const Start& start : freshStarts)
        if (start.row > row && start.place >= place)
            return start.row;
    return 0;
}

RowSurvey SurveyRows(const ObjectTable& table)
{
    RowSurvey survey;
    for (int row = 1; row < table.rows(); ++row) {
        const QString& state = table.cell(kStateColumn, row);
        if (state.isEmpty())
            break; // the first free row ends the drawing
        if (state != QLatin1String("Y"))
            continue;
        const int place = survey.visibleRows++;
        const RecordKindInfo* info = RowKindInfo(table, row);
        if (!info || info->column3 != Column3::Position)
            survey.freshStarts.push_back({row, place});
        if (!info)
            continue;
        switch (info->kind) {
        case RecordKind::Fill:
        case RecordKind::FocusRect:
        case RecordKind::EmfPicture:
        case RecordKind::JpgPicture:
        case RecordKind::BitmapPicture:
        case RecordKind::Label:
            survey.lastReader = row;
            break;
        default:
            break;
        }
    }
    return survey;
}

} // namespace kel
