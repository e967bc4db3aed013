#include "model/Rounding.h"

#include <cmath>
#include <limits>

namespace kel {

std::optional<int> RoundToInt(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // rint follows the default rounding mode: nearest, ties to even.
    const double rounded = std::rint(value);
    if (rounded < static_cast<double>(std::numeric_limits<int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace kel
