// Texts and bordered labels from the settings of the text page.

#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/ShapeToolKit.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "render/TextDrawers.h"

namespace kel {

namespace {

constexpr int kTextPage = 1;
constexpr int kDefaultFontSize = 10;
constexpr int kMaxFontSize = 999;
constexpr int kMinFontSize = 6;

// New Text: the text of the text page, one click, repeats. While it runs,
// printable characters typed on the surface go into the text box and the
// wheel sets the font size.
class TextTool : public ClickSequenceTool {
public:
    TextTool()
        : ClickSequenceTool(
              1, AfterLast::Repeats,
              QStringLiteral("1 click is needed, use mouse wheel to adjust font size"))
    {
    }

    // Printable characters on the surface go into the text box and Backspace
    // takes the last one back; the preview shows the new text at once. Control
    // characters would break a KEL line: Enter and the others are left to the
    // keys every tool shares.
    bool key(Editor& editor, const KeyPress& press) override
    {
        if (press.target != KeyTarget::Surface)
            return false;
        UiPort& ui = editor.ui();
        constexpr Control box = Control::Edit3;
        QString text = ui.controlText(box);
        const bool backspace = press.key == Qt::Key_Backspace;
        if (backspace)
            text.chop(1);
        else if (press.text.isPrint())
            text += press.text;
        else
            return false;
        ui.setControlText(box, text);
        editor.doc.panel.text = text;
        editor.pointerMoved(editor.tool.mouse);
        if (backspace)
            editor.takeBackClick();
        return true;
    }

    // The wheel steps the font size box (10 where it holds no number) up while
    // it is below 999 and down while it is above 6; the panel takes the box's
    // new value as it takes the user's typing.
    void wheel(Editor& editor, int notches) override
    {
        UiPort& ui = editor.ui();
        forEachNotch(notches, [&](int step) {
            const int size = controlValue(ui, controls::kFontSize, kDefaultFontSize);
            if ((step > 0 && size < kMaxFontSize) || (step < 0 && size > kMinFontSize))
                showControlValue(ui, controls::kFontSize, size + step);
        });
        editor.attributes.setBoxText(controls::kFontSize, ui.controlText(controls::kFontSize));
    }

private:
    void begin(Editor& editor) override { editor.ui().showPage(kTextPage); }

    void preview(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() != 0)
            return;
        state.setPoint(0, pos);
        const AttributePanel& panel = editor.doc.panel;
        const QString text = CellText(panel.text);
        Canvas& canvas = editor.surfaceCanvas();
        const int angle = panel.textAngle.value;
        if (angle == 0) {
            DrawPlainText(canvas, pos, panel.fontSize.value, text, panel.fontName, StyleBits(panel),
                          panel.fontColour);
            return;
        }
        canvas.setFont(TextPageFont(panel));
        RotatedTextOut(canvas, pos, angle, text);
    }

    bool complete(Editor& editor, QPoint) override
    {
        ConstructionState& state = editor.tool.construction;
        const QPoint at = state.point(0);
        const AttributePanel& panel = editor.doc.panel;
        // The angle goes in as typed: an empty box gives an empty cell, read as 0.
        AppendRow(editor.doc,
                  {QStringLiteral("T"), QString::number(at.x()), QString::number(at.y()),
                   QString::number(panel.fontSize.value), colourHex(panel.fontColour),
                   QString::number(StyleBits(panel)), panel.fontName, CellText(panel.text),
                   CellText(panel.textAngle.text)});
        return true;
    }
};

// The bordered label: outlined letters, one click.
class BorderedLabelTool : public ClickSequenceTool {
public:
    BorderedLabelTool() : ClickSequenceTool(1, AfterLast::Ends) {}

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const AttributePanel& panel = editor.doc.panel;
        const CurrentAttributes& current = editor.doc.current;
        const LabelLook look{current.brushColour, current.brushStyle, current.penColour,
                             current.penWidth};
        DrawOutlinedText(editor.surfaceCanvas(), panel.textAngle.value, pos, look,
                         panel.fontSize.value, CellText(panel.text), panel.fontName);
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        // The label hangs from where the button went down.
        Document& doc = editor.doc;
        const AttributePanel& panel = doc.panel;
        AppendRow(doc, {QStringLiteral("h"), MakePenAttr(doc), QString::number(pos.x()),
                        QString::number(pos.y()), MakeBrushAttr(doc.current), panel.fontName,
                        CellText(panel.fontSize.text), CellText(panel.text),
                        CellText(panel.textAngle.text)});
        return true;
    }
};

} // namespace

void registerTextTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<TextTool>(), {ToolMode::Text});
    tools.add(std::make_shared<BorderedLabelTool>(), {ToolMode::BorderedLabel});
}

} // namespace kel
