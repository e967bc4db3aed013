#pragma once
// An editor on the fake port with the real creation tools, and shorthands to
// drive them and read the rows they write.

#include "interaction/Editor.h"
#include "interaction/KeyHandler.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel::test {

class FigureTools : public ::testing::Test {
protected:
    FigureTools() { editor.start(); }

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

    // Columns 1 .. last of a row.
    QStringList row(int r, int last = 8) const
    {
        QStringList cells;
        for (int c = 1; c <= last; ++c)
            cells << editor.doc.table.cell(c, r);
        return cells;
    }
    int rowsInUse() const
    {
        int n = 0;
        while (editor.doc.table.inUse(n + 1))
            ++n;
        return n;
    }
    // A line record written straight into the table.
    void putLine(int r, QPoint a, QPoint b)
    {
        ObjectTable& t = editor.doc.table;
        t.setCell(kStateColumn, r, QStringLiteral("Y"));
        t.setCell(kTypeColumn, r, QStringLiteral("L"));
        t.setCell(3, r, QStringLiteral("00000001"));
        t.setCell(4, r, a.x());
        t.setCell(5, r, a.y());
        t.setCell(6, r, b.x());
        t.setCell(7, r, b.y());
    }
    // Brush pattern 1 (solid) turns "Trans. Objects" off; 0 turns it on.
    void setPattern(int pattern)
    {
        editor.attributes.setBoxText(Control::Edit2, QString::number(pattern));
    }
    // What the surface shows: the preview where it drew, else the bitmap.
    std::optional<Colour> shown(int x, int y) { return editor.surfaceCanvas().pixel({x, y}); }

    FakeUi ui;
    Editor editor{ui, {registerInteraction}};
};

} // namespace kel::test
