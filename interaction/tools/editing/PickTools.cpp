#include "interaction/tools/editing/PickTools.h"

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/MenuTable.h"
#include "model/RecordKinds.h"

#include <array>

namespace kel {

namespace {

struct PickKind {
    ToolMode mode;
    RecordKind kind;
    const char* instruction;
    const char* notFound;
};

constexpr const char* kTryCloser = "No object was found, try click closer";

constexpr std::array<PickKind, 15> kKinds = {{
    {ToolMode::EditPoint, RecordKind::Point,
     "Move mouse over the desired POINT to become red, then left click", kTryCloser},
    {ToolMode::EditLine, RecordKind::Line,
     "Move mouse over the desired LINE to become red, then left click", kTryCloser},
    {ToolMode::EditCircle, RecordKind::Circle,
     "Move mouse over the desired CIRCLE to become red, then left click", kTryCloser},
    {ToolMode::EditArc, RecordKind::Arc,
     "Move mouse over the desired ARC to become red, then left click", kTryCloser},
    {ToolMode::EditText, RecordKind::Text,
     "Move mouse over the desired TEXT to become red, then left click", kTryCloser},
    {ToolMode::EditFillRegion, RecordKind::Fill,
     "Move mouse over the desired Fill Region to become red, use F4 to find it, then left click",
     kTryCloser},
    {ToolMode::EditEllipse, RecordKind::Ellipse,
     "Move mouse over the desired Ellipse to become red, then left click",
     "No Ellipse object was found, try click closer"},
    {ToolMode::EditRoundRectangle, RecordKind::RoundRect,
     "Move mouse over the desired Round Rectangle, then left click",
     "No Round Rectangle object was detected, try click closer"},
    {ToolMode::EditFocusRectangle, RecordKind::FocusRect,
     "Move mouse over the desired Focus Rectangle Ellipse, then left click",
     "No Focus Rectangle object was detected, try click closer"},
    {ToolMode::EditGrid, RecordKind::Grid, "Move mouse over the desired Grid, then left click",
     "No Grid object was found, try click closer"},
    {ToolMode::EditPolyline, RecordKind::Polyline,
     "Move mouse over the desired PolyLine, then left click",
     "No PolyLine object was detected, try click closer"},
    {ToolMode::EditBezierCurve, RecordKind::Bezier,
     "Move mouse over the desired curve to become red, then left click",
     "No Bezier Curve object was detected, try click closer"},
    {ToolMode::EditPolygon, RecordKind::Polygon,
     "Move mouse over the desired Polygon, then left click",
     "No PolyGon object was detected, try click closer"},
    {ToolMode::EditPicture, RecordKind::EmfPicture,
     "Move mouse over the desired EMF Obj to become red, then left click", kTryCloser},
    {ToolMode::EditPolynomial, RecordKind::Polynomial,
     "Move mouse over the desired curve to become red, then left click",
     "No Polynomial object was found, try click closer"},
}};

constexpr int kTextPage = 1;

class PickTool : public Tool {
public:
    explicit PickTool(const PickKind& kind) : kind_(kind) {}

    void start(Editor& editor) override
    {
        editor.ui().message(QString::fromLatin1(kind_.instruction));
    }

    void move(Editor& editor, QPoint pos) override
    {
        editor.tool.construction.setPoint(0, pos);
        if (!editor.hoverThrottle.allow(pos))
            return;
        const int row = editor.PickObject(pos, KindLetter(kind_.kind));
        editor.tool.pickedRow = row;
        if (row == -1) {
            editor.ui().setWindowCaption(QStringLiteral("Kelvane |"));
            editor.ui().markGridRow(0);
            return;
        }
        editor.ui().markGridRow(row);
        editor.renderer.HighlightRow(editor.surfaceCanvas(), row);
        editor.ui().repaintSurface();
    }

    void click(Editor& editor, QPoint) override
    {
        editor.hoverThrottle.cancel();
        const QPoint at = editor.tool.construction.point(0);
        const int row = editor.PickObject(at, KindLetter(kind_.kind));
        editor.tool.pickedRow = row;
        if (row == -1) {
            editor.ui().message(QString::fromLatin1(kind_.notFound));
            return;
        }
        const QString& type = editor.doc.table.cell(kTypeColumn, row);
        const QString popup = kindPopup(type.front());
        if (popup.isEmpty())
            return;
        if (RecordKindOf(type.front()) == RecordKind::Text)
            editor.ui().showPage(kTextPage);
        const QStringList disabled =
            MenuTable::instance().disabledFor(popup, *RecordKindOf(type.front()));
        if (const std::optional<QString> chosen = editor.ui().popupMenu(popup, at, disabled))
            editor.runMenuItem(*chosen);
    }

private:
    PickKind kind_;
};

// "Edit Block" announces a block but has no pointer behaviour.
class EditBlockTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(QStringLiteral("Move mouse over the desired Block"));
    }
};

} // namespace

QString kindPopup(QChar letter)
{
    struct KindPopup {
        RecordKind kind;
        const char* popup;
    };
    static constexpr std::array<KindPopup, 16> kPopups = {{
        {RecordKind::RoundRect, "popotheracts"},
        {RecordKind::FocusRect, "popotheracts"},
        {RecordKind::Ellipse, "popotheracts"},
        {RecordKind::Rectangle, "popotheracts"},
        {RecordKind::Arc, "popArcacts"},
        {RecordKind::Bezier, "popcurve"},
        {RecordKind::Circle, "popcircleacts"},
        {RecordKind::Grid, "popgridacts"},
        {RecordKind::Fill, "popfillacts"},
        {RecordKind::Polyline, "PopPolygons"},
        {RecordKind::Polynomial, "PopPolynomial"},
        {RecordKind::Line, "popLINEacts"},
        {RecordKind::Polygon, "popclosepoly"},
        {RecordKind::Point, "popPOINTacts"},
        {RecordKind::Text, "poptextacts"},
        {RecordKind::EmfPicture, "PopupEMF"},
    }};
    const std::optional<RecordKind> kind = RecordKindOf(letter);
    for (const KindPopup& entry : kPopups) {
        if (entry.kind == kind)
            return QString::fromLatin1(entry.popup);
    }
    return {};
}

void registerPickTools(ToolRegistry& tools)
{
    for (const PickKind& kind : kKinds)
        tools.add(std::make_shared<PickTool>(kind), {kind.mode});
    tools.add(std::make_shared<EditBlockTool>(), {ToolMode::EditBlock});
}

} // namespace kel
