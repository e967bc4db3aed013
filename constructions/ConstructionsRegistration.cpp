#include "constructions/ConstructionsRegistration.h"

namespace kel {

// The constructions and measuring tools add themselves here as they arrive.
void registerConstructions(Registrations&) {}

} // namespace kel
