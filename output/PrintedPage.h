#pragma once
// File > Print: the whole drawing on one page, replayed as vectors and
// stretched over the printable area (width and height each on their own, so
// the page's shape wins over the drawing's). With no printer installed the
// same page goes to a PDF file the user names.

#include "interaction/core/Registrations.h"

#include <QByteArray>
#include <QRect>
#include <QString>

class QPainter;

namespace kel {

class Renderer;

// The drawing (the off-screen bitmap's size) on a white page filling
// `printable`; no grid dots.
void PaintDrawingPage(QPainter& painter, Renderer& renderer, const QRect& printable);

// The printed page as a one-page A4 PDF with 10 mm margins, turned to
// landscape for a drawing wider than tall; empty with `error` set when
// painting could not begin.
QByteArray RecordPagePdf(Renderer& renderer, QString* error);

void registerPrintCommand(Registrations& registrations);

} // namespace kel
