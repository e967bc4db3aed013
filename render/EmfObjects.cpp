#include "render/EmfObjects.h"

#include <uemf.h>

#include <cstddef>

namespace kel::emfobjects {

namespace {

constexpr std::uint32_t kStockObject = 0x80000000u;
constexpr std::uint32_t kMaxUserDashes = 64;

BrushStyle HatchStyle(std::uint32_t hatch)
{
    switch (hatch) {
    case U_HS_HORIZONTAL:
        return BrushStyle::Horizontal;
    case U_HS_VERTICAL:
        return BrushStyle::Vertical;
    case U_HS_FDIAGONAL:
        return BrushStyle::ForwardDiagonal; // "\" falling to the right on the screen
    case U_HS_BDIAGONAL:
        return BrushStyle::BackwardDiagonal;
    case U_HS_CROSS:
        return BrushStyle::Cross;
    default:
        return BrushStyle::DiagonalCross;
    }
}

std::optional<LogPen> ReadPen(const EmfRecord& r)
{
    const auto style = r.u32(12), colour = r.u32(24);
    const auto width = r.i32(16);
    if (!style || !width || !colour)
        return std::nullopt;
    return LogPen{*style, *width, *colour};
}

std::optional<ExtLogPen> ReadExtPen(const EmfRecord& r)
{
    const qsizetype elp = offsetof(U_EMREXTCREATEPEN, elp);
    const auto style = r.u32(elp), width = r.u32(elp + 4), brushStyle = r.u32(elp + 8),
               colour = r.u32(elp + 12), entries = r.u32(elp + 20);
    if (!style || !width || !brushStyle || !colour || !entries)
        return std::nullopt;
    ExtLogPen pen{*style, *width, *brushStyle, *colour, {}};
    if (pen.dash() == U_PS_USERSTYLE && *entries > 0 && r.holds(elp + 24, *entries, 4) &&
        *entries <= kMaxUserDashes)
        for (std::uint32_t i = 0; i < *entries; ++i)
            pen.userDashes.push_back(r.u32(elp + 24 + 4 * i).value_or(1));
    return pen;
}

std::optional<LogBrush> ReadBrush(const EmfRecord& r)
{
    const auto style = r.u32(12), colour = r.u32(16), hatch = r.u32(20);
    if (!style || !colour || !hatch)
        return std::nullopt;
    LogBrush brush{BrushStyle::Solid, *colour};
    if (*style == U_BS_NULL)
        brush.style = BrushStyle::Clear;
    else if (*style == U_BS_HATCHED)
        brush.style = HatchStyle(*hatch);
    return brush;
}

std::optional<PatternBrush> ReadPatternBrush(const EmfRecord& r)
{
    const qsizetype bmi = offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBmi),
                    bits = offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBits);
    const auto offBmi = r.u32(bmi), cbBmi = r.u32(bmi + 4), offBits = r.u32(bits),
               cbBits = r.u32(bits + 4);
    if (!offBmi || !cbBmi || !offBits || !cbBits)
        return std::nullopt;
    return PatternBrush{*offBmi, *cbBmi, *offBits, *cbBits};
}

std::optional<LogFont> ReadFont(const EmfRecord& r)
{
    const qsizetype lf = offsetof(U_EMREXTCREATEFONTINDIRECTW, elfw);
    const qsizetype faceName = lf + offsetof(U_LOGFONT, lfFaceName);
    const auto height = r.i32(lf), escapement = r.i32(lf + 8), weight = r.i32(lf + 16);
    const auto italic = r.u8(lf + 20), underline = r.u8(lf + 21), strike = r.u8(lf + 22);
    if (!height || !escapement || !weight || !italic || !underline || !strike ||
        !r.holds(faceName, U_LF_FACESIZE, 2))
        return std::nullopt;
    LogFont font{*height, *escapement, *weight, *italic != 0, *underline != 0, *strike != 0, {}};
    for (int i = 0; i < U_LF_FACESIZE; ++i) {
        const std::uint16_t c = r.u16(faceName + 2 * i).value_or(0);
        if (c == 0)
            break;
        font.face += QChar(c);
    }
    return font;
}

template <class Object>
std::optional<Record> Created(const EmfRecord& r, std::optional<Object> (*read)(const EmfRecord&))
{
    const auto index = r.u32(8);
    const std::optional<Object> object = index ? read(r) : std::nullopt;
    if (!object)
        return Unreadable{r.type()};
    return Create{*index, *object};
}

} // namespace

std::uint32_t LogPen::dash() const
{
    return style & U_PS_STYLE_MASK;
}

std::uint32_t ExtLogPen::dash() const
{
    return style & U_PS_STYLE_MASK;
}

bool ExtLogPen::wide() const
{
    return (style & U_PS_TYPE_MASK) == U_PS_GEOMETRIC && width > 1 && width < 1'000'000;
}

std::optional<std::uint32_t> StockNumber(std::uint32_t handle)
{
    if (!(handle & kStockObject))
        return std::nullopt;
    return handle & ~kStockObject;
}

std::optional<Record> Decode(const EmfRecord& r)
{
    switch (r.type()) {
    case U_EMR_SAVEDC:
        return SaveState{};
    case U_EMR_RESTOREDC:
        return RestoreState{r.i32(8).value_or(0)};
    case U_EMR_SETBKMODE:
        return BackMode{r.u32(8) == std::optional<std::uint32_t>(U_OPAQUE)};
    case U_EMR_SETPOLYFILLMODE:
        return FillMode{r.u32(8) == std::optional<std::uint32_t>(U_WINDING)};
    case U_EMR_SETARCDIRECTION:
        return ArcDirection{r.u32(8) == std::optional<std::uint32_t>(U_AD_CLOCKWISE)};
    case U_EMR_SETBKCOLOR:
        if (const auto c = r.u32(8))
            return BackColour{*c};
        break;
    case U_EMR_MOVETOEX:
        if (const auto x = r.i32(8), y = r.i32(12); x && y)
            return MoveTo{*x, *y};
        break;
    case U_EMR_SELECTOBJECT:
        if (const auto handle = r.u32(8))
            return Select{*handle};
        break;
    case U_EMR_DELETEOBJECT:
        if (const auto handle = r.u32(8))
            return Delete{*handle};
        break;
    case U_EMR_CREATEPEN:
        return Created(r, &ReadPen);
    case U_EMR_EXTCREATEPEN:
        return Created(r, &ReadExtPen);
    case U_EMR_CREATEBRUSHINDIRECT:
        return Created(r, &ReadBrush);
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_CREATEMONOBRUSH:
        return Created(r, &ReadPatternBrush);
    case U_EMR_EXTCREATEFONTINDIRECTW:
        return Created(r, &ReadFont);
    default:
        return std::nullopt;
    }
    return Unreadable{r.type()};
}

} // namespace kel::emfobjects
