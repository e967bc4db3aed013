#include "interaction/tools/FigureToolSupport.h"

#include "figures/Circles.h"
#include "figures/FigureMath.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

namespace kel {

namespace {

constexpr Colour kErrorColour = 0x0000FF; // red
constexpr Control kResultLabel = Control::Label29;

const QString kVisible = QStringLiteral("Y");

} // namespace

QPoint clickPoint(const Editor& editor, int index)
{
    return editor.tool.construction.point(index);
}

void setClickPoint(Editor& editor, int index, QPoint p)
{
    editor.tool.construction.setPoint(index, p);
}

std::int32_t& toolSlot(Editor& editor, int slot)
{
    return editor.tool.construction.slot.at(static_cast<std::size_t>(slot));
}

std::int32_t& clickCount(Editor& editor)
{
    return editor.tool.construction.clicks();
}

QPoint requirePoint(std::int64_t x, std::int64_t y)
{
    return requirePoint(figmath::MakePoint(x, y));
}

QPoint offsetPoint(QPoint p, std::int64_t dx, std::int64_t dy)
{
    using figmath::Wide;
    return requirePoint(Wide{p.x()} + dx, Wide{p.y()} + dy);
}

QPoint midPoint(QPoint a, QPoint b)
{
    // Sums of two 32-bit values halved always fit again.
    return {static_cast<int>((std::int64_t{a.x()} + b.x()) / 2),
            static_cast<int>((std::int64_t{a.y()} + b.y()) / 2)};
}

std::optional<int> controlNumber(Editor& editor, Control name)
{
    bool ok = false;
    const int value = editor.ui().controlText(name).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

void showValueVerdict(Editor& editor, bool ok)
{
    editor.ui().setControlText(kResultLabel, ok ? QStringLiteral("OK") : QStringLiteral("Error"));
    editor.ui().setControlColour(kResultLabel, ControlColour::Text, ok ? kBlack : kErrorColour);
}

void previewLine(Editor& editor, QPoint from, QPoint to)
{
    DrawLine(editor.surfaceCanvas(), editor.doc.current, from, to);
}

void previewCircle(Editor& editor, QPoint centre, int radius)
{
    if (editor.doc.panel.transparentObjects)
        DrawCircle(editor.surfaceCanvas(), editor.doc.current, centre, radius);
    else
        DrawFilledCircle(editor.surfaceCanvas(), editor.doc.current, centre, radius);
}

void previewCircleOutline(Editor& editor, QPoint centre, int radius)
{
    DrawCircle(editor.surfaceCanvas(), editor.doc.current, centre, radius);
}

void previewGuide(Editor& editor, QPoint from, QPoint to)
{
    CurrentAttributes guide = editor.doc.current;
    guide.penWidth = 0; // dotted
    guide.penColour = kGuideColour;
    DrawLine(editor.surfaceCanvas(), guide, from, to);
}

void previewMark(Editor& editor, QPoint at, int shape)
{
    DrawPoint(editor.surfaceCanvas(), editor.doc.current, at, shape);
}

void addCircleRow(Editor& editor, QPoint centre, int radius)
{
    Document& doc = editor.doc;
    const bool filled = !doc.panel.transparentObjects;
    const QString pen = MakePenAttr(doc);
    const QString brush = filled ? MakeBrushAttr(doc.current) : QString();
    const long long size = filled ? -static_cast<long long>(radius) : radius;
    const int r = FindFreeRow(doc);
    ObjectTable::BulkUpdate bulk(doc.table);
    doc.table.setCell(kStateColumn, r, kVisible);
    doc.table.setCell(kTypeColumn, r, KindText(RecordKind::Circle));
    doc.table.setCell(col::circle::Pen, r, pen);
    doc.table.setCell(col::circle::CentreX, r, centre.x());
    doc.table.setCell(col::circle::CentreY, r, centre.y());
    doc.table.setCell(col::circle::Radius, r, size);
    if (filled)
        doc.table.setCell(col::circle::Brush, r, brush);
}

void addArcRow(Editor& editor, QPoint centre, int startAngle, int endAngle, int radius)
{
    Document& doc = editor.doc;
    const QString pen = MakePenAttr(doc);
    const int r = FindFreeRow(doc);
    ObjectTable::BulkUpdate bulk(doc.table);
    doc.table.setCell(kStateColumn, r, kVisible);
    doc.table.setCell(kTypeColumn, r, KindText(RecordKind::Arc));
    doc.table.setCell(col::arc::Pen, r, pen);
    doc.table.setCell(col::arc::CentreX, r, centre.x());
    doc.table.setCell(col::arc::CentreY, r, centre.y());
    doc.table.setCell(col::arc::Start, r, startAngle);
    doc.table.setCell(col::arc::End, r, endAngle);
    doc.table.setCell(col::arc::Radius, r, radius);
}

std::optional<ArcFit> FitArc3Points(QPoint p1, QPoint p2, QPoint p3)
{
    // Without a circle the angles and the turn are not defined.
    const std::optional<CircleFit> circle = CircleThrough3Points(p1, p2, p3);
    if (!circle)
        return std::nullopt;
    const std::optional<std::array<int, 3>> angles = PointAnglesOnCircle(p1, p2, p3);
    const std::optional<ArcTurn> turn = ArcOrientation(p1, p2, p3);
    if (!angles || !turn)
        return std::nullopt;
    const int first = (*angles)[0];
    const int last = (*angles)[2];
    if (turn->counterClockwise)
        return ArcFit{circle->centre, circle->radius, first, last};
    return ArcFit{circle->centre, circle->radius, last, first};
}

} // namespace kel
