#include "app/ControlWidgets.h"

#include <QWidget>

namespace kel {

ControlWidgets::ControlWidgets(const QWidget& window)
{
    for (Control control : allControls()) {
        const QString name = controlName(control);
        // Secondary windows owned by this one have controls of their own.
        QList<QWidget*> found = window.findChildren<QWidget*>(name);
        found.removeIf([&](const QWidget* widget) { return widget->window() != &window; });
        if (found.size() == 1)
            widgets_[static_cast<std::size_t>(control)] = found.front();
        else if (found.isEmpty())
            problems_ << QStringLiteral("%1 has no widget").arg(name);
        else
            problems_ << QStringLiteral("%1 names %2 widgets").arg(name).arg(found.size());
    }
}

QWidget* ControlWidgets::widget(Control control) const
{
    const auto index = static_cast<std::size_t>(control);
    return index < widgets_.size() ? widgets_[index] : nullptr;
}

} // namespace kel
