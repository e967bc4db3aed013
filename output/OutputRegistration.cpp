#include "output/OutputRegistration.h"

namespace kel {

// The region, export, printing and picture tools add themselves here as they
// arrive.
void registerOutput(Registrations&) {}

} // namespace kel
