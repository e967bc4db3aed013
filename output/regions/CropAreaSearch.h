#pragma once
// Which objects a crop area holds: an object is in it when any of its ink
// falls inside it (left..right, top..bottom, both ends included), so an
// object that merely crosses the area counts and one that surrounds it
// without ink inside does not. Ink outside the bitmap does not count.

#include <QPoint>
#include <QRect>

namespace kel {

class Editor;

struct CropArea {
    int left = 0;
    int top = 0;
    int right = 0; // included
    int bottom = 0;

    // The area with the corners a and b, whichever way it was dragged.
    static CropArea spanning(QPoint a, QPoint b);
    QPoint topLeft() const { return {left, top}; }
    QPoint bottomRight() const { return {right, bottom}; }
};

// Clears every tag, then tags each visible row with ink in the area; gives
// the number tagged. Each row is drawn alone, in one colour, one pixel wider,
// but only the rows whose bounds meet the area are drawn, and a row whose
// bounds lie wholly inside it is in it without drawing.
int FindObjectsInCropArea(Editor& editor, const CropArea& area);

} // namespace kel
