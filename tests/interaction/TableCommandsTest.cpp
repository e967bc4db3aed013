#include "interaction/core/Editor.h"
#include "model/FakeUi.h"
#include "model/RowDescription.h"
#include "support/KelTestFiles.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

class TableCommands : public ::testing::Test {
protected:
    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
    ObjectTable& table = editor.doc.table;

    void SetUp() override { editor.start(); }
    QString xs() const
    {
        QStringList parts;
        for (int r = 1; table.inUse(r); ++r)
            parts << table.cell(4, r);
        return parts.join(' ');
    }
};

TEST_F(TableCommands, DeleteSelectedRowsCountsTheRowsInUseAndClearsTheSelection)
{
    test::fillPoints(table, 6);
    ui.selection = RowRange{3, 8};
    editor.runMenuItem("mnudelyells");
    EXPECT_EQ(ui.messages, QStringList{"4 Objects deleted"});
    EXPECT_EQ(xs(), "1 2");
    EXPECT_FALSE(ui.selection);
}

TEST_F(TableCommands, DeleteTaggedObjectsAsksThenLeavesTheRestAndTenFreeRows)
{
    test::fillPoints(table, 9);
    for (const int row : {3, 8})
        table.setCell(kTagColumn, row, kTagMark);
    editor.runMenuItem("mnydeltagedobj"); // answered No
    EXPECT_EQ(table.rows(), 500);
    ui.yesAnswer = true;
    editor.runMenuItem("mnydeltagedobj");
    EXPECT_EQ(xs(), "1 2 4 5 6 7 9");
    EXPECT_EQ(table.rows(), 17);
}

TEST_F(TableCommands, ShowObjectsInfoDescribesTheVisibleRowUnderThePointer)
{
    test::fillPoints(table, 3);
    table.setCell(kStateColumn, 3, "N");
    ui.pointerRow = 2;
    editor.gdMouseMove();
    EXPECT_EQ(ui.status(4), ""); // unchecked
    editor.runMenuItem("mnuTrackObjs");
    editor.gdMouseMove();
    EXPECT_EQ(ui.status(4), RowDescription(table, 2));
    ui.setStatus(4, "");
    ui.pointerRow = 3;
    editor.gdMouseMove();
    EXPECT_EQ(ui.status(4), "");
}

} // namespace
} // namespace kel
