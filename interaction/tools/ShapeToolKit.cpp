#include "interaction/tools/ShapeToolKit.h"

#include "figures/FigureMath.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "interaction/core/WheelRules.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"

#include <cstdlib>

namespace kel {

namespace {

constexpr char16_t kGlyph21 = 0x15;

} // namespace

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

int StyleBits(const AttributePanel& panel)
{
    return (panel.bold ? 1 : 0) + (panel.italic ? 2 : 0);
}

CanvasFont TextPageFont(const AttributePanel& panel)
{
    CanvasFont font;
    font.name = panel.fontName;
    font.size = panel.fontSize.value;
    font.colour = panel.fontColour;
    font.bold = panel.bold;
    font.italic = panel.italic;
    return font;
}

} // namespace kel
