// Texts and bordered labels from the settings of the text page.

#include "interaction/ShapeTools.h"

#include "interaction/Editor.h"
#include "model/AttributeStrings.h"
#include "render/TextDrawers.h"

namespace kel {

namespace {

constexpr int kTextPage = 1;

// The style bits of a text record: 1 bold, 2 italic.
int StyleBits(const AttributePanel& panel)
{
    return (panel.bold ? 1 : 0) + (panel.italic ? 2 : 0);
}

} // namespace

// Text ----------------------------------------------------------------------

void TextTool::start(Editor& editor)
{
    editor.ui().showPage(kTextPage);
    editor.ui().message(QStringLiteral("1 click is needed, use mouse wheel to adjust font size"));
}

void TextTool::move(Editor& editor, QPoint pos)
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
    CanvasFont font;
    font.name = panel.fontName;
    font.size = panel.fontSize.value;
    font.colour = panel.fontColour;
    font.bold = panel.bold;
    font.italic = panel.italic;
    canvas.setFont(font);
    RotatedTextOut(canvas, pos, angle, text);
}

void TextTool::click(Editor& editor, QPoint)
{
    ConstructionState& state = editor.tool.construction;
    const QPoint at = state.point(0);
    const AttributePanel& panel = editor.doc.panel;
    // The angle goes in as typed: an empty box gives an empty cell, read as 0.
    AppendRow(editor.doc, {QStringLiteral("T"), QString::number(at.x()), QString::number(at.y()),
                           QString::number(panel.fontSize.value), colourHex(panel.fontColour),
                           QString::number(StyleBits(panel)), panel.fontName, CellText(panel.text),
                           CellText(panel.textAngle.text)});
    state.clicks() = 0;
    editor.RedrawAll();
}

// Bordered label ------------------------------------------------------------

void BorderedLabelTool::move(Editor& editor, QPoint pos)
{
    const AttributePanel& panel = editor.doc.panel;
    const CurrentAttributes& current = editor.doc.current;
    const LabelLook look{current.brushColour, current.brushStyle, current.penColour,
                         current.penWidth};
    DrawOutlinedText(editor.surfaceCanvas(), panel.textAngle.value, pos, look, panel.fontSize.value,
                     CellText(panel.text), panel.fontName);
}

void BorderedLabelTool::click(Editor& editor, QPoint pos)
{
    // The label hangs from where the button went down.
    Document& doc = editor.doc;
    const AttributePanel& panel = doc.panel;
    AppendRow(doc, {QStringLiteral("h"), MakePenAttr(doc), QString::number(pos.x()),
                    QString::number(pos.y()), MakeBrushAttr(doc.current), panel.fontName,
                    CellText(panel.fontSize.text), CellText(panel.text),
                    CellText(panel.textAngle.text)});
    editor.CancelTool();
}

} // namespace kel
