#pragma once
// The widgets of the named controls, looked up once by their component names
// in the main window.

#include "model/Controls.h"

#include <QStringList>

#include <array>

class QWidget;

namespace kel {

class ControlWidgets {
public:
    explicit ControlWidgets(const QWidget& window);

    // The control's widget; nullptr only when problems() names the control.
    QWidget* widget(Control control) const;
    // One entry per control that has no widget of its name, or more than
    // one; empty when every control has exactly one.
    const QStringList& problems() const { return problems_; }

private:
    std::array<QWidget*, kControlCount> widgets_{};
    QStringList problems_;
};

} // namespace kel
