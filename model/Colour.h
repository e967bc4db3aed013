#pragma once
// Colour values as the drawing stores them: 0x00BBGGRR, red in the low byte.
// This is the only place that converts them to and from Qt's QRgb.

#include <QRgb>

#include <cstdint>

namespace kel {

using Colour = std::uint32_t;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

constexpr QRgb toQRgb(Colour c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

constexpr Colour fromQRgb(QRgb rgb)
{
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

} // namespace kel
