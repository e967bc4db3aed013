#include "ConstructionFixture.h"

namespace kel::test {
namespace {

class IntersectionTools : public Constructions {
protected:
    void putGrid(int r, const char* left, const char* bottom, const char* cells, const char* step)
    {
        ObjectTable& t = editor.doc.table;
        t.setCell(col::State, r, QStringLiteral("Y"));
        t.setCell(col::Type, r, KindText(RecordKind::Grid));
        t.setCell(col::grid::Pen, r, QStringLiteral("00000001"));
        t.setCell(col::grid::Left, r, QString::fromLatin1(left));
        t.setCell(col::grid::Bottom, r, QString::fromLatin1(bottom));
        t.setCell(col::grid::Cells, r, QString::fromLatin1(cells));
        t.setCell(col::grid::CellSize, r, QString::fromLatin1(step));
    }
};

// Typed coordinates must be finite numbers; a grid of any size answers
// without visiting its cross points; a step of 0 or less is refused.
TEST_F(IntersectionTools, MarkAnyGridPointChecksItsNumbersAndGrid)
{
    putGrid(1, "100", "300", "2000000000", "20");
    run(1, "mnuMarkGridPoints");
    click(101, 300);
    EXPECT_EQ(ui.messages.last(),
              QStringLiteral("Point selected is not in exact grid line location"));
    click(140, 280);
    EXPECT_EQ(rowsInUse(), 2);
    for (const char* bad : {"inf 0", "nan 1", "1e400 0", "1.5,2"}) {
        ui.inputAnswers.push_back(QString::fromLatin1(bad));
        click(0, 0);
        EXPECT_EQ(
            ui.messages.last(),
            QStringLiteral("Invalid numerical format, make sure only 1 space separate 2 numbers"))
            << bad;
    }
    ui.inputAnswers.push_back(QStringLiteral("1.5 2"));
    click(0, 0);
    EXPECT_EQ(shape(3), QStringLiteral("Y P 170 240"));
    key(Qt::Key_Escape);

    putGrid(1, "100", "300", "5", "0");
    run(1, "mnuMarkGridPoints");
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Grid cell width must be 1 or more"));
    EXPECT_EQ(mode(), ToolMode::Idle);
}

} // namespace
} // namespace kel::test
