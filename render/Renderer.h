#pragma once
// Owns the off-screen bitmap the drawing is replayed onto and copies it to the
// drawing surface through the port. The picture is never stored: every
// change to the table ends in RedrawAll.

#include "model/Attributes.h"
#include "model/Colour.h"
#include "model/ObjectTable.h"
#include "model/UiPort.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace kel {

class Renderer {
public:
    Renderer(ObjectTable& table, CurrentAttributes& current, UiPort& ui);

    const QImage& bitmap() const { return bitmap_; }

    // Discards the bitmap and creates a new one of the given size (white).
    void createBitmap(QSize size);
    // White fill, the dot grid when enabled, then PresentBitmap.
    void ClearBitmap();
    // Asks the drawing surface to show the bitmap again.
    void PresentBitmap();
    // Replays every visible row onto the bitmap and presents it.
    void RedrawAll();
    // The colour of a bitmap pixel; nothing outside the bitmap.
    std::optional<Colour> GetBitmapPixel(int x, int y) const;

    bool gridDots() const { return gridDots_; }
    void setGridDots(bool on) { gridDots_ = on; }

private:
    void drawGridDots();

    ObjectTable& table_;

    CurrentAttributes& current_;
    UiPort& ui_;
    QImage bitmap_;
    bool gridDots_ = true;
};

} // namespace kel
