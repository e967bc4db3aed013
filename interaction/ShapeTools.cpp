#include "interaction/CreationTools.h"

namespace kel {

void registerShapeTools(ToolRegistry&) {}

} // namespace kel
