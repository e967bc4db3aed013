#include "output/PictureExport.h"

#include "interaction/core/Editor.h"
#include "interaction/core/SilentUiPort.h"
#include "model/KelFile.h"
#include "output/BitmapFile.h"
#include "output/EmfRecorder.h"
#include "output/SavedFile.h"
#include "output/VectorPictures.h"

#include <QFileInfo>

namespace kel {

namespace {

constexpr int kReportPanel = 3;

enum class Format { Bitmap, Emf, Svg, Pdf };

std::optional<Format> FormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png") || suffix == QLatin1String("jpg") ||
        suffix == QLatin1String("jpeg"))
        return Format::Bitmap;
    if (suffix == QLatin1String("emf"))
        return Format::Emf;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

QString oneLine(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(": ")).simplified();
}

QString describe(const QRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Why the request cannot be carried out; empty when it can.
QString problemWith(const ExportRequest& request, const QRect& crop,
                    const std::optional<Format>& format)
{
    if (!format)
        return QStringLiteral("%1: pictures are written as %2")
            .arg(request.output, exportFormats());
    if (crop.width() <= 0 || crop.height() <= 0)
        return QStringLiteral("the crop area %1 is empty: it needs a width and a height")
            .arg(describe(crop));
    const QRect surface(QPoint(0, 0), request.surface);
    if (!surface.contains(crop))
        return QStringLiteral("the crop area %1 reaches outside the %2x%3 surface")
            .arg(describe(crop))
            .arg(surface.width())
            .arg(surface.height());
    if (request.enhance && *format != Format::Bitmap)
        return QStringLiteral("--enhance applies to .png and .jpg pictures only");
    if (request.scale != 1.0 && *format != Format::Svg && *format != Format::Pdf)
        return QStringLiteral("--scale applies to .svg and .pdf pictures only");
    if (!(request.scale > 0))
        return QStringLiteral("the scale must be above 0");
    return {};
}

} // namespace

QString exportFormats()
{
    return QStringLiteral(".png, .jpg, .emf, .svg or .pdf");
}

ExportOutcome exportPicture(const ExportRequest& request)
{
    ExportOutcome outcome;
    const QRect crop = request.crop.value_or(QRect(QPoint(0, 0), request.surface));
    const std::optional<Format> format = FormatOf(request.output);
    outcome.error = problemWith(request, crop, format);
    if (!outcome.error.isEmpty())
        return outcome;
    const KelReadResult read = readKelFile(request.input);
    if (!read.ok()) {
        outcome.error = oneLine(read.error);
        return outcome;
    }

    SilentUiPort port(request.surface);
    Editor editor(port);
    editor.renderer.setGridDots(false);
    editor.renderer.createBitmap(request.surface);
    replaceRows(editor.doc.table, read.rows);
    // Each replay reports the rows it left out in the status bar.
    port.setStatus(kReportPanel, QString());
    Renderer& renderer = editor.renderer;
    QByteArray bytes;
    switch (*format) {
    case Format::Bitmap: {
        editor.RedrawAll();
        if (request.enhance)
            renderer.enhanceImage();
        const std::optional<QByteArray> encoded =
            encodeBitmap(renderer.bitmap().copy(crop), request.output, &outcome.error);
        if (!encoded)
            return outcome;
        bytes = *encoded;
        break;
    }
    case Format::Emf:
        bytes = RecordCropEmf(renderer, crop).bytes;
        break;
    case Format::Svg:
        bytes = RecordCropSvg(renderer, crop, request.scale);
        break;
    case Format::Pdf:
        bytes = RecordCropPdf(renderer, crop, request.scale);
        break;
    }
    outcome.report = port.status(kReportPanel);
    if (bytes.isEmpty()) {
        outcome.error = QStringLiteral("cannot make the picture for %1").arg(request.output);
        return outcome;
    }
    outcome.error = SaveFileAtomically(request.output, bytes);
    return outcome;
}

} // namespace kel
