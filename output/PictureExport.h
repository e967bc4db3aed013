#pragma once
// The headless picture export: a KEL file rendered as the off-screen bitmap
// shows it (no dot grid) at a surface size, and a crop area of it written as
// PNG or JPG (the bitmap's pixels), EMF (vectors), SVG or PDF (vectors at
// true size), chosen by the output file's extension.

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace kel {

struct ExportRequest {
    QString input;
    QString output;
    QSize surface{800, 600};
    std::optional<QRect> crop; // the whole surface when not given
    bool enhance = false;      // anti-aliased; PNG and JPG only
    double scale = 1.0;        // 1 is 96 drawing pixels to the inch; SVG and PDF only
};

struct ExportOutcome {
    // What stopped the export, in one line; empty when the file was written.
    QString error;
    // Rows that could not be drawn, as the window's status bar reports
    // them; the picture is written all the same.
    QString report;
};

// Nothing is written unless the request is sound and the drawing read.
ExportOutcome exportPicture(const ExportRequest& request);

// The formats by extension, for messages.
QString exportFormats();

} // namespace kel
