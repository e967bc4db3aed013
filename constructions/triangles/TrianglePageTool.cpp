// "Construct Triangle": a triangle from the three values of the Triangle
// page, placed with its first corner at the pointer and appended by a click.
// The page's "Dir-" / "Dir+" button chooses the apex side.

#include "constructions/triangles/TriangleTools.h"

#include "figures/TriangleSolvers.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"

namespace kel {

namespace {

constexpr int kTrianglePage = 4;
// What a box holding no number counts as: no triangle has a side or angle 0.
constexpr int kNoValue = 0;
const QString kApexBelow = QStringLiteral("Dir+");
const QString kApexAbove = QStringLiteral("Dir-");

enum class TriangleType { SSS, ASA, SASLeft, SASRight };

TriangleType checkedType(UiPort& ui)
{
    if (ui.controlChecked(Control::rbASA))
        return TriangleType::ASA;
    if (ui.controlChecked(Control::rbSASL))
        return TriangleType::SASLeft;
    if (ui.controlChecked(Control::rbSASR))
        return TriangleType::SASRight;
    return TriangleType::SSS;
}

bool apexAbove(UiPort& ui)
{
    return ui.controlText(Control::btndir) != kApexBelow;
}

// The triangle of the page's values with its first corner at `start`, drawn
// on the overlay or appended, its verdict in "lbstatus".
TriangleResult solveFromPage(Editor& editor, FigureStep step, QPoint start)
{
    UiPort& ui = editor.ui();
    const int v1 = controlValue(ui, Control::edtTrng1, kNoValue);
    const int v2 = controlValue(ui, Control::edtTrng2, kNoValue);
    const int v3 = controlValue(ui, Control::edtTrng3, kNoValue);
    const bool above = apexAbove(ui);
    Document& doc = editor.doc;
    Canvas& canvas = editor.surfaceCanvas();
    TriangleResult result;
    switch (checkedType(ui)) {
    case TriangleType::SSS:
        result = TriangleFromSides(doc, canvas, step, start, v1, v2, v3, above);
        break;
    case TriangleType::ASA:
        result = TriangleFromASA(doc, canvas, step, start, v1, v2, v3, above);
        break;
    case TriangleType::SASLeft:
        result = TriangleFromSASLeft(doc, canvas, step, start, v1, v2, v3, above);
        break;
    case TriangleType::SASRight:
        result = TriangleFromSASRight(doc, canvas, step, start, v1, v2, v3, above);
        break;
    }
    ui.setControlText(kStatusLabel, result.status);
    ui.setControlColour(kStatusLabel, ControlColour::Text, result.statusColour());
    return result;
}

// The values the solver worked out, after the captions the page's users know.
QString liveValues(UiPort& ui, const TriangleResult& r)
{
    switch (checkedType(ui)) {
    case TriangleType::SSS:
        return QStringLiteral("(Angles A B C) %1 %2 %3").arg(r.angleA).arg(r.angleB).arg(r.angleC);
    case TriangleType::ASA:
        return QStringLiteral("(AB AC) %1 %2").arg(r.sideA).arg(r.sideB);
    case TriangleType::SASLeft:
        return QStringLiteral("(AC A C) %1 %2 %3").arg(r.sideA).arg(r.angleB).arg(r.angleC);
    case TriangleType::SASRight:
        return QStringLiteral("(AC A C) %1 %2 %3").arg(r.sideB).arg(r.angleA).arg(r.angleC);
    }
    return {};
}

class TrianglePageTool : public ClickSequenceTool {
public:
    TrianglePageTool()
        : ClickSequenceTool(1, AfterLast::Ends,
                            QStringLiteral("1 click needed to build SSS/ASA/SAS triangle"))
    {
    }

    void wheel(Editor& editor, int notches) override { wheelTriangleValue(editor, notches); }

private:
    void begin(Editor& editor) override { editor.ui().showPage(kTrianglePage); }

    void preview(Editor& editor, QPoint pos) override
    {
        const TriangleResult result = solveFromPage(editor, FigureStep::Preview, pos);
        if (result.valid())
            editor.ui().setStatus(3, liveValues(editor.ui(), result));
    }

    // An impossible triangle appends nothing; the tool ends either way.
    bool complete(Editor& editor, QPoint pos) override
    {
        solveFromPage(editor, FigureStep::Create, pos);
        return true;
    }
};

void toggleApexDirection(Editor& editor)
{
    UiPort& ui = editor.ui();
    ui.setControlText(Control::btndir, apexAbove(ui) ? kApexBelow : kApexAbove);
}

} // namespace

void registerTrianglePageTool(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<TrianglePageTool>(), {ToolMode::ConstructTriangle});
    registrations.commands.add(controlName(Control::btndir), toggleApexDirection);
}

} // namespace kel
