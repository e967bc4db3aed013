#pragma once
// What the drawing fuzz targets share: a headless Qt for fonts and images
// (FuzzSupport.cpp starts it in LLVMFuzzerInitialize for every target that
// links it), and an editor over a port that shows nothing and answers every
// question with Cancel.

#include "interaction/core/Editor.h"
#include "interaction/core/SilentUiPort.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

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

// The editor a drawing target drives and the port it talks to.
struct FuzzEditor {
    explicit FuzzEditor(std::initializer_list<RegistrationEntry> entries);
    FuzzUiPort ui;
    Editor editor;
};

// The run's one editor, made and started by the first call (with
// `entries`); later calls return it as the last input left it.
FuzzEditor& startedEditor(std::initializer_list<RegistrationEntry> entries = {});

// Input bytes as the text of a KEL file would be decoded.
QString kelText(const std::uint8_t* data, std::size_t size);

} // namespace kel::fuzz
