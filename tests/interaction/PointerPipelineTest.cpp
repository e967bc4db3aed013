#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/KeyHandler.h"
#include "model/Controls.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

// A tool that records what reaches it; two clicks complete it.
class RecordingTool : public Tool {
public:
    void move(Editor& editor, QPoint pos) override
    {
        moves.push_back(pos);
        // The move branch freezes the next click point, as tools do.
        const int c = editor.tool.construction.clicks();
        if (c < 4) {
            editor.tool.construction.slot[static_cast<size_t>(2 * c)] = pos.x();
            editor.tool.construction.slot[static_cast<size_t>(2 * c + 1)] = pos.y();
        }
        editor.surfaceCanvas().line(pos, pos + QPoint(5, 0));
    }
    void click(Editor& editor, QPoint pos) override
    {
        clicks.push_back(pos);
        if (++editor.tool.construction.clicks() == 2)
            editor.tool.construction.clicks() = 0;
    }
    void backspace(Editor& editor) override
    {
        if (takesBackspace)
            ++backspaces;
        else
            Tool::backspace(editor);
    }

    std::vector<QPoint> moves;
    std::vector<QPoint> clicks;
    bool takesBackspace = false;
    int backspaces = 0;
};

// A tool whose click writes a row and then fails.
class FailingTool : public Tool {
public:
    void click(Editor& editor, QPoint) override
    {
        editor.doc.table.setCell(kStateColumn, 1, QStringLiteral("Y"));
        editor.doc.table.setCell(kTypeColumn, 1, QStringLiteral("L"));
        ++editor.tool.construction.clicks();
        require(std::nullopt);
    }
};

// A tool that uses the hooks the shared pipelines leave to tools: it keeps
// its marks on the surface, stays on a grid click, takes Esc for itself,
// counts wheel notches and notes what the table held when it was cancelled.
class HookTool : public Tool {
public:
    void move(Editor& editor, QPoint pos) override { editor.surfaceCanvas().line(pos, pos); }
    bool key(Editor&, const KeyPress& press) override { return press.key == Qt::Key_Escape; }
    void wheel(Editor&, int n) override { notches += n; }
    void cancel(Editor& editor) override { taggedWhenCancelled = editor.doc.table.tagged(1); }
    bool keepsPreviewOnMove() const override { return true; }
    bool keepsRunningOnGridClick() const override { return true; }

    int notches = 0;
    std::optional<bool> taggedWhenCancelled;
};

class Pipeline : public ::testing::Test {
protected:
    Pipeline()
    {
        editor.start();
        editor.tools.add(recorder, {ToolMode::ArbitraryLine});
        editor.tools.add(std::make_shared<FailingTool>(), {ToolMode::Rectangle});
    }

    bool key(int qtKey, KeyTarget target = KeyTarget::Surface, QChar text = {})
    {
        return handleKeyPress(editor, KeyPress{qtKey, text, target});
    }

    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
    std::shared_ptr<RecordingTool> recorder = std::make_shared<RecordingTool>();
};

TEST_F(Pipeline, ClicksRunTheMoveBranchAtTheirOwnPositionFirst)
{
    editor.startTool(ToolMode::ArbitraryLine);
    editor.pointerDown(Qt::LeftButton, {30, 40});
    ASSERT_EQ(recorder->moves.size(), 1u);
    EXPECT_EQ(recorder->moves.back(), QPoint(30, 40));
    EXPECT_EQ(editor.tool.construction.slot[0], 30);
    EXPECT_EQ(editor.tool.construction.clicks(), 1);
}

TEST_F(Pipeline, PreviewsStayOffTheBitmapAndNeverAccumulate)
{
    editor.startTool(ToolMode::ArbitraryLine);
    editor.pointerMoved({100, 101});
    editor.pointerMoved({200, 201});
    ASSERT_NE(editor.surfaceCanvas().pixel({200, 201}), std::nullopt);
    EXPECT_EQ(editor.surfaceCanvas().pixel({202, 201}), kBlack);
    EXPECT_EQ(editor.surfaceCanvas().pixel({102, 101}), kWhite) << "the old preview is gone";
    EXPECT_EQ(editor.renderer.GetBitmapPixel(202, 201), kWhite);
}

TEST_F(Pipeline, EnterIsOneClickAndEscReturnsToIdle)
{
    editor.startTool(ToolMode::ArbitraryLine);
    editor.pointerMoved({7, 8});
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_EQ(recorder->clicks.size(), 1u);
    // Enter elsewhere only brings the focus to the surface.
    ui.surfaceFocused = false;
    EXPECT_TRUE(key(Qt::Key_Enter, KeyTarget::Other));
    EXPECT_EQ(recorder->clicks.size(), 1u);
    EXPECT_TRUE(ui.surfaceFocused);

    editor.doc.table.setCell(kStateColumn, 1, QStringLiteral("Y"));
    editor.doc.table.setCell(kTagColumn, 1, kTagMark);
    ui.setGridEnabled(false);
    EXPECT_TRUE(key(Qt::Key_Escape, KeyTarget::Other));
    EXPECT_TRUE(editor.tool.idle());
    EXPECT_EQ(editor.tool.construction.clicks(), 0);
    EXPECT_TRUE(ui.gridEnabled());
    EXPECT_FALSE(editor.doc.table.tagged(1));
}

TEST_F(Pipeline, BackspaceTakesBackClicksAndVertices)
{
    editor.startTool(ToolMode::ArbitraryLine);
    editor.pointerDown(Qt::LeftButton, {1, 1});
    editor.tool.vertices = {{1, 1}};
    key(Qt::Key_Backspace);
    EXPECT_EQ(editor.tool.construction.clicks(), 0);
    EXPECT_TRUE(editor.tool.vertices.empty()) << "the vertex list goes with the last click";
    key(Qt::Key_Backspace);
    EXPECT_EQ(editor.tool.construction.clicks(), 0) << "never below zero";
    // A tool with a Backspace of its own replaces the default, and the
    // preview follows either way.
    recorder->takesBackspace = true;
    editor.pointerDown(Qt::LeftButton, {2, 2});
    const size_t movesBefore = recorder->moves.size();
    key(Qt::Key_Backspace);
    EXPECT_EQ(recorder->backspaces, 1);
    EXPECT_EQ(editor.tool.construction.clicks(), 1);
    EXPECT_EQ(recorder->moves.size(), movesBefore + 1);
}

TEST_F(Pipeline, AFailedClickLeavesTheTableAsItWas)
{
    editor.startTool(ToolMode::Rectangle);
    editor.pointerDown(Qt::LeftButton, {1, 1});
    EXPECT_FALSE(editor.doc.table.inUse(1));
    EXPECT_EQ(editor.tool.construction.clicks(), 0);
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Range check error")});
}

TEST_F(Pipeline, ToolsDecideThroughTheirHooks)
{
    auto hooks = std::make_shared<HookTool>();
    editor.tools.add(hooks, {ToolMode::GapInMiddle});
    editor.startTool(ToolMode::GapInMiddle);
    editor.pointerMoved({10, 10});
    editor.pointerMoved({20, 10});
    EXPECT_EQ(editor.surfaceCanvas().pixel({10, 10}), kBlack) << "earlier marks stay";
    EXPECT_EQ(editor.surfaceCanvas().pixel({20, 10}), kBlack);

    editor.wheel(3);
    editor.wheel(-1);
    EXPECT_EQ(hooks->notches, 2);
    EXPECT_TRUE(key(Qt::Key_Escape));
    EXPECT_EQ(editor.tool.mode, ToolMode::GapInMiddle) << "the tool took Esc for itself";

    editor.doc.table.setCell(kStateColumn, 1, QStringLiteral("Y"));
    editor.doc.table.setCell(kTypeColumn, 1, QStringLiteral("P"));
    editor.doc.table.setCell(kTagColumn, 1, kTagMark);
    ui.setGridCurrentRow(1);
    editor.gdClick();
    EXPECT_EQ(editor.tool.mode, ToolMode::GapInMiddle) << "a grid click leaves it running";

    editor.CancelTool();
    EXPECT_EQ(hooks->taggedWhenCancelled, std::optional<bool>(true))
        << "the tool's own undo runs before the shared clean-up";
    EXPECT_FALSE(editor.doc.table.tagged(1));
    EXPECT_TRUE(editor.tool.idle());

    // Without those hooks a grid click on a row in use ends the tool.
    editor.startTool(ToolMode::ArbitraryLine);
    editor.gdClick();
    EXPECT_TRUE(editor.tool.idle());
}

} // namespace
} // namespace kel
