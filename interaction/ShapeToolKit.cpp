#include "interaction/ShapeToolKit.h"

#include "figures/FigureMath.h"
#include "interaction/ActionFailed.h"
#include "interaction/AttributeControls.h"
#include "interaction/Editor.h"
#include "interaction/WheelRules.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"

#include <cstdlib>

namespace kel {

namespace {

constexpr int kTextMode = 6;
constexpr int kRoundRectMode = 31;
constexpr char16_t kGlyph21 = 0x15;

} // namespace

QPoint requirePoint(std::optional<QPoint> point)
{
    if (!point)
        throw ActionFailed(QStringLiteral("Range check error"));
    return *point;
}

QPoint requirePoint(std::int64_t x, std::int64_t y)
{
    return requirePoint(figmath::MakePoint(x, y));
}

QString CellText(const QString& text)
{
    QString cell;
    cell.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control || c.unicode() == kGlyph21)
            cell += c;
    }
    return cell;
}

int AppendRow(Document& doc, const QStringList& cells)
{
    ObjectTable::BulkUpdate bulk(doc.table);
    const int row = FindFreeRow(doc);
    doc.table.setCell(kStateColumn, row, QStringLiteral("Y"));
    for (int i = 0; i < cells.size(); ++i)
        doc.table.setCell(kTypeColumn + i, row, cells[i]);
    return row;
}

int valueBox(const UiPort& ui, int index, int fallback)
{
    constexpr Control kBoxes[] = {Control::edtvar1, Control::edtvar2, Control::edtvar3};
    if (index < 1 || index > 3)
        return fallback;
    bool ok = false;
    const int value = ui.controlText(kBoxes[index - 1]).toInt(&ok, 10);
    return ok ? value : fallback;
}

QString SizeStatus(QPoint from, QPoint to)
{
    const long long w = std::llabs(static_cast<long long>(from.x()) - to.x());
    const long long h = std::llabs(static_cast<long long>(from.y()) - to.y());
    return QStringLiteral("W=%1 H=%2").arg(w).arg(h);
}

void ShapeTool::wheel(Editor& editor, int notches)
{
    applyWheelRule(editor, notches);
    // The table writes some boxes straight through the port; the panel takes
    // their new values as it takes the user's typing.
    switch (editor.tool.mode) {
    case kTextMode:
        editor.attributes.setBoxText(controls::kFontSize,
                                     editor.ui().controlText(controls::kFontSize));
        break;
    case kRoundRectMode:
        // The corner the tool draws is the radius box's: the wheel sets it.
        {
            std::int32_t& radius = editor.tool.construction.slot[ConstructionState::kRadius];
            editor.attributes.setBoxText(controls::kRadius, QString::number(radius));
            // The box holds three digits; the tool goes on from what it shows.
            radius = editor.doc.panel.radius.value;
            break;
        }
    default:
        break;
    }
}

} // namespace kel
