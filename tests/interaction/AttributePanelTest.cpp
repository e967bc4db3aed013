#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "model/Controls.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

using namespace controls;

// Records the pointer steps of the tool it stands in for.
class RecordingTool : public Tool {
public:
    void move(Editor&, QPoint pos) override { moves.push_back(pos); }
    void click(Editor&, QPoint pos) override { clicks.push_back(pos); }
    std::vector<QPoint> moves;
    std::vector<QPoint> clicks;
};

class PanelControls : public ::testing::Test {
protected:
    PanelControls()
    {
        editor.start();
        editor.tools.add(tool, {ToolMode::Circle, ToolMode::PrecisionArc});
    }

    // Sets a box's text as the user's typing would.
    void type(Control box, const QString& text)
    {
        ui.setControlText(box, text);
        attrs.boxChanged(box, text);
    }
    QString box(Control name) const { return ui.controlText(name); }
    void runTool(ToolMode mode, QPoint at)
    {
        editor.tool.mode = mode;
        editor.tool.mouse = at;
        tool->moves.clear();
        tool->clicks.clear();
    }

    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
    AttributeControls& attrs = editor.attributes;
    kel::AttributePanel& panel = editor.doc.panel;
    std::shared_ptr<RecordingTool> tool = std::make_shared<RecordingTool>();
};

TEST_F(PanelControls, TypedColoursReadBluePairFirstAndCancelGivesThePrefilledColour)
{
    ui.inputAnswers.push_back("123456");
    attrs.typeSwatchColour(Swatch::Boundary);
    EXPECT_EQ(toQRgb(panel.boundarySwatch), qRgb(0x56, 0x34, 0x12));
    ui.inputAnswers.push_back("12345\u00DF"); // a sharp s stays one character
    attrs.typeSwatchColour(Swatch::Boundary);
    EXPECT_EQ(ui.messages, QStringList{"Invalid digit pos 6"});
    attrs.typeSwatchColour(Swatch::Boundary); // no answer queued: Cancel
    EXPECT_EQ(ui.inputRequests.back().defaultText, "123456");
    EXPECT_EQ(toQRgb(panel.boundarySwatch), qRgb(0x56, 0x34, 0x12));
}

TEST_F(PanelControls, EscAndEnterInTheBoxes)
{
    for (const Control name : {kRadius, kPenWidth, kBrushPattern, kTextAngle, kText, kValueBox}) {
        runTool(ToolMode::ArbitraryLine, {5, 5});
        ui.surfaceFocused = false;
        EXPECT_FALSE(attrs.boxKeyPress(name, QChar(27))) << controlName(name).toStdString();
        EXPECT_EQ(editor.tool.mode, ToolMode::Idle) << controlName(name).toStdString();
        EXPECT_TRUE(ui.surfaceFocused) << controlName(name).toStdString();
    }
    // In the precision arc Enter in R, Ang1 or Ang2 places the arc where the
    runTool(ToolMode::PrecisionArc, {40, 60});
    EXPECT_FALSE(attrs.boxKeyPress(kAngle1, QChar(13)));
    EXPECT_EQ(tool->clicks, (std::vector<QPoint>{{40, 60}}));
    runTool(ToolMode::Circle, {40, 60});
    attrs.boxKeyPress(kRadius, QChar(13));
    EXPECT_TRUE(tool->clicks.empty());
}

TEST_F(PanelControls, RadiusAndAnglesPreviewInTheirTools)
{
    runTool(ToolMode::Circle, {100, 80});
    type(kRadius, "75");
    EXPECT_EQ(editor.tool.construction.slot[ConstructionState::kRadius], 75);
    EXPECT_EQ(tool->moves, (std::vector<QPoint>{{100, 80}}));

    // Without a circle or arc tool nothing previews or changes the tool.
    runTool(ToolMode::ArbitraryLine, {30, 20});
    editor.tool.construction.slot[ConstructionState::kRadius] = 9;
    type(kRadius, "61");
    type(kAngle1, "15");
    EXPECT_TRUE(tool->moves.empty());
    EXPECT_EQ(editor.tool.construction.slot[ConstructionState::kRadius], 9);
}

TEST_F(PanelControls, NothingPutsACellOrLineSeparatorIntoTheText)
{
    attrs.setBoxText(kText, "45");
    attrs.appendToText(QChar(0xB0));
    attrs.appendToText(QChar(0x15));
    attrs.appendToText('\t');
    attrs.appendToText('\n');
    EXPECT_EQ(panel.text, QString("45") + QChar(0xB0) + QChar(0x15));
    type(kText, "a\tb\r\nc");
    EXPECT_EQ(panel.text, "a b  c");
}

} // namespace
} // namespace kel
