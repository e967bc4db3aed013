#pragma once
// The four picture exports of the CropAnd menu: "Save as JPG File", "BMP to
// clipboard", "Save as EMF File" and "EMF to clipboard". Each drags out a
// crop area and ends after one export; an area without width or height is
// refused before any dialog opens, and a success is reported only after
// the file was really written.

#include "interaction/core/Registrations.h"

#include <QImage>
#include <QRect>

namespace kel {

class Editor;

// The off-screen bitmap's pixels of `rect` (white beyond the bitmap), with
// the dotted frame on the outermost pixels when "Include dot frame" is on.
QImage CropPixels(Editor& editor, const QRect& rect);

void registerCropExportTools(Registrations& registrations);

} // namespace kel
