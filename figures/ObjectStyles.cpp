#include "figures/ObjectStyles.h"

#include <cstdlib>

namespace kel {

long long FilledSize(int size, bool filled)
{
    const long long magnitude = std::llabs(static_cast<long long>(size));
    return filled ? -magnitude : magnitude;
}

int TextStyleCode(bool bold, bool italic)
{
    return (bold ? 1 : 0) + (italic ? 2 : 0);
}

} // namespace kel
