#include "interaction/PickTools.h"

#include "interaction/Editor.h"
#include "interaction/ToolRegistry.h"

#include <array>

namespace kel {

namespace {

struct PickKind {
    ToolMode mode;
    char letter;
    const char* instruction;
    const char* notFound;
};

constexpr const char* kTryCloser = "No object was found, try click closer";

constexpr std::array<PickKind, 15> kKinds = {{
    {ToolMode::EditPoint, 'P', "Move mouse over the desired POINT to become red, then left click",
     kTryCloser},
    {ToolMode::EditLine, 'L', "Move mouse over the desired LINE to become red, then left click",
     kTryCloser},
    {ToolMode::EditCircle, 'C', "Move mouse over the desired CIRCLE to become red, then left click",
     kTryCloser},
    {ToolMode::EditArc, 'A', "Move mouse over the desired ARC to become red, then left click",
     kTryCloser},
    {ToolMode::EditText, 'T', "Move mouse over the desired TEXT to become red, then left click",
     kTryCloser},
    {ToolMode::EditFillRegion, 'F',
     "Move mouse over the desired Fill Region to become red, use F4 to find it, then left click",
     kTryCloser},
    {ToolMode::EditEllipse, 'E',
     "Move mouse over the desired Ellipse to become red, then left click",
     "No Ellipse object was found, try click closer"},
    {ToolMode::EditRoundRectangle, '1',
     "Move mouse over the desired Round Rectangle, then left click",
     "No Round Rectangle object was detected, try click closer"},
    {ToolMode::EditFocusRectangle, '2',
     "Move mouse over the desired Focus Rectangle Ellipse, then left click",
     "No Focus Rectangle object was detected, try click closer"},
    {ToolMode::EditGrid, 'D', "Move mouse over the desired Grid, then left click",
     "No Grid object was found, try click closer"},
    {ToolMode::EditPolyline, 'G', "Move mouse over the desired PolyLine, then left click",
     "No PolyLine object was detected, try click closer"},
    {ToolMode::EditBezierCurve, 'B',
     "Move mouse over the desired curve to become red, then left click",
     "No Bezier Curve object was detected, try click closer"},
    {ToolMode::EditPolygon, 'N', "Move mouse over the desired Polygon, then left click",
     "No PolyGon object was detected, try click closer"},
    {ToolMode::EditPicture, 'f',
     "Move mouse over the desired EMF Obj to become red, then left click", kTryCloser},
    {ToolMode::EditPolynomial, 'K',
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
        const int row = editor.PickObject(pos, QLatin1Char(kind_.letter));
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
        const int row = editor.PickObject(at, QLatin1Char(kind_.letter));
        editor.tool.pickedRow = row;
        if (row == -1) {
            editor.ui().message(QString::fromLatin1(kind_.notFound));
            return;
        }
        const QString& type = editor.doc.table.cell(kTypeColumn, row);
        const QString popup = kindPopup(type.front());
        if (popup.isEmpty())
            return;
        if (type.front() == QLatin1Char('T'))
            editor.ui().showPage(kTextPage);
        if (const std::optional<QString> chosen = editor.ui().popupMenu(popup, at))
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
    switch (letter.unicode()) {
    case '1':
    case '2':
    case 'E':
    case 'R':
        return QStringLiteral("popotheracts");
    case 'A':
        return QStringLiteral("popArcacts");
    case 'B':
        return QStringLiteral("popcurve");
    case 'C':
        return QStringLiteral("popcircleacts");
    case 'D':
        return QStringLiteral("popgridacts");
    case 'F':
        return QStringLiteral("popfillacts");
    case 'G':
        return QStringLiteral("PopPolygons");
    case 'K':
        return QStringLiteral("PopPolynomial");
    case 'L':
        return QStringLiteral("popLINEacts");
    case 'N':
        return QStringLiteral("popclosepoly");
    case 'P':
        return QStringLiteral("popPOINTacts");
    case 'T':
        return QStringLiteral("poptextacts");
    case 'f':
        return QStringLiteral("PopupEMF");
    default:
        return {};
    }
}

void registerPickTools(ToolRegistry& tools)
{
    for (const PickKind& kind : kKinds)
        tools.add(std::make_shared<PickTool>(kind), {kind.mode});
    tools.add(std::make_shared<EditBlockTool>(), {ToolMode::EditBlock});
}

} // namespace kel
