#include "app/FolderRegistrations.h"

#include "constructions/ConstructionsRegistration.h"
#include "output/OutputRegistration.h"
#include "windows/WindowsRegistration.h"

namespace kel {

void registerAllFolders(Registrations& registrations)
{
    registerInteraction(registrations);
    registerConstructions(registrations);
    registerOutput(registrations);
    registerWindows(registrations);
}

} // namespace kel
