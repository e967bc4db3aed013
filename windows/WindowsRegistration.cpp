#include "windows/WindowsRegistration.h"

#include "interaction/core/Editor.h"
#include "windows/StepWindow.h"

namespace kel {

void registerWindows(Registrations& registrations)
{
    registrations.commands.add(QStringLiteral("mnusinglestep"), StepWindow::run);
}

} // namespace kel
