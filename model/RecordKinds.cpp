#include "model/RecordKinds.h"

#include <array>
#include <cstddef>

namespace kel {

namespace {

using F = KindFamily;
using C3 = Column3;
using K = KeyPoints;
using R = RecordKind;

// Lines and the boxed shapes keep their two points in the same columns, so
// they are measured and picked alike.
static_assert(col::line::X1 == col::box::X1 && col::line::Y2 == col::box::Y2 &&
              col::roundRect::X1 == col::box::X1 && col::roundRect::Y2 == col::box::Y2);

// Points are read as an x column and the y in the next one.
static_assert(col::point::Y == col::point::X + 1 && col::box::Y1 == col::box::X1 + 1 &&
              col::box::Y2 == col::box::X2 + 1 &&
              col::circle::CentreY == col::circle::CentreX + 1 &&
              col::arc::CentreY == col::arc::CentreX + 1 &&
              col::grid::Bottom == col::grid::Left + 1 && col::fill::Y == col::fill::X + 1 &&
              col::text::Y == col::text::X + 1 && col::label::Y == col::label::X + 1 &&
              col::picture::Y == col::picture::X + 1);

constexpr int kCorners[] = {col::box::X1, col::box::Y1, col::box::X2, col::box::Y2};
constexpr int kArcCells[] = {col::arc::CentreX, col::arc::CentreY, col::arc::Start, col::arc::End,
                             col::arc::Radius};
constexpr int kCircleCells[] = {col::circle::CentreX, col::circle::CentreY, col::circle::Radius};
constexpr int kGridCells[] = {col::grid::Left, col::grid::Bottom, col::grid::Cells,
                              col::grid::CellSize};
constexpr int kFillCells[] = {col::fill::X, col::fill::Y, col::fill::Attributes, col::fill::Border};
constexpr int kPointCells[] = {col::point::X, col::point::Y};
constexpr int kTextCells[] = {col::text::X,     col::text::Y,     col::text::Size,
                              col::text::Style, col::text::Angle, col::text::Text};

constexpr std::array<RecordKindInfo, 20> kKinds = {{
    {R::Point, "point record", F::Point, C3::PointShape, K::Anchor, "Point x y ", kPointCells},
    {R::Line, "line record", F::TwoCorners, C3::Pen, K::LineEnds, "Line  x1 y1 x2 y2 ", kCorners},
    {R::Rectangle, "rectangle record", F::TwoCorners, C3::Pen, K::None, "Rect  x1 y1 x2 y2 ",
     kCorners},
    {R::RoundRect, "round rectangle record", F::TwoCorners, C3::Pen, K::None,
     "Round Rect  x1 y1 x2 y2 ", kCorners},
    {R::FocusRect, "focus rectangle record", F::TwoCorners, C3::Pen, K::None,
     "Focus Rect  x1 y1 x2 y2 ", kCorners},
    {R::Ellipse, "ellipse record", F::TwoCorners, C3::Pen, K::None, "Ellipse x1 y1 x2 y2 ",
     kCorners},
    {R::Circle, "circle record", F::Circle, C3::Pen, K::None, "Circle x y R ", kCircleCells},
    {R::Arc, "arc record", F::Arc, C3::Pen, K::ArcEnds, "Arc x y ang1 ang2 R ", kArcCells},
    {R::Grid, "grid record", F::Grid, C3::Pen, K::GridNodes, "Grid x y tot dim ", kGridCells},
    {R::Fill, "fill record", F::Fill, C3::FillAttributes, K::Anchor, "Fill x y style border ",
     kFillCells},
    {R::Bezier, "Bezier curve record", F::Bezier, C3::Pen, K::CurveEnds, "Curve ", {}},
    {R::Polyline, "polyline record", F::PointList, C3::Pen, K::Vertices, "PolyLine ", {}},
    {R::Polygon, "polygon record", F::PointList, C3::Pen, K::Vertices, nullptr, {}},
    {R::Polynomial, "polynomial curve record", F::Polynomial, C3::Pen, K::CurveEnds, nullptr, {}},
    {R::Text, "text record", F::Text, C3::Position, K::None, "Text x y size style angle text ",
     kTextCells},
    {R::Label, "bordered label record", F::Label, C3::Pen, K::None, nullptr, {}},
    {R::Block, "block record", F::Block, C3::BlockColour, K::None, nullptr, {}},
    {R::EmfPicture, "EMF picture record", F::Picture, C3::Zoom, K::None, nullptr, {}},
    {R::JpgPicture, "JPG picture record", F::Picture, C3::Zero, K::None, nullptr, {}},
    {R::BitmapPicture, "bitmap picture record", F::Picture, C3::Zero, K::None, nullptr, {}},
}};

// Every letter is ASCII: the entry of each letter, -1 for the others. The
// searches look a row's kind up on every pointer move.
constexpr std::size_t kAscii = 128;
constexpr std::array<signed char, kAscii> kEntryOfLetter = [] {
    std::array<signed char, kAscii> entries{};
    entries.fill(-1);
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        entries[static_cast<std::size_t>(kKinds[i].kind)] = static_cast<signed char>(i);
    return entries;
}();

int EntryOf(QChar letter)
{
    const char16_t c = letter.unicode();
    return c < kAscii ? kEntryOfLetter[c] : -1;
}

} // namespace

std::span<const RecordKindInfo> RecordKinds()
{
    return kKinds;
}

std::optional<RecordKind> RecordKindOf(QChar letter)
{
    const int entry = EntryOf(letter);
    if (entry < 0)
        return std::nullopt;
    return kKinds[static_cast<std::size_t>(entry)].kind;
}

std::optional<RecordKind> RowKind(const ObjectTable& table, int row)
{
    const QString& type = table.cell(col::Type, row);
    if (type.isEmpty())
        return std::nullopt;
    return RecordKindOf(type.front());
}

const RecordKindInfo& KindInfo(RecordKind kind)
{
    return kKinds[static_cast<std::size_t>(EntryOf(KindLetter(kind)))];
}

const RecordKindInfo* RowKindInfo(const ObjectTable& table, int row)
{
    const QString& type = table.cell(col::Type, row);
    if (type.isEmpty())
        return nullptr;
    const int entry = EntryOf(type.front());
    return entry < 0 ? nullptr : &kKinds[static_cast<std::size_t>(entry)];
}

QString KindText(RecordKind kind)
{
    return QString(KindLetter(kind));
}

} // namespace kel
