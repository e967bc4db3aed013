#pragma once
// An editor on the fake port with the interaction and construction tools,
// and shorthands to pick a line, drive the pointer and read rows.

#include "constructions/ConstructionsRegistration.h"
#include "interaction/core/Editor.h"
#include "interaction/core/KeyHandler.h"
#include "model/FakeUi.h"
#include "model/RecordKinds.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel::test {

class Constructions : public ::testing::Test {
protected:
    Constructions() { editor.start(); }

    void click(int x, int y) { editor.pointerDown(Qt::LeftButton, {x, y}); }
    void move(int x, int y) { editor.pointerMoved({x, y}); }
    bool key(int qtKey) { return handleKeyPress(editor, KeyPress{qtKey, {}, KeyTarget::Surface}); }
    const QString& cell(int column, int r) const { return editor.doc.table.cell(column, r); }
    ToolMode mode() const { return editor.tool.mode; }
    int clicks() const { return editor.tool.construction.clicks(); }
    QString status() const { return ui.status(3); }
    int rowsInUse() const
    {
        int n = 0;
        while (editor.doc.table.inUse(n + 1))
            ++n;
        return n;
    }
    void putLine(int r, QPoint a, QPoint b, const QString& state = QStringLiteral("Y"))
    {
        ObjectTable& t = editor.doc.table;
        t.setCell(col::State, r, state);
        t.setCell(col::Type, r, KindText(RecordKind::Line));
        t.setCell(col::line::Pen, r, QStringLiteral("00000001"));
        t.setCell(col::line::X1, r, a.x());
        t.setCell(col::line::Y1, r, a.y());
        t.setCell(col::line::X2, r, b.x());
        t.setCell(col::line::Y2, r, b.y());
    }
    void putPoint(int r, QPoint p)
    {
        ObjectTable& t = editor.doc.table;
        t.setCell(col::State, r, QStringLiteral("Y"));
        t.setCell(col::Type, r, KindText(RecordKind::Point));
        t.setCell(col::point::Shape, r, QStringLiteral("0"));
        t.setCell(col::point::X, r, p.x());
        t.setCell(col::point::Y, r, p.y());
    }
    // Picks row r and runs a popup or menu item.
    void run(int r, const char* component)
    {
        editor.tool.pickedRow = r;
        editor.runMenuItem(QString::fromLatin1(component));
    }
    // State, type and the coordinate columns of a row (the pen left out).
    QString shape(int r) const
    {
        QStringList cells{cell(col::State, r), cell(col::Type, r)};
        const int last = cell(col::Type, r) == u"L" ? col::line::Y2 : col::point::Y;
        for (int c = col::line::X1; c <= last; ++c)
            cells << cell(c, r);
        return cells.join(u' ');
    }
    std::optional<Colour> shown(int x, int y) { return editor.surfaceCanvas().pixel({x, y}); }

    FakeUi ui;
    Editor editor{ui, {registerInteraction, registerConstructions}};
};

} // namespace kel::test
