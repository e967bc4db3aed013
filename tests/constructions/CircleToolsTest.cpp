#include "ConstructionFixture.h"

#include "interaction/tools/FigureToolSupport.h"

namespace kel::test {
namespace {

class CircleTools : public Constructions {
protected:
    void putRound(int r, const char* letter, QStringList cells)
    {
        ObjectTable& t = editor.doc.table;
        t.setCell(col::State, r, QStringLiteral("Y"));
        t.setCell(col::Type, r, QString::fromLatin1(letter));
        t.setCell(col::Pen, r, QStringLiteral("00000001"));
        for (int c = 0; c < cells.size(); ++c)
            t.setCell(col::circle::CentreX + c, r, cells[c]);
    }
    QString cells(int r, int first, int last) const
    {
        QStringList out;
        for (int c = first; c <= last; ++c)
            out << cell(c, r);
        return out.join(u' ');
    }
};

// Three clicks on one spot give no circle: the third is refused uncounted
// and the circle stays; a proper third click replaces it by the arc.
TEST_F(CircleTools, CircleToArcRefusesAClickThatMakesNoArc)
{
    putRound(1, "C", {"100", "100", "50"});
    run(1, "mnutrimcircle");
    click(150, 100);
    click(150, 100);
    EXPECT_EQ(clicks(), 1);
    click(100, 50);
    click(100, 50);
    EXPECT_EQ(ui.messages.last(), kNoArcMessage);
    EXPECT_EQ(clicks(), 2);
    EXPECT_EQ(cell(col::Type, 1), QStringLiteral("C"));
    click(50, 100);
    EXPECT_EQ(mode(), ToolMode::Idle);
    EXPECT_EQ(rowsInUse(), 1);
    EXPECT_EQ(cell(col::Type, 1), QStringLiteral("A"));
    EXPECT_EQ(cells(1, col::arc::CentreX, col::arc::Radius), QStringLiteral("100 100 0 180 50"));
}

TEST_F(CircleTools, MarkAngleWithArcRefusesAThirdClickOnALine)
{
    putLine(1, {100, 300}, {400, 300});
    putLine(2, {100, 300}, {100, 0});
    editor.runMenuItem(QStringLiteral("mnuArc2markAng"));
    click(300, 305);
    click(95, 150);
    click(200, 300);
    EXPECT_EQ(ui.messages.last(), kNoArcMessage);
    EXPECT_EQ(clicks(), 2);
    EXPECT_EQ(rowsInUse(), 2);
}

// N is bounded: a hundred thousand points are refused with the format
// message instead of filling the table.
TEST_F(CircleTools, MarkEqualPointsBoundsN)
{
    putRound(1, "C", {"100", "100", "50"});
    for (const char* answer : {"100000 0", "361 0", "1 0", "4"}) {
        ui.inputAnswers.push_back(QString::fromLatin1(answer));
        run(1, "mnumarkcirNpoints");
        EXPECT_EQ(ui.messages.last(), QStringLiteral("N<2 or format error, use space to separate"))
            << answer;
        EXPECT_EQ(rowsInUse(), 1) << answer;
    }
    ui.inputAnswers.push_back(QStringLiteral("360 0"));
    run(1, "mnumarkcirNpoints");
    EXPECT_EQ(rowsInUse(), 361);
}

// Stored angles outside 0..359 are reduced, never walked degree by degree.
TEST_F(CircleTools, ArcCommandsReduceAnyStoredAngle)
{
    putRound(1, "A", {"0", "0", "0", "400", "100"});
    putRound(2, "A", {"0", "0", "-30", "60", "100"});
    run(1, "mnupoparcmidpt");
    EXPECT_EQ(shape(3), QStringLiteral("Y P 94 -34"));
    run(2, "mnupoparcmirror");
    EXPECT_EQ(cells(4, col::arc::Start, col::arc::Radius), QStringLiteral("150 240 100"));
}

} // namespace
} // namespace kel::test
