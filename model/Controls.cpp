#include "model/Controls.h"

#include <QHash>

namespace kel {

namespace {

#define KEL_CONTROL_NAME(name) #name,
constexpr const char* kNames[] = {KEL_CONTROLS(KEL_CONTROL_NAME)};
#undef KEL_CONTROL_NAME

static_assert(std::size(kNames) == static_cast<std::size_t>(kControlCount));

} // namespace

const std::array<Control, kControlCount>& allControls()
{
    static const std::array<Control, kControlCount> all = [] {
        std::array<Control, kControlCount> controls{};
        for (int i = 0; i < kControlCount; ++i)
            controls[static_cast<std::size_t>(i)] = static_cast<Control>(i);
        return controls;
    }();
    return all;
}

QString controlName(Control control)
{
    // Only a value cast from outside the enumeration can miss the table.
    const auto index = static_cast<std::size_t>(control);
    return index < std::size(kNames) ? QString::fromLatin1(kNames[index]) : QString();
}

std::optional<Control> controlFromName(const QString& name)
{
    static const QHash<QString, Control> byName = [] {
        QHash<QString, Control> names;
        for (Control control : allControls())
            names.insert(controlName(control), control);
        return names;
    }();
    const auto it = byName.constFind(name);
    if (it == byName.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace kel
