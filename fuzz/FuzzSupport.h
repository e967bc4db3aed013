#pragma once
// What the drawing fuzz targets share: a headless Qt for fonts and images,
// and an editor over a port that shows nothing and answers every question
// with Cancel.

#include "interaction/core/SilentUiPort.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace kel::fuzz {

// The size of the off-screen surface every target draws on.
inline constexpr int kSurfaceWidth = 640;
inline constexpr int kSurfaceHeight = 480;

// The silent port with a clipboard that holds a given text.
class FuzzUiPort : public SilentUiPort {
public:
    FuzzUiPort() : SilentUiPort({kSurfaceWidth, kSurfaceHeight}) {}
    QString clipboardText() const override { return clipboard; }
    QString clipboard;
};

// Creates the QGuiApplication on the offscreen platform, once.
void startHeadlessQt();

// Input bytes as the text of a KEL file would be decoded.
QString kelText(const std::uint8_t* data, std::size_t size);

} // namespace kel::fuzz
