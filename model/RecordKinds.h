#pragma once
// The record kinds of object rows: the type letter of column 2 decides the
// kind, and the kind decides what columns 3..10 hold. Code names a field by
// its column constant here instead of a bare number, and asks the kind table
// for what each kind is (its family of shapes, what stands in column 3, which
// key points it offers, how its row is described) instead of switching over
// letters.

#include "model/ObjectTable.h"

#include <QChar>
#include <QString>

#include <optional>
#include <span>

namespace kel {

// The type letters; case matters.
enum class RecordKind : char16_t {
    Point = u'P',
    Line = u'L',
    Rectangle = u'R',
    RoundRect = u'1',
    FocusRect = u'2',
    Ellipse = u'E',
    Circle = u'C',
    Arc = u'A',
    Grid = u'D',
    Fill = u'F',
    Bezier = u'B',
    Polyline = u'G',
    Polygon = u'N',
    Polynomial = u'K',
    Text = u'T',
    Label = u'h',
    Block = u'b',
    EmfPicture = u'f',
    JpgPicture = u'j',
    BitmapPicture = u'x',
};

// The columns of the fields, per kind. Columns 0, 1, 2 and 11 are the same
// for every row.
namespace col {
inline constexpr int Number = kNumberColumn;
inline constexpr int State = kStateColumn;
inline constexpr int Type = kTypeColumn;
inline constexpr int Tag = kTagColumn;
// The pen string of most kinds (see Column3); the renderer reads column 3
// this way for every kind but text.
inline constexpr int Pen = 3;

namespace point {
inline constexpr int Shape = 3, X = 4, Y = 5;
}
namespace line {
inline constexpr int Pen = 3, X1 = 4, Y1 = 5, X2 = 6, Y2 = 7;
}
// Rectangles, focus rectangles and ellipses: two corners of the box.
namespace box {
inline constexpr int Pen = 3, X1 = 4, Y1 = 5, X2 = 6, Y2 = 7;
}
// A negative corner size means filled, with the brush beside it.
namespace roundRect {
inline constexpr int Pen = 3, X1 = 4, Y1 = 5, X2 = 6, Y2 = 7, Corner = 8, Brush = 9;
}
// A radius of 0 or below means filled, with the brush beside it.
namespace circle {
inline constexpr int Pen = 3, CentreX = 4, CentreY = 5, Radius = 6, Brush = 7;
}
namespace arc {
inline constexpr int Pen = 3, CentreX = 4, CentreY = 5, Start = 6, End = 7, Radius = 8;
}
namespace grid {
inline constexpr int Pen = 3, Left = 4, Bottom = 5, Cells = 6, CellSize = 7;
}
// Column 3 holds the fill colour and brush style in the pen string layout.
namespace fill {
inline constexpr int Attributes = 3, X = 4, Y = 5, Border = 6;
}
// Bezier curves, polylines, polygons and polynomial curves.
namespace list {
inline constexpr int Pen = 3, Points = 4;
}
namespace polygon {
inline constexpr int Pen = 3, Points = 4, Brush = 5;
}
namespace text {
inline constexpr int X = 3, Y = 4, Size = 5, Colour = 6, Style = 7, Font = 8, Text = 9, Angle = 10;
}
namespace label {
inline constexpr int Pen = 3, X = 4, Y = 5, Brush = 6, Font = 7, Size = 8, Text = 9, Angle = 10;
}
// The block's colour is decimal; its corners have no default.
namespace block {
inline constexpr int Colour = 3, X1 = 4, Y1 = 5, X2 = 6, Y2 = 7;
}
// Column 3 is the zoom of metafiles, "0" for the other pictures.
namespace picture {
inline constexpr int Zoom = 3, X = 4, Y = 5, Data = 6;
}
} // namespace col

// What readers take for an empty or unreadable numeric cell.
namespace fallback {
inline constexpr int Coordinate = 100;
inline constexpr int Size = 100; // radii, corners, grid cells, zoom
inline constexpr int ArcStart = 30;
inline constexpr int ArcEnd = 90;
inline constexpr int TextSize = 8;
inline constexpr int LabelSize = 12;
inline constexpr int TextStyle = 0;
inline constexpr int Angle = 0;
inline constexpr int PointShape = 0;
inline constexpr int BlockColour = 0;
} // namespace fallback

// Kinds that are drawn, picked and measured alike.
enum class KindFamily : unsigned char {
    Point,
    TwoCorners, // lines and the boxed shapes: columns 4..7
    Circle,
    Arc,
    Grid,
    Fill,
    Bezier,    // exactly four stored points
    PointList, // polylines and polygons
    Polynomial,
    Text,
    Label,
    Block,
    Picture,
};

// What column 3 holds.
enum class Column3 : unsigned char {
    Pen,
    FillAttributes, // in the pen string layout
    PointShape,
    Position, // the text record's x: the one record without a pen
    BlockColour,
    Zoom,
    Zero,
};

// The points the snap search offers for a record.
enum class KeyPoints : unsigned char {
    None,
    LineEnds,  // columns 4, 5 and 6, 7
    ArcEnds,   // both ends on the circle
    Vertices,  // every point of the list
    CurveEnds, // the first and last point of the list
    GridNodes,
    Anchor, // columns 4, 5
};

struct RecordKindInfo {
    RecordKind kind;
    const char* name;
    KindFamily family;
    Column3 column3;
    KeyPoints keyPoints;
    // The fixed start of the row description and the columns shown after
    // it, joined by blanks; no description when null.
    const char* description;
    std::span<const int> describedColumns;
};

// All twenty kinds.
std::span<const RecordKindInfo> RecordKinds();

// The kind of a type letter, or nothing for a letter no record has.
std::optional<RecordKind> RecordKindOf(QChar letter);
// The kind of a row by the first character of its type column; nothing for
// an empty or unknown type.
std::optional<RecordKind> RowKind(const ObjectTable& table, int row);

const RecordKindInfo& KindInfo(RecordKind kind);
// Null for an empty or unknown type.
const RecordKindInfo* RowKindInfo(const ObjectTable& table, int row);

constexpr QChar KindLetter(RecordKind kind)
{
    return QChar(static_cast<char16_t>(kind));
}
// The type column text of new rows of the kind.
QString KindText(RecordKind kind);

} // namespace kel
