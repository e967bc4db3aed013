#pragma once
// The region operations: the crop-area tools of the CropAnd menu, the
// single-object tag tool and the erase block.

#include "interaction/core/Registrations.h"

namespace kel {

// Tag, delete, restyle, copy to the clipboard, save as KEL.
void registerRegionSelectionTools(Registrations& registrations);
// Move, duplicate and mirror the objects of an area.
void registerRegionMoveTools(Registrations& registrations);
// Zoom and rotate the objects of an area.
void registerRegionTransformTools(Registrations& registrations);
// Tag Single Object, Erase Block, Include dot frame.
void registerRegionExtras(Registrations& registrations);

// All of the above.
void registerRegionTools(Registrations& registrations);

} // namespace kel
