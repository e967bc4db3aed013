#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "model/FakeUi.h"
#include "model/KelFile.h"
#include "support/KelTestFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

class HistoryCommands : public ::testing::Test {
protected:
    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
    ObjectTable& table = editor.doc.table;

    void SetUp() override { editor.start(); }
    QStringList kelText() const { return kelLines(table, KelRowSet::InUse); }
};

TEST_F(HistoryCommands, PasteIsOneStepThatUndoAndRedoTakeBackAndPutAgain)
{
    ObjectTable source;
    test::fillPoints(source, 3);
    for (int r = 1; r <= 3; ++r)
        source.setCell(kTagColumn, r, kTagMark);
    ui.setClipboardText(drawingDataText(source));
    editor.runEvent([&] { test::fillPoints(table, 2); }, true);
    const QStringList before = kelText();
    editor.runMenuItem("mnupastefromclip");
    const QStringList after = kelText();
    ASSERT_NE(after, before);
    editor.runMenuItem("mnuUndo");
    EXPECT_EQ(kelText(), before);
    EXPECT_EQ(editor.tool.mode, ToolMode::Idle);
    editor.runMenuItem("mnuRedo");
    EXPECT_EQ(kelText(), after);
    EXPECT_EQ(editor.doc.history.undoSteps(), 2);
    EXPECT_EQ(ui.caption, "KelvaneD7 *");
}

TEST_F(HistoryCommands, FailedEventLeavesNoStep)
{
    editor.runEvent(
        [&] {
            test::fillPoints(table, 4);
            throw ActionFailed("Range check error");
        },
        true);
    EXPECT_EQ(editor.doc.history.undoSteps(), 0);
    EXPECT_FALSE(table.inUse(1));
    EXPECT_EQ(ui.caption, "KelvaneD7");
}

} // namespace
} // namespace kel
