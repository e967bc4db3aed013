#pragma once
// The state of a page control as command scripts print it: the text of a box
// or label, on/off of a check box or radio button, the colour of a swatch,
// the pattern and colour of the brush preview, or a control's text or
// background colour.

#include <QString>

#include <optional>

class QWidget;

namespace kel {

enum class ControlAspect { State, Colour, Background };

// Nothing when the aspect is not one of "", "colour" or "background".
std::optional<ControlAspect> controlAspect(const QString& word);
QString describeControl(const QWidget& control, ControlAspect aspect);

} // namespace kel
