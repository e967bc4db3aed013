// Glyphs built from lines and texts: the fraction and the radical sign.

#include "figures/SplitPair.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/ShapeToolKit.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"
#include "render/TextDrawers.h"

#include <algorithm>

namespace kel {

namespace {

// The bar reaches this far beyond the wider text.
constexpr int kBarOverhang = 5;
constexpr int kBarEndSlot = 2;

struct FractionLayout {
    TextPair texts;
    QPoint barFrom;
    QPoint barTo;
    QPoint numerator; // where each text stands: the bottom-left of its cell
    QPoint denominator;
    int size = 0;
    int style = 0;
};

// The fraction of the text box's "numerator;denominator" with its bar at
// the pointer: the bar as long as the wider text plus the overhang, the
// narrower text centred over or under it. Measured in the text page's font.
// Nothing when the text holds no ";". The points go to the construction
// state as the tool keeps them.
std::optional<FractionLayout> LayoutFraction(Editor& editor, QPoint pos)
{
    const AttributePanel& panel = editor.doc.panel;
    const std::optional<TextPair> texts = SplitPair(CellText(panel.text));
    if (!texts)
        return std::nullopt;
    Canvas& canvas = editor.surfaceCanvas();
    canvas.setFont(TextPageFont(panel));
    const std::int64_t wN = canvas.textExtent(texts->left).width();
    const std::int64_t wD = canvas.textExtent(texts->right).width();
    const std::int64_t hK = canvas.textExtent(QStringLiteral("K")).height();
    const std::int64_t w = std::max(wN, wD);
    const std::int64_t x = pos.x();
    const std::int64_t y = pos.y();

    FractionLayout layout;
    layout.texts = *texts;
    layout.barFrom = pos;
    layout.barTo = requirePoint(x + w + kBarOverhang, y);
    // The numerator stands on the bar, the denominator hangs under it.
    if (wN == w) {
        layout.numerator = requirePoint(x + 1, y + 1);
        layout.denominator = requirePoint(x + (w - wD) / 2, y + hK);
    } else {
        layout.numerator = requirePoint(x + (w - wN) / 2, y + 1);
        layout.denominator = requirePoint(x + 1, y + hK);
    }
    layout.size = panel.fontSize.value;
    layout.style = StyleBits(panel);

    ConstructionState& state = editor.tool.construction;
    state.setPoint(0, pos);
    state.slot[kBarEndSlot] = layout.barTo.x();
    state.setPoint(2, layout.numerator);
    state.setPoint(3, layout.denominator);
    return layout;
}

QStringList FractionText(const FractionLayout& layout, const AttributePanel& panel, QPoint at,
                         const QString& text)
{
    return {QStringLiteral("T"),
            QString::number(at.x()),
            QString::number(at.y()),
            QString::number(layout.size),
            colourHex(panel.fontColour),
            QString::number(layout.style),
            panel.fontName,
            text,
            QStringLiteral("0")};
}

// The fraction: "numerator;denominator" from the text box, one click.
class FractionTool : public ClickSequenceTool {
public:
    FractionTool()
        : ClickSequenceTool(
              1, AfterLast::Ends,
              QStringLiteral("1 click is needed to set the fraction num and denom will be "
                             "centered\r\nIn the edit box enter numerator and denominator "
                             "separated by ;"))
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const std::optional<FractionLayout> layout = LayoutFraction(editor, pos);
        if (!layout)
            return;
        const AttributePanel& panel = editor.doc.panel;
        Canvas& canvas = editor.surfaceCanvas();
        DrawLine(canvas, editor.doc.current, layout->barFrom, layout->barTo);
        DrawPlainText(canvas, layout->numerator, layout->size, layout->texts.left, panel.fontName,
                      layout->style, panel.fontColour);
        DrawPlainText(canvas, layout->denominator, layout->size, layout->texts.right,
                      panel.fontName, layout->style, panel.fontColour);
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        const std::optional<FractionLayout> layout = LayoutFraction(editor, pos);
        if (!layout)
            return false;
        Document& doc = editor.doc;
        const QStringList numerator =
            FractionText(*layout, doc.panel, layout->numerator, layout->texts.left);
        const QStringList denominator =
            FractionText(*layout, doc.panel, layout->denominator, layout->texts.right);
        AddLineRow(doc, layout->barFrom.x(), layout->barFrom.y(), layout->barTo.x(),
                   layout->barTo.y());
        AppendRow(doc, numerator);
        AppendRow(doc, denominator);
        return true;
    }
};

// The radical sign: three clicks for the V, the fourth for the bar.
class RadicalTool : public ClickSequenceTool {
public:
    RadicalTool()
        : ClickSequenceTool(4, AfterLast::Ends,
                            QStringLiteral("4 clicks are needed, first 3 for the V part of "
                                           "Radical and 4th to set length"))
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        const int clicks = state.clicks();
        if (clicks == 0) {
            state.setPoint(0, pos);
            return;
        }
        if (clicks > 3)
            return;
        // The point the next click freezes; the top bar stays level.
        const QPoint next = clicks == 3 ? QPoint(pos.x(), state.point(2).y()) : pos;
        state.setPoint(clicks, next);
        Canvas& canvas = editor.surfaceCanvas();
        for (int i = 0; i < clicks; ++i)
            DrawLine(canvas, editor.doc.current, state.point(i), state.point(i + 1));
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        const ConstructionState& state = editor.tool.construction;
        const QPoint p1 = state.point(0);
        const QPoint p2 = state.point(1);
        const QPoint p3 = state.point(2);
        const QPoint p4(pos.x(), p3.y());
        // Each stroke on its own: one too short leaves the others.
        Document& doc = editor.doc;
        AddLineRow(doc, p1.x(), p1.y(), p2.x(), p2.y());
        AddLineRow(doc, p2.x(), p2.y(), p3.x(), p3.y());
        AddLineRow(doc, p3.x(), p3.y(), p4.x(), p4.y());
        return true;
    }
};

} // namespace

void registerGlyphTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<FractionTool>(), {ToolMode::Fraction});
    tools.add(std::make_shared<RadicalTool>(), {ToolMode::RadicalSign});
}

} // namespace kel
