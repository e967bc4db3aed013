#pragma once
// Whether a construction routine only previews its figure on the canvas or
// appends the figure's rows to the object table.

namespace kel {

enum class FigureStep { Preview, Create };

} // namespace kel
