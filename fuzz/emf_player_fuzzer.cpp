// Enhanced metafiles as they arrive from the clipboard or a picture row:
// checked record by record, then played onto an image the size of the fuzz
// surface, as the renderer plays an `f` row.
#include "fuzz/FuzzSupport.h"
#include "render/EmfData.h"
#include "render/EmfPlayer.h"

#include <QByteArrayView>
#include <QImage>

using namespace kel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const std::optional<EmfInfo> info = ValidateEmf(bytes);
    if (!info)
        return 0;
    const QRect visible =
        QRect(QPoint(0, 0), info->size) & QRect(0, 0, fuzz::kSurfaceWidth, fuzz::kSurfaceHeight);
    if (!visible.isEmpty())
        RenderEmf(bytes, *info, QSizeF(info->size), visible);
    return 0;
}
