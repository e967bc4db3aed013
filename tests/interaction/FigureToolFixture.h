#pragma once
// An editor on the fake port with the real creation tools (and those of the
// registrations given), and shorthands to drive them and read the rows they write.

#include "interaction/core/Editor.h"
#include "interaction/core/KeyHandler.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "model/FakeUi.h"
#include "support/KelTestFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel::test {

class FigureTools : public ::testing::Test {
protected:
    explicit FigureTools(std::initializer_list<RegistrationEntry> entries = {registerInteraction})
        : editor{ui, entries}
    {
        editor.start();
    }

    void click(int x, int y) { editor.pointerDown(Qt::LeftButton, {x, y}); }
    void move(int x, int y) { editor.pointerMoved({x, y}); }
    bool key(int qtKey) { return handleKeyPress(editor, KeyPress{qtKey, {}, KeyTarget::Surface}); }
    const QString& cell(int column, int r) const { return editor.doc.table.cell(column, r); }
    // The points of a row's point list.
    std::vector<QPoint> pointList(int r) const
    {
        const std::vector<int> numbers = ParseNumberList(cell(4, r));
        std::vector<QPoint> points;
        for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
            points.emplace_back(numbers[i], numbers[i + 1]);
        return points;
    }
    int clicks() const { return editor.tool.construction.clicks(); }
    ToolMode mode() const { return editor.tool.mode; }

    // Columns 1..11 of a row joined by "|".
    QString row(int r) const { return rowText(editor.doc.table, r); }
    // Writes the "|"-separated cells into the first free row and returns it.
    int addRow(const QString& cells)
    {
        const int r = editor.doc.table.lastRowInUse() + 1;
        putRow(editor.doc.table, r, cells);
        return r;
    }
    int rowsInUse() const { return editor.doc.table.lastRowInUse(); }
    // A line record written into the first free row, and drawn.
    int addLine(QPoint a, QPoint b)
    {
        const int r = addRow(
            QStringLiteral("Y|L|00000001|%1|%2|%3|%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()));
        editor.RedrawAll();
        return r;
    }
    // What the surface shows: the preview where it drew, else the bitmap.
    std::optional<Colour> shown(int x, int y) { return editor.surfaceCanvas().pixel({x, y}); }

    FakeUi ui;
    Editor editor;
};

} // namespace kel::test
