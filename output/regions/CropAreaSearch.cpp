#include "output/regions/CropAreaSearch.h"

#include "interaction/core/Editor.h"
#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/TaggedRows.h"
#include "output/regions/InkCanvas.h"
#include "render/CurveMath.h"
#include "render/RasterCanvas.h"

#include <algorithm>
#include <cmath>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstdlib>
#include <limits>

namespace kel {

namespace {

constexpr qint64 kFar = std::numeric_limits<int>::max();

// A box of pixels, both ends included; empty when right < left.
struct Box {
    qint64 left = 0, top = 0, right = -1, bottom = -1;

    bool empty() const { return right < left || bottom < top; }
    Box meet(const Box& other) const
    {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
    bool inside(const Box& other) const
    {
        return left >= other.left && top >= other.top && right <= other.right &&
               bottom <= other.bottom;
    }
};

const Box kEverywhere{-kFar, -kFar, kFar, kFar};
constexpr int kLargestMeasuredFont = 2000;
// Wider curves are drawn to find their ink rather than measured.
constexpr qint64 kMaxCurveColumns = 100000;

class AreaSearch {
public:
    AreaSearch(Editor& editor, const Box& window)
        : editor_(editor), table_(editor.doc.table),
          window_(window), whole_{0, 0, editor.renderer.bitmap().width() - 1,
                                  editor.renderer.bitmap().height() - 1},
          scratch_(editor.renderer.bitmap().size()), ink_(scratch_)
    {
    }

    bool holds(int row)
    {
        const Box bounds = boundsOf(row);
        const Box look = bounds.meet(window_);
        if (look.empty())
            return false;
        if (bounds.inside(window_))
            return true;
        draw(row, takeInk());
        return inkIn(look);
    }

private:
    // The picker's bounds; a text measured in its font and a polynomial
    // curve's columns where the picker does not tell.
    Box boundsOf(int row)
    {
        const ObjectPicker::Bounds& known = editor_.picker.bounds(row);
        if (!known.unbounded)
            return {known.left, known.top, known.right, known.bottom};
        switch (RowKind(table_, row).value_or(RecordKind::Label)) {
        case RecordKind::Text:
            return textBounds(row);
        case RecordKind::Polynomial:
            return curveBounds(row);
        default:
            return kEverywhere;
        }
    }

    // A text at angle 0 stands on its anchor; turned, it hangs from it and
    // stays within its cell's width plus twice its height of the anchor.
    Box textBounds(int row)
    {
        using namespace col::text;
        CanvasFont font;
        font.name = table_.cell(Font, row);
        font.size = table_.intCell(Size, row, fallback::TextSize);
        font.bold = font.italic = true;
        if (font.size < 1 || font.size > kLargestMeasuredFont)
            return kEverywhere;
        scratch_.setFont(font);
        const QSize extent = scratch_.textExtent(table_.cell(Text, row));
        const qint64 width = extent.width(), height = extent.height();
        const qint64 x = table_.intCell(X, row, fallback::Coordinate);
        const qint64 y = table_.intCell(Y, row, fallback::Coordinate);
        if (table_.intCell(Angle, row, fallback::Angle) == 0)
            return {x - height, y - 2 * height - 4, x + width + height, y + height + 4};
        const qint64 reach = width + 2 * height + 8;
        return {x - reach, y - reach, x + reach, y + reach};
    }

    // The graph has one vertex per column between the outermost x of its
    // points: its height is the range of those vertices.
    Box curveBounds(int row)
    {
        const std::vector<int> numbers = ParseNumberList(table_.cell(col::list::Points, row));
        std::vector<QPoint> points;
        for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
            points.emplace_back(numbers[i], numbers[i + 1]);
        const std::optional<Polynomial> c =
            points.size() <= kMaxPolynomialPoints ? PolynomialCoefficients(points) : std::nullopt;
        if (points.size() < 2 || !c)
            return kEverywhere;
        const auto [lowest, highest] = std::minmax_element(
            points.begin(), points.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
        if (qint64(highest->x()) - lowest->x() > kMaxCurveColumns)
            return kEverywhere;
        const int degree = PolynomialDegree(*c);
        long double top = lowest->y(), bottom = lowest->y();
        for (qint64 x = lowest->x(); x <= highest->x(); ++x) {
            const long double y = EvaluatePolynomial(*c, degree, static_cast<long double>(x));
            if (!std::isfinite(y) || std::fabs(y) > kFar)
                return kEverywhere;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        CurrentAttributes pen;
        ParsePenAttr(pen, table_.cell(col::Pen, row));
        const qint64 margin = std::max(pen.penWidth, 1) + 4;
        return {lowest->x() - margin, static_cast<qint64>(std::floor(top)) - margin,
                highest->x() + margin, static_cast<qint64>(std::ceil(bottom)) + margin};
    }

    // Every row drawn gets an ink of its own, so the ink of the rows before
    // it never needs clearing; when the inks run out the image starts white
    // again.
    Colour takeInk()
    {
        if (++nextInk_ >= kWhite) {
            nextInk_ = 1;
            scratch_.setBrush({kWhite, BrushStyle::Solid});
            scratch_.fillRect(0, 0, scratch_.size().width(), scratch_.size().height());
        }
        ink_.setInk(nextInk_);
        return nextInk_;
    }

    void draw(int row, Colour ink)
    {
        inkPixel_ = 0xFF000000u | ((ink & 0xFFu) << 16) | (ink & 0xFF00u) | ((ink >> 16) & 0xFFu);
        if (RowKind(table_, row) != RecordKind::Fill) {
            editor_.renderer.drawRow(ink_, row);
            return;
        }
        // A fill counts at its seed: two short strokes, not the filled area.
        const int x = table_.intCell(col::fill::X, row, fallback::Coordinate);
        const int y = table_.intCell(col::fill::Y, row, fallback::Coordinate);
        ink_.setPen({kBlack, 0, PenStyle::Solid});
        ink_.line({x - 3, y}, {x + 3, y});
        ink_.line({x, y - 2}, {x, y + 2});
    }

    // Whether the last row drawn left ink in the box.
    bool inkIn(const Box& look) const
    {
        const QImage& image = scratch_.image();
        const Box box = look.meet(whole_);
        for (qint64 y = box.top; y <= box.bottom; ++y) {
            const auto* line =
                reinterpret_cast<const std::uint32_t*>(image.constScanLine(static_cast<int>(y)));
            if (holdsInk(line + box.left, line + box.right + 1))
                return true;
        }
        return false;
    }

    // Four pixels at a time where the processor compares them at once.
    bool holdsInk(const std::uint32_t* from, const std::uint32_t* to) const
    {
#ifdef __SSE2__
        const __m128i ink = _mm_set1_epi32(static_cast<int>(inkPixel_));
        for (; to - from >= 4; from += 4) {
            const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
            if (_mm_movemask_epi8(_mm_cmpeq_epi32(pixels, ink)) != 0)
                return true;
        }
#endif
        for (; from < to; ++from) {
            if (*from == inkPixel_)
                return true;
        }
        return false;
    }

    Editor& editor_;
    const ObjectTable& table_;
    Box window_;
    Box whole_;
    RasterCanvas scratch_;
    InkCanvas ink_;
    Colour nextInk_ = 0;
    // The last ink as the image stores it (0xFFRRGGBB).
    std::uint32_t inkPixel_ = 0;
};

} // namespace

CropArea CropArea::spanning(QPoint a, QPoint b)
{
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
            std::max(a.y(), b.y())};
}

int FindObjectsInCropArea(Editor& editor, const CropArea& area)
{
    ObjectTable& table = editor.doc.table;
    ClearAllTags(table);
    const QImage& bitmap = editor.renderer.bitmap();
    const Box window = Box{area.left, area.top, area.right, area.bottom}.meet(
        {0, 0, bitmap.width() - 1, bitmap.height() - 1});
    if (window.empty())
        return 0;
    AreaSearch search(editor, window);
    std::vector<int> found;
    const int last = table.lastRowInUse();
    for (int row = 1; row <= last; ++row) {
        if (table.cell(col::State, row) == QLatin1String("Y") && search.holds(row))
            found.push_back(row);
    }
    ObjectTable::BulkUpdate bulk(table);
    for (const int row : found)
        table.setCell(col::Tag, row, kTagMark);
    return static_cast<int>(found.size());
}

} // namespace kel
