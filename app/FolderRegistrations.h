#pragma once
// The one place that knows every folder's registration entry. The main
// window builds its editor with it, and so do the tests that need the whole
// program's tools and commands: Editor(ui, {registerAllFolders}) runs them
// all and then wires the menus to the tools.

#include "interaction/core/Registrations.h"

namespace kel {

void registerAllFolders(Registrations& registrations);

} // namespace kel
