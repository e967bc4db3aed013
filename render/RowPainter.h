#pragma once
// Reads one object row and draws it with the drawers: the per-type rules the
// full redraw, the crop-area replay and the row highlight share.
//
// A row that cannot be drawn (no type letter, a block corner that is not a
// whole number, picture text that does not decode, a curve with the wrong
// number of points, a coordinate that leaves the 32-bit range after the crop
// shift) is left out and the reason given back; the caller goes on with the
// next row.

#include "model/Attributes.h"
#include "model/Canvas.h"
#include "model/ObjectTable.h"
#include "model/RecordKinds.h"
#include "render/PictureDrawers.h"

#include <QPoint>
#include <QString>

#include <array>
#include <optional>

namespace kel {

enum class RowMode {
    Draw,
    // The row once more in the highlight colour (red, or black for a red
    // row) with a pen one wider; points, polygons, circles, fills, texts and
    // metafile pictures are marked in their own ways, bordered labels and
    // JPEG pictures not.
    Highlight
};

class RowPainter {
public:
    RowPainter(const ObjectTable& table, CurrentAttributes& current, PictureCache& pictures);

    // Every coordinate read from a row is shifted by minus this.
    void setOffset(QPoint offset) { offset_ = offset; }

    // Draws the row, which the caller has found in use and visible. Changes
    // the current attributes as the row's attribute strings say; the caller
    // saves and restores them. Gives why the row was left out, if it was.
    std::optional<QString> draw(Canvas& canvas, int row, RowMode mode = RowMode::Draw);

private:
    struct Problem {
        QString text;
    };

    void drawKind(Canvas& canvas, RecordKind kind, RowMode mode);
    void drawPoint(Canvas& canvas, RowMode mode);
    void drawRoundRect(Canvas& canvas, RowMode mode);
    void drawCircle(Canvas& canvas, RowMode mode);
    void drawFill(Canvas& canvas, RowMode mode);
    void drawPolygon(Canvas& canvas, RowMode mode);
    void drawBlock(Canvas& canvas);
    void drawPicture(Canvas& canvas, RecordKind kind, RowMode mode);

    // The text and curve drawers read their rows themselves and say why
    // they left one out.
    void leaveOutIf(const std::optional<QString>& reason) const;
    const QString& cell(int column) const { return table_.cell(column, row_); }
    int number(int column, int defaultValue) const;
    // A whole number or a Problem; for cells that have no default.
    int strictNumber(int column) const;
    // A coordinate with the crop shift applied.
    int coordinate(int column, int defaultValue, bool vertical) const;
    QPoint point(int xColumn, int yColumn) const;
    // Columns 4..7 of lines and boxed shapes.
    QPoint firstCorner() const;
    QPoint secondCorner() const;
    std::vector<QPoint> pointList(int column) const;
    int shifted(long long value, bool vertical) const;

    const ObjectTable& table_;
    CurrentAttributes& current_;
    PictureCache& pictures_;
    QPoint offset_;
    int row_ = 0;
    Colour highlight_ = 0;
    int ownPenWidth_ = 0;
    // Most rows share a few pen attribute strings: the last ones read.
    struct ReadPen {
        QString text;
        Colour colour = kBlack;
        int width = 0;
    };
    std::array<ReadPen, 8> readPens_;
    size_t readPensUsed_ = 0;
    size_t nextReadPen_ = 0;
    void parsePen(const QString& text);
};

} // namespace kel
