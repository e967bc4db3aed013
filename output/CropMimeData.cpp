#include "output/CropMimeData.h"

#include "output/EmfRecorder.h"
#include "output/VectorPictures.h"

#include <QBuffer>
#include <QImage>

namespace kel {

std::unique_ptr<QMimeData> cropMimeData(Renderer& renderer, const QRect& crop)
{
    if (crop.width() <= 0 || crop.height() <= 0)
        return nullptr;
    const EmfRecording emf = RecordCropEmf(renderer, crop);
    std::unique_ptr<QMimeData> data = metafileMimeData(emf.bytes, emf.raster);
    data->setData(QStringLiteral("image/svg+xml"), RecordCropSvg(renderer, crop));
    // The metafile's raster shadow is the area as the screen shows it.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (emf.raster.save(&buffer, "PNG"))
        data->setData(QStringLiteral("image/png"), png);
    return data;
}

std::unique_ptr<QMimeData> metafileMimeData(const QByteArray& emf, const QImage& preview)
{
    auto data = std::make_unique<QMimeData>();
    if (!emf.isEmpty())
        for (const char* type : kEmfMimeTypes)
            data->setData(QString::fromLatin1(type), emf);
    if (!preview.isNull())
        data->setImageData(preview);
    return data;
}

} // namespace kel
