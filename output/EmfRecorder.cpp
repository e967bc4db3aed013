#include "output/EmfRecorder.h"

#include "output/EmfCanvas.h"
#include "render/Renderer.h"

namespace kel {

EmfRecording RecordCropEmf(Renderer& renderer, const QRect& crop)
{
    EmfCanvas canvas(crop.size());
    canvas.setBrush({kWhite, BrushStyle::Solid});
    canvas.fillRect(0, 0, crop.width(), crop.height());
    canvas.setBrush({kWhite, BrushStyle::Clear});
    renderer.RenderCropArea(canvas, crop.topLeft());
    EmfRecording recording;
    recording.raster = canvas.shadowImage();
    recording.bytes = canvas.finish();
    return recording;
}

} // namespace kel
