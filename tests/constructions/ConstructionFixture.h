#pragma once
// The figure tool fixture with the construction tools as well, and
// shorthands to put lines and points, run a picked row's command and read rows.

#include "constructions/ConstructionsRegistration.h"
#include "interaction/FigureToolFixture.h"
#include "model/RecordKinds.h"

namespace kel::test {

class Constructions : public FigureTools {
protected:
    Constructions() : FigureTools({registerInteraction, registerConstructions}) {}

    QString status() const { return ui.status(3); }
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
};

} // namespace kel::test
