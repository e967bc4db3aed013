#include "interaction/menus/CommandRegistry.h"

namespace kel {

void CommandRegistry::add(const QString& component, Handler handler)
{
    handlers_.insert(component, std::move(handler));
}

bool CommandRegistry::run(const QString& component, Editor& editor) const
{
    const auto it = handlers_.constFind(component);
    if (it == handlers_.constEnd() || !*it)
        return false;
    (*it)(editor);
    return true;
}

} // namespace kel
