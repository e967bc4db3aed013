#pragma once
// The shape of every crop-area tool: two clicks drag out the area (its
// corners kept normalised, left-top the smaller pair, in P1 and P2), shown
// as a dotted frame; the second click hands the area to the tool, and any
// further clicks and moves are the tool's own. The image exports of a crop
// area build on it as well.

#include "interaction/core/Tool.h"
#include "output/regions/CropAreaSearch.h"

#include <QString>

#include <utility>

namespace kel {

class CropAreaTool : public Tool {
public:
    // `instructionShows`: how many starts show the instruction (-1: all).
    explicit CropAreaTool(QString instruction, int instructionShows = -1)
        : instruction_(std::move(instruction)), shows_(instructionShows)
    {
    }

    // The instruction, then begin().
    void start(Editor& editor) override;
    // While the area is dragged: P1, P2 and the frame; afterwards moveAfter().
    void move(Editor& editor, QPoint pos) override;
    // Clicks 1 and 2 fix the corners, then areaChosen(); later ones go to
    // clickAfter().
    void click(Editor& editor, QPoint pos) override;

    // The area in P1, P2.
    static CropArea area(const Editor& editor);
    // The dotted frame of an area on the preview layer.
    static void drawFrame(Editor& editor, const CropArea& area);

protected:
    virtual void begin(Editor&) {}
    // The area follows the pointer (already in P1, P2).
    virtual void trackArea(Editor&, const CropArea&) {}
    // The second click: the area is fixed and the click counter is 2.
    virtual void areaChosen(Editor& editor, const CropArea& area) = 0;
    virtual void moveAfter(Editor&, QPoint) {}
    virtual void clickAfter(Editor&, QPoint) {}

private:
    QString instruction_;
    int shows_;
};

} // namespace kel
