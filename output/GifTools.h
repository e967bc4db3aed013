#pragma once
// The GIF menu items: Blocks to GIF writes an animated GIF of blocks of the
// drawing; "* Make Animate GIF" is not implemented.

#include "interaction/core/Registrations.h"

namespace kel {

void registerGifTools(Registrations& registrations);

} // namespace kel
