// The circle and arc popups' commands that act at once, and the line popup's
// circle and semicircle on a line: information, marks, tags and the arc
// edits that need no pointer.

#include "constructions/circles/CircleSupport.h"
#include "constructions/circles/CircleTools.h"
#include "constructions/lines/LineSupport.h"

#include "figures/CircleMarks.h"
#include "figures/FigureMath.h"
#include "figures/Measures.h"
#include "figures/TableCells.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

#include <cmath>

namespace kel {

namespace {

using namespace circletools;

constexpr int kCircleFallback = 100;
constexpr int kNPointsFallback = 10;
constexpr int kArcInfoFallback = 1;
constexpr int kLineFallback = 1;
constexpr int kDefaultN = 3;
constexpr int kMaxAnswer = 20;

const QString kMarkShape = QStringLiteral("1");

void showCircleInfo(Editor& editor)
{
    const ObjectTable& table = editor.doc.table;
    const int r = pickedExists(editor) ? editor.tool.pickedRow : 0;
    using namespace col::circle;
    editor.ui().message(QStringLiteral("Center=%1  %2  R=%3")
                            .arg(cells::Int(table, CentreX, r, kCircleFallback))
                            .arg(cells::Int(table, CentreY, r, kCircleFallback))
                            .arg(cells::Int(table, Radius, r, kCircleFallback)));
}

void markCircleCentre(Editor& editor)
{
    linetools::addConstructedPoint(editor, pickedCircle(editor, kCircleFallback).centre);
    editor.RedrawAll();
}

// "N offset": N (a word reads 3) before the first space, the offset angle
// (a word reads 0) after it; nothing without a space.
struct EqualPointsRequest {
    int n = kDefaultN;
    double offset = 0;
};

std::optional<EqualPointsRequest> parseEqualPoints(const QString& answer)
{
    const QString text = answer.left(kMaxAnswer);
    const qsizetype space = text.indexOf(u' ');
    if (space < 0)
        return std::nullopt;
    EqualPointsRequest request;
    bool ok = false;
    const qlonglong n = text.left(space).toLongLong(&ok);
    if (ok)
        request.n = n > kMaxEqualPoints ? kMaxEqualPoints + 1 : static_cast<int>(std::max(n, -1LL));
    const double offset = text.mid(space + 1).toDouble(&ok);
    if (ok && std::isfinite(offset))
        request.offset = offset;
    return request;
}

void markEqualPoints(Editor& editor)
{
    const CircleOfRow circle = pickedCircle(editor, kNPointsFallback);
    const QString answer = editor.ui().inputBox(
        QStringLiteral("Circle will be marked with N equal angle distant points, specify begin "
                       "angle"),
        QStringLiteral("Enter N counter clockwise,Horrizontal Offset Angle, use space"),
        QStringLiteral("2"));
    const std::optional<EqualPointsRequest> request = parseEqualPoints(answer);
    if (!request || request->n < kMinEqualPoints || request->n > kMaxEqualPoints) {
        editor.CancelTool();
        editor.ui().message(QStringLiteral("N<2 or format error, use space to separate"));
        return;
    }
    const std::optional<std::vector<QPoint>> points =
        EqualPointsOnCircle(circle.centre, circle.radius, request->n, request->offset);
    if (!points)
        throw ActionFailed(QStringLiteral("Range check error"));
    for (const QPoint p : *points)
        AddPointRow(editor.doc, p.x(), p.y());
    editor.CancelTool();
}

void tagPicked(Editor& editor, const QString& kind)
{
    if (!pickedExists(editor))
        return;
    const int r = editor.tool.pickedRow;
    editor.doc.table.setCell(col::Tag, r, kTagMark);
    editor.ui().message(QStringLiteral("%1 at row %2 was tagged").arg(kind).arg(r));
}

void tagCircle(Editor& editor)
{
    tagPicked(editor, QStringLiteral("Circle"));
}

void tagArc(Editor& editor)
{
    tagPicked(editor, QStringLiteral("Arc"));
}

void showArcInfo(Editor& editor)
{
    const ArcOfRow arc = pickedArc(editor, kArcInfoFallback);
    const std::int64_t height = ArcInfoHeight(arc.radius, arc.start, arc.end);
    const bool edit = editor.ui().askYesNo(
        QStringLiteral("Arc at row=%1  R=%2  ang1=%3  ang2=%4  H=%5\r\nWould you like to edit it ?")
            .arg(editor.tool.pickedRow)
            .arg(arc.radius)
            .arg(arc.start)
            .arg(arc.end)
            .arg(height));
    if (!edit)
        return;
    editor.attributes.setBoxText(controls::kRadius, QString::number(arc.radius));
    editor.attributes.setBoxText(controls::kAngle1, QString::number(arc.start));
    editor.attributes.setBoxText(controls::kAngle2, QString::number(arc.end));
}

void complementArc(Editor& editor)
{
    if (!pickedExists(editor))
        return;
    ObjectTable& table = editor.doc.table;
    const int r = editor.tool.pickedRow;
    const QString start = table.cell(col::arc::Start, r);
    ObjectTable::BulkUpdate bulk(table);
    table.setCell(col::arc::Start, r, table.cell(col::arc::End, r));
    table.setCell(col::arc::End, r, start);
    editor.RedrawAll();
}

void mirrorArc(Editor& editor)
{
    const ArcOfRow arc = pickedArc(editor, kCircleFallback);
    const AnglePair angles = MirroredArcAngles(arc.start, arc.end);
    addArcRow(editor, arc.centre, angles.first, angles.second, arc.radius);
    editor.CancelTool();
}

void markArcMidpoint(Editor& editor)
{
    const ArcOfRow arc = pickedArc(editor, kCircleFallback);
    const QPoint mid =
        requirePoint(PointOnCircleAt(arc.centre, arc.radius, ArcMidAngle(arc.start, arc.end)));
    linetools::addShapedPoint(editor, mid, kMarkShape);
    editor.RedrawAll();
}

void markArcCentre(Editor& editor)
{
    if (!pickedIsArc(editor)) {
        editor.ui().message(QStringLiteral("Object NOT ARC(A)"));
        return;
    }
    linetools::addShapedPoint(editor, pickedArc(editor, kCircleFallback).centre, kMarkShape);
    editor.RedrawAll();
}

void arcToCircle(Editor& editor)
{
    if (!pickedIsArc(editor))
        return;
    const int radius = pickedArc(editor, kCircleFallback).radius;
    ObjectTable& table = editor.doc.table;
    const int r = editor.tool.pickedRow;
    {
        ObjectTable::BulkUpdate bulk(table);
        table.setCell(col::Type, r, KindText(RecordKind::Circle));
        table.setCell(col::circle::Radius, r, radius);
        table.setCell(col::arc::End, r, QString());
        table.setCell(col::arc::Radius, r, QString());
    }
    editor.CancelTool();
}

// The circle whose diameter is the picked line.
CircleOfRow circleOnLine(const Editor& editor)
{
    const linetools::LineSegment line = linetools::pickedLine(editor, kLineFallback);
    return {midPoint(line.a, line.b), linetools::distance(line.a, line.b) / 2};
}

void constructCircle(Editor& editor)
{
    const CircleOfRow circle = circleOnLine(editor);
    Document& doc = editor.doc;
    const QString pen = MakePenAttr(doc);
    const int r = FindFreeRow(doc);
    {
        ObjectTable::BulkUpdate bulk(doc.table);
        doc.table.setCell(col::State, r, QStringLiteral("Y"));
        doc.table.setCell(col::Type, r, KindText(RecordKind::Circle));
        doc.table.setCell(col::circle::Pen, r, pen);
        doc.table.setCell(col::circle::CentreX, r, circle.centre.x());
        doc.table.setCell(col::circle::CentreY, r, circle.centre.y());
        doc.table.setCell(col::circle::Radius, r, circle.radius);
    }
    editor.RedrawAll();
}

void constructSemicircle(Editor& editor)
{
    const CircleOfRow circle = circleOnLine(editor);
    const linetools::LineSegment line = linetools::pickedLine(editor, kLineFallback);
    const int b1 = ReduceDegrees(DirectionAngle(circle.centre, line.a));
    const int b2 = ReduceDegrees(DirectionAngle(circle.centre, line.b));
    DrawArc(editor.renderer.bitmapCanvas(), editor.doc.current, circle.centre, circle.radius, b1,
            b2);
    editor.renderer.PresentBitmap();
    if (editor.ui().askYesNo(QStringLiteral("Is this arc direction correct ?")))
        addArcRow(editor, circle.centre, b1, b2, circle.radius);
    else
        addArcRow(editor, circle.centre, b2, b1, circle.radius);
    editor.CancelTool();
}

} // namespace

void registerCircleCommands(Registrations& registrations)
{
    CommandRegistry& commands = registrations.commands;
    commands.add(QStringLiteral("Showcircleinfo1"), showCircleInfo);
    commands.add(QStringLiteral("mnucirpopmarkcir"), markCircleCentre);
    commands.add(QStringLiteral("mnumarkcirNpoints"), markEqualPoints);
    commands.add(QStringLiteral("mnuCirPopTagCircle"), tagCircle);
    commands.add(QStringLiteral("mnupoparcTagArc"), tagArc);
    commands.add(QStringLiteral("mnupoparcinfo"), showArcInfo);
    commands.add(QStringLiteral("mnupopComplementArc"), complementArc);
    commands.add(QStringLiteral("mnupoparcmirror"), mirrorArc);
    commands.add(QStringLiteral("mnupoparcmidpt"), markArcMidpoint);
    commands.add(QStringLiteral("mnupoparcmarkctr"), markArcCentre);
    commands.add(QStringLiteral("mnuarc2circle"), arcToCircle);
    commands.add(QStringLiteral("mnupoplineconcircle"), constructCircle);
    commands.add(QStringLiteral("mnupoplinesemicir"), constructSemicircle);
}

} // namespace kel
