#include "interaction/CreationTools.h"

namespace kel {

void registerCurveTools(ToolRegistry&) {}

} // namespace kel
