#include "output/OutputRegistration.h"

#include "output/GifTools.h"
#include "output/PictureTools.h"
#include "output/regions/RegionTools.h"

namespace kel {

// The export, printing and picture tools add themselves here as they arrive.
void registerOutput(Registrations& registrations)
{
    registerRegionTools(registrations);
    registerPictureTools(registrations);
    registerGifTools(registrations);
}

} // namespace kel
