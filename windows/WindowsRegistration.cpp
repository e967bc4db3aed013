#include "windows/WindowsRegistration.h"

namespace kel {

// The commands of the secondary windows add themselves here as they arrive.
void registerWindows(Registrations&) {}

} // namespace kel
