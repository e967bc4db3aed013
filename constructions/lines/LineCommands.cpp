// The line popup's commands that act at once: mark the midpoint, divide
// into N parts, measure length and direction.

#include "constructions/lines/LineSupport.h"
#include "constructions/lines/LineTools.h"

#include "figures/LineDivisions.h"
#include "figures/Measures.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace linetools;

const QString kNotLine = QStringLiteral("Object NOT line(L)");
constexpr int kMinSegments = 2;
constexpr int kMaxSegments = 99;
constexpr int kStraightAngle = 180;

void markMidPoint(Editor& editor)
{
    if (!pickedIsLine(editor, false)) {
        editor.ui().message(kNotLine);
        return;
    }
    const LineSegment line = pickedLine(editor, kHundredFallback);
    const QPoint m = midPoint(line.a, line.b);
    AddPointRow(editor.doc, m.x(), m.y());
    editor.RedrawAll();
}

void divideIntoN(Editor& editor)
{
    if (!pickedIsLine(editor, false)) {
        editor.ui().message(kNotLine);
        return;
    }
    const QString answer =
        editor.ui().inputBox(QStringLiteral("Number of segments lines to be divided"),
                             QStringLiteral("Enter value<100 "), QStringLiteral("3"));
    // The whole answer must be a count in range; anything else changes nothing.
    const std::optional<int> n = wholeNumberIn(answer, kMinSegments, kMaxSegments);
    if (!n)
        return;
    const LineSegment line = pickedLine(editor, kEndsFallback);
    for (const QPoint p : DivisionPoints(line.a, line.b, *n))
        AddPointRow(editor.doc, p.x(), p.y());
    editor.RedrawAll();
}

void measureLine(Editor& editor)
{
    const LineSegment line = pickedLine(editor, kHundredFallback);
    const int length = distance(line.a, line.b);
    int angle = DirectionAngle(line.a, line.b);
    if (angle > kStraightAngle)
        angle -= kStraightAngle;
    editor.ui().message(
        QStringLiteral("Length of line is=%1   Horizontal Angle=%2").arg(length).arg(angle));
}

} // namespace

void registerLineCommands(Registrations& registrations)
{
    CommandRegistry& commands = registrations.commands;
    commands.add(QStringLiteral("mnupopMarklinemidpoint"), markMidPoint);
    commands.add(QStringLiteral("mnopoplineDivN"), divideIntoN);
    commands.add(QStringLiteral("mnulineactmesure"), measureLine);
}

} // namespace kel
