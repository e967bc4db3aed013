#include "output/OutputRegistration.h"

#include "output/CropExportTools.h"
#include "output/GifTools.h"
#include "output/PictureTools.h"
#include "output/PrintedPage.h"
#include "output/regions/RegionTools.h"

namespace kel {

// The picture tools add themselves here as they arrive.
void registerOutput(Registrations& registrations)
{
    registerRegionTools(registrations);
    registerCropExportTools(registrations);
    registerPrintCommand(registrations);
    registerPictureTools(registrations);
    registerGifTools(registrations);
}

} // namespace kel
