#pragma once
// The attribute and information items of the kind popups: pens, brushes,
// point shapes, fill styles, text contents and attributes, the ellipse's
// centre and the polynomial curve's points and coefficients.

#include "interaction/core/Registrations.h"
#include "model/RecordKinds.h"

#include <optional>
#include <vector>

namespace kel {

class Editor;

void registerStyleCommands(Registrations& registrations);
void registerTextCommands(Registrations& registrations);
void registerInfoCommands(Registrations& registrations);

namespace popups {

// The picked row when it is in use and of one of the kinds; the popup
// items act on nothing else.
std::optional<int> pickedRowOf(const Editor& editor, const std::vector<RecordKind>& kinds);

} // namespace popups
} // namespace kel
