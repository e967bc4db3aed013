#pragma once
// Animated GIF files through giflib: GIF89a, looping for ever, one image per
// frame with the same delay. A frame of at most 256 colours keeps them
// exactly; one with more is quantised to 256.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace kel {

// Frames beyond this many are not taken.
inline constexpr int kMaxGifFrames = 1000;
// Hundredths of a second each frame shows.
inline constexpr int kGifFrameDelay = 25;

// Every frame must have the first one's size. Empty, with the reason in
// *error, when the file could not be made.
QByteArray WriteAnimatedGif(const std::vector<QImage>& frames, int delayHundredths,
                            QString* error = nullptr);

} // namespace kel
