#pragma once
// Picture rows from the clipboard (New EMF Obj, New BMP 64), the EMF popup's
// Copy, Save and Zoom, and BMP/JPG to EMF.

#include "interaction/core/Registrations.h"

namespace kel {

void registerPictureTools(Registrations& registrations);

} // namespace kel
