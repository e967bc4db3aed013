#include "interaction/CreationTools.h"

namespace kel {

void registerBasicFigureTools(ToolRegistry&) {}

} // namespace kel
