#include "figures/SplitPair.h"

namespace kel {

std::optional<TextPair> SplitPair(const QString& text)
{
    constexpr qsizetype kMaxPart = 20;
    const qsizetype at = text.indexOf(u';');
    if (at < 0)
        return std::nullopt;
    return TextPair{text.left(at).left(kMaxPart), text.mid(at + 1).left(kMaxPart)};
}

} // namespace kel
