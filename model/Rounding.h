#pragma once
// Real results become pixels, lengths and degrees only through here: halves go
// to the even neighbour, and a value that is not a number or does not fit a
// 32-bit integer gives nothing instead of an undefined conversion.

#include <optional>

namespace kel {

std::optional<int> RoundToInt(double value);

} // namespace kel
