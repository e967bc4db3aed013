#pragma once
// The crop area of the drawing as an SVG or a PDF page, drawn as vectors on
// a white page. At scale 1 a drawing pixel is 1/96 inch, as on a screen of
// 96 dots per inch; the page is exactly the crop area, with no margin.

#include <QByteArray>
#include <QImage>
#include <QRect>

namespace kel {

class Renderer;

// The crop must not be empty; the scale must be positive.
QByteArray RecordCropSvg(Renderer& renderer, const QRect& crop, double scale = 1.0);

// A PDF page holds whole points (1/72 inch): the page is the crop's size
// rounded to them and the drawing is stretched onto it, so no strip of
// page is left uncovered.
QByteArray RecordCropPdf(Renderer& renderer, const QRect& crop, double scale = 1.0);

// The page size in points of a crop of `pixels` at `scale`.
QSize PdfPagePoints(QSize pixels, double scale);

} // namespace kel
