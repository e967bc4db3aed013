#pragma once
// Owns the off-screen bitmap the drawing is replayed onto and copies it to the
// drawing surface through the port. The picture is never stored: every
// change to the table ends in RedrawAll.
//
// Previews and the row highlight go on a layer over the bitmap (a
// RasterCanvas built over bitmap()), so the bitmap itself only ever holds
// the last replay.
//
// A row that cannot be drawn never stops a replay: it is left out, every
// later row is still drawn, and the replay reports once, in status panel 3,
// how many rows were left out and why the first one was (lastProblem()).
// The current attributes and the canvas's pen, brush and font are the same
// after a replay as before it, whatever happened in between.

#include "model/Attributes.h"
#include "model/Colour.h"
#include "model/ObjectTable.h"
#include "model/UiPort.h"
#include "render/PictureDrawers.h"
#include "render/RasterCanvas.h"
#include "render/RowSurvey.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <limits>
#include <memory>
#include <optional>

namespace kel {

class Renderer {
public:
    Renderer(ObjectTable& table, CurrentAttributes& current, UiPort& ui);

    // The off-screen bitmap (Format_RGB32).
    const QImage& bitmap() const { return bitmap_.image(); }
    Canvas& bitmapCanvas() { return bitmap_; }

    // Discards the bitmap and creates a new one of the given size (white).
    void createBitmap(QSize size);
    // White fill, the dot grid when enabled, then PresentBitmap.
    void ClearBitmap();
    // Asks the drawing surface to show the bitmap again.
    void PresentBitmap();
    // Replays every visible row onto the bitmap and presents it.
    void RedrawAll();
    // The drawing replayed at four times the size and averaged back down:
    // an anti-aliased picture in the bitmap until the next RedrawAll.
    void enhanceImage();

    // Draws one row on any canvas as RedrawAll would; false when the row is
    // not in use, hidden or could not be drawn (lastProblem() says why).
    // The current attributes are left as they were.
    bool drawRow(Canvas& canvas, int row);
    // Draws one row on the canvas (normally a preview layer) in the
    // highlight colour. Hidden and free rows draw nothing. Pausing
    // afterwards is the caller's business.
    void HighlightRow(Canvas& canvas, int row);
    // Replays every visible row onto the canvas, shifted by minus the crop
    // area's top-left corner; neither clears nor presents.
    void RenderCropArea(Canvas& canvas, QPoint cropTopLeft);

    // The colour of a bitmap pixel; nothing outside the bitmap.
    std::optional<Colour> GetBitmapPixel(int x, int y) const;

    // Why the first row left out by the last replay or drawRow was left out,
    // with its row number; empty when every row was drawn.
    const QString& lastProblem() const { return lastProblem_; }
    int lastSkippedRows() const { return lastSkipped_; }

    bool gridDots() const { return gridDots_; }
    void setGridDots(bool on) { gridDots_ = on; }

private:
    struct ReplayReport {
        QString firstProblem; // with its row number
        int skipped = 0;
    };
    void drawGridDots(Canvas& canvas) const;
    // Every visible row up to the first free one; reports what was left out.
    void replay(Canvas& canvas, QPoint offset);
    // The same without reporting, for the rows from firstRow up to endRow,
    // with the attributes and pictures given (a second thread has its own).
    ReplayReport replayRows(Canvas& canvas, QPoint offset, CurrentAttributes& current,
                            PictureCache& pictures, int firstRow = 1,
                            int endRow = std::numeric_limits<int>::max()) const;
    void report(const ReplayReport& replayed);
    // The survey of the table as it is now, made again only after a change.
    const RowSurvey& currentSurvey();
    // RedrawAll's replay split in two parts drawn at once, the bitmap
    // cleared and dotted first: false (and the bitmap untouched) when the
    // drawing is small or its later rows depend on the pixels below them.
    bool replayOnTwoThreads();
    // The large picture averaged back down, drawn whole, or band by band on
    // two threads from bandStart on (the rows before it drawn whole first);
    // null when there is not enough memory.
    QImage enhanceWhole(int scale);
    QImage enhanceInBands(int scale, int bandStart);

    ObjectTable& table_;
    CurrentAttributes& current_;
    UiPort& ui_;
    RasterCanvas bitmap_;
    // The second half of a split replay, laid over the bitmap afterwards;
    // kept between redraws so its memory is not faulted in every time.
    std::unique_ptr<RasterCanvas> upperRows_;
    PictureCache pictures_;
    RowSurvey survey_;
    std::optional<quint64> surveyRevision_;
    bool gridDots_ = true;
    QString lastProblem_;
    int lastSkipped_ = 0;
};

} // namespace kel
