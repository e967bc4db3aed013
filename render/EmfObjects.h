#pragma once
// The device-context records both metafile players follow (saved states,
// the background, the fill rule and arc direction, the current position,
// selecting and deleting objects, creating pens, brushes and fonts), read
// once with their bounds checks into plain descriptions. Each player turns
// a description into its own state and objects.

#include "model/Canvas.h"
#include "render/EmfData.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace kel::emfobjects {

// Colours stay metafile colours (red in the low byte); each player makes
// its own colour of them.

// A pen of CreatePen.
struct LogPen {
    std::uint32_t style = 0; // dash, end cap, join and type bits
    std::int32_t width = 0;  // logical units
    std::uint32_t colour = 0;
    std::uint32_t dash() const;
};

// A pen of ExtCreatePen.
struct ExtLogPen {
    std::uint32_t style = 0;
    std::uint32_t width = 0;
    std::uint32_t brushStyle = 0; // what the pen is painted with
    std::uint32_t colour = 0;
    // The pen's own dashes and gaps, for a user style of at most 64 entries
    // that fit in the record; empty otherwise.
    std::vector<std::uint32_t> userDashes;
    std::uint32_t dash() const;
    // A geometric pen of a sensible width wider than one unit.
    bool wide() const;
};

// A brush of CreateBrushIndirect: a solid colour, none (Clear) or a hatch
// in the colour.
struct LogBrush {
    BrushStyle style = BrushStyle::Solid;
    std::uint32_t colour = 0;
};

// Where a pattern brush's bitmap lies in its record.
struct PatternBrush {
    std::uint32_t bmiOffset = 0, bmiSize = 0, bitsOffset = 0, bitsSize = 0;
};

// A font of ExtCreateFontIndirectW.
struct LogFont {
    std::int32_t height = 0; // negative: the character height
    std::int32_t escapement = 0;
    std::int32_t weight = 0;
    bool italic = false, underline = false, strikeOut = false;
    QString face; // empty when the record names none
};

struct SaveState {};
struct RestoreState {
    std::int32_t n; // negative: that many states back; positive: the n-th saved
};
struct BackMode {
    bool opaque;
};
struct FillMode {
    bool winding;
};
struct ArcDirection {
    bool clockwise;
};
struct BackColour {
    std::uint32_t colour;
};
struct MoveTo {
    std::int32_t x, y;
};
struct Select {
    std::uint32_t handle; // a table index or a stock object (see StockNumber)
};
struct Delete {
    std::uint32_t handle;
};
// A new object for the table at `index`.
struct Create {
    std::uint32_t index;
    std::variant<LogPen, ExtLogPen, LogBrush, PatternBrush, LogFont> object;
};
// A record of these types whose fields do not fit in it.
struct Unreadable {
    std::uint32_t type;
};
using Record = std::variant<Unreadable, SaveState, RestoreState, BackMode, FillMode, ArcDirection,
                            BackColour, MoveTo, Select, Delete, Create>;

// The record's description; nothing for records of other types.
std::optional<Record> Decode(const EmfRecord& r);

// The stock object a handle names (WHITE_BRUSH is 0, NULL_PEN 8, the fonts
// 10 to 17); nothing for a handle into the object table.
std::optional<std::uint32_t> StockNumber(std::uint32_t handle);

// A playback's object table: records create objects at an index (never 0)
// and select and delete them by handle; handles past the end are ignored.
template <class Object> class HandleTable {
public:
    void resize(std::size_t size) { objects_.resize(size); }
    void store(std::uint32_t index, Object object)
    {
        if (index != 0 && index < objects_.size())
            objects_[index] = std::move(object);
    }
    void erase(std::uint32_t handle)
    {
        if (handle < objects_.size())
            objects_[handle] = Object{};
    }
    // Nothing for a handle past the end.
    const Object* find(std::uint32_t handle) const
    {
        return handle < objects_.size() ? &objects_[handle] : nullptr;
    }

private:
    std::vector<Object> objects_;
};

// Lambdas for std::visit, one per alternative.
template <class... F> struct Handlers : F... {
    using F::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14).
template <class... F> Handlers(F...) -> Handlers<F...>;

} // namespace kel::emfobjects
