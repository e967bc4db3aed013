#include "output/OutputRegistration.h"

#include "output/regions/RegionTools.h"

namespace kel {

// The export, printing and picture tools add themselves here as they arrive.
void registerOutput(Registrations& registrations)
{
    registerRegionTools(registrations);
}

} // namespace kel
