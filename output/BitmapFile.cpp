#include "output/BitmapFile.h"

#include "interaction/Editor.h"
#include "interaction/SilentUiPort.h"
#include "model/KelFile.h"
#include "render/JpegCodec.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

namespace kel {

namespace {

QString oneLine(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(": ")).simplified();
}

} // namespace

QString writeBitmapFile(const QImage& image, const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QStringLiteral("png")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return QStringLiteral("cannot encode %1 as PNG").arg(path);
    } else if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg")) {
        QString error;
        const std::optional<QByteArray> jpeg = encodeJpeg(image, &error);
        if (!jpeg)
            return QStringLiteral("cannot encode %1: %2").arg(path, error);
        bytes = *jpeg;
    } else {
        return QStringLiteral("%1: pictures are written as .png or .jpg").arg(path);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

QString exportDrawing(const QString& input, const QString& output, QSize surface, bool enhance)
{
    const KelReadResult read = readKelFile(input);
    if (!read.ok())
        return oneLine(read.error);
    SilentUiPort port(surface);
    Editor editor(port);
    editor.renderer.setGridDots(false);
    editor.renderer.createBitmap(surface);
    replaceRows(editor.doc.table, read.rows);
    editor.RedrawAll();
    if (enhance)
        editor.renderer.enhanceImage();
    return writeBitmapFile(editor.renderer.bitmap(), output);
}

} // namespace kel
