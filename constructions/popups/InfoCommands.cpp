// The items that report on an object: the centre of an ellipse as a point,
// the points of a polynomial curve and its coefficients on the clipboard.

#include "constructions/popups/PopupCommands.h"

#include "figures/TableCells.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"
#include "render/CurveMath.h"

#include <QStringList>

namespace kel {

namespace {

using popups::pickedRowOf;

// What an unreadable number of a curve's point list counts as here.
constexpr int kPointFallback = 10;

void markEllipseCentre(Editor& editor)
{
    const std::optional<int> row = pickedRowOf(editor, {RecordKind::Ellipse});
    if (!row) {
        editor.ui().message(QStringLiteral("Object is not Ellipse"));
        return;
    }
    const ObjectTable& table = editor.doc.table;
    const QPoint c1 = cells::Point(table, col::box::X1, *row, fallback::Coordinate);
    const QPoint c2 = cells::Point(table, col::box::X2, *row, fallback::Coordinate);
    const QPoint centre = midPoint(c1, c2);
    AddPointRow(editor.doc, centre.x(), centre.y());
    editor.CancelTool();
}

// The picked curve's points, x and y paired in list order.
std::optional<std::vector<QPoint>> pickedCurvePoints(const Editor& editor)
{
    const std::optional<int> row = pickedRowOf(editor, {RecordKind::Polynomial});
    if (!row)
        return std::nullopt;
    std::vector<int> numbers;
    const QStringList pieces =
        editor.doc.table.cell(col::list::Points, *row).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        bool ok = false;
        const int value = piece.toInt(&ok);
        numbers.push_back(ok ? value : kPointFallback);
    }
    std::vector<QPoint> points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        points.emplace_back(numbers[i], numbers[i + 1]);
    return points;
}

void showPoints(Editor& editor)
{
    const std::optional<std::vector<QPoint>> points = pickedCurvePoints(editor);
    if (!points)
        return;
    QString text;
    for (const QPoint p : *points) {
        AddPointRow(editor.doc, p.x(), p.y());
        text += QStringLiteral(" x=%1   y=%2\r").arg(p.x()).arg(p.y());
    }
    editor.RedrawAll();
    editor.ui().setClipboardText(text);
    editor.ui().message(text + QStringLiteral("\r\nCopied to clipboard"));
}

void showCoefficients(Editor& editor)
{
    const std::optional<std::vector<QPoint>> points = pickedCurvePoints(editor);
    if (!points)
        return;
    const std::optional<Polynomial> c = PolynomialCoefficients(*points);
    if (!c) {
        editor.ui().message(
            QStringLiteral("No polynomial goes through these points: two of them share an x"));
        return;
    }
    QString text;
    const int degree = PolynomialDegree(*c);
    for (int i = 0; i <= degree; ++i)
        text += QStringLiteral("%1X%2 + ").arg(QString::number((*c)[i], 'g', 15)).arg(i);
    editor.ui().setClipboardText(text);
    editor.ui().message(QStringLiteral("Polynomial coefficients copied to clipboard\r\n") + text);
}

} // namespace

void registerInfoCommands(Registrations& registrations)
{
    CommandRegistry& commands = registrations.commands;
    commands.add(QStringLiteral("popOtherMarkCenter"), markEllipseCentre);
    commands.add(QStringLiteral("popPolynomialShowPoints"), showPoints);
    commands.add(QStringLiteral("mnuShowPolyCoefc"), showCoefficients);
}

} // namespace kel
