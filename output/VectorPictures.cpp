#include "output/VectorPictures.h"

#include "output/PainterCanvas.h"
#include "render/Renderer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace kel {

namespace {

constexpr int kScreenDpi = 96;
// Device units of the PDF writer per inch; fine enough that nothing
// visible is rounded.
constexpr int kPdfDpi = 1200;

void DrawCropArea(QPainter& painter, Renderer& renderer, const QRect& crop)
{
    PainterCanvas canvas(painter, crop.size());
    canvas.setBrush({kWhite, BrushStyle::Solid});
    canvas.fillRect(0, 0, crop.width(), crop.height());
    canvas.setBrush({kWhite, BrushStyle::Clear});
    renderer.RenderCropArea(canvas, crop.topLeft());
}

int Scaled(int pixels, double scale)
{
    return static_cast<int>(std::max(1.0, std::round(pixels * scale)));
}

} // namespace

QByteArray RecordCropSvg(Renderer& renderer, const QRect& crop, double scale)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(QStringLiteral("Kelvane drawing"));
    svg.setResolution(kScreenDpi);
    // The width and height give the printed size; the view box keeps the
    // drawing's own pixels as the coordinates.
    svg.setSize(QSize(Scaled(crop.width(), scale), Scaled(crop.height(), scale)));
    svg.setViewBox(QRect(QPoint(0, 0), crop.size()));
    QPainter painter(&svg);
    DrawCropArea(painter, renderer, crop);
    painter.end();
    return bytes;
}

QSize PdfPagePoints(QSize pixels, double scale)
{
    const double pointsPerPixel = 72.0 / kScreenDpi * scale;
    return {Scaled(pixels.width(), pointsPerPixel), Scaled(pixels.height(), pointsPerPixel)};
}

QByteArray RecordCropPdf(Renderer& renderer, const QRect& crop, double scale)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize points = PdfPagePoints(crop.size(), scale);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Kelvane"));
    pdf.setTitle(QStringLiteral("Kelvane drawing"));
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(
        QPageLayout(QPageSize(points, QStringLiteral("Crop area"), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&pdf);
    const double unitsPerPoint = static_cast<double>(kPdfDpi) / 72;
    painter.scale(points.width() * unitsPerPoint / crop.width(),
                  points.height() * unitsPerPoint / crop.height());
    DrawCropArea(painter, renderer, crop);
    painter.end();
    return bytes;
}

} // namespace kel
