#pragma once
// The last step of Enhance Image: a picture drawn at `scale` times the size
// brought back down, every pixel the mean of its scale x scale block. Works
// a band of rows at a time, so the large picture never has to exist whole.

#include <QImage>

namespace kel {

// Averages `rows` rows of blocks of `band` (Format_RGB32, `scale` times the
// target's width, at least rows * scale pixels high) into the target rows
// targetTop .. targetTop + rows - 1. Each colour byte is the truncated mean
// of its block, as ResizeBitmapPercent gives when shrinking by the scale.
void AverageBlocks(const QImage& band, int scale, int rows, QImage& target, int targetTop);

} // namespace kel
