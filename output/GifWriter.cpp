#include "output/GifWriter.h"

#include <gif_lib.h>

#include <QHash>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace kel {

namespace {

int Append(GifFileType* gif, const GifByteType* bytes, int length)
{
    static_cast<QByteArray*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(length));
    return length;
}

struct MapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapFree>;

// The frame's pixels as palette indices and its palette.
struct IndexedFrame {
    std::vector<GifByteType> indices;
    ColourMap map;
};

int PowerOfTwoAtLeast(int n)
{
    int size = 2;
    while (size < n)
        size *= 2;
    return size;
}

std::optional<IndexedFrame> Indexed(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const size_t pixels = static_cast<size_t>(w) * static_cast<size_t>(h);
    IndexedFrame frame;
    frame.indices.resize(pixels);
    QHash<QRgb, int> palette;
    bool exact = true;
    for (int y = 0; y < h && exact; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x] & 0xFFFFFFu;
            auto found = palette.constFind(c);
            if (found == palette.constEnd()) {
                if (palette.size() == 256) {
                    exact = false;
                    break;
                }
                found = palette.insert(c, static_cast<int>(palette.size()));
            }
            frame.indices[static_cast<size_t>(y) * w + x] = static_cast<GifByteType>(*found);
        }
    }
    if (exact) {
        frame.map.reset(
            GifMakeMapObject(PowerOfTwoAtLeast(static_cast<int>(palette.size())), nullptr));
        if (!frame.map)
            return std::nullopt;
        for (auto it = palette.constBegin(); it != palette.constEnd(); ++it)
            frame.map->Colors[it.value()] = {static_cast<GifByteType>(qRed(it.key())),
                                             static_cast<GifByteType>(qGreen(it.key())),
                                             static_cast<GifByteType>(qBlue(it.key()))};
        return frame;
    }
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            red[i] = static_cast<GifByteType>(qRed(row[x]));
            green[i] = static_cast<GifByteType>(qGreen(row[x]));
            blue[i] = static_cast<GifByteType>(qBlue(row[x]));
        }
    }
    frame.map.reset(GifMakeMapObject(256, nullptr));
    int size = 256;
    if (!frame.map || GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h), &size,
                                        red.data(), green.data(), blue.data(), frame.indices.data(),
                                        frame.map->Colors) != GIF_OK)
        return std::nullopt;
    return frame;
}

} // namespace

QByteArray WriteAnimatedGif(const std::vector<QImage>& frames, int delayHundredths, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (frames.empty() || frames.front().isNull())
        return fail(QStringLiteral("There are no frames to write"));
    const QSize size = frames.front().size();
    if (size.width() > 0xFFFF || size.height() > 0xFFFF)
        return fail(QStringLiteral("The frames are too large for a GIF file"));
    QByteArray bytes;
    int status = 0;
    GifFileType* gif = EGifOpen(&bytes, Append, &status);
    if (!gif)
        return fail(QString::fromUtf8(GifErrorString(status)));
    bool ok = true;
    EGifSetGifVersion(gif, true);
    ok = EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, nullptr) == GIF_OK;
    // Loop for ever: NETSCAPE2.0 with a count of 0.
    const GifByteType loop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, loop) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
    for (const QImage& image : frames) {
        if (!ok)
            break;
        if (image.size() != size) {
            ok = false;
            break;
        }
        std::optional<IndexedFrame> frame = Indexed(image);
        if (!frame) {
            ok = false;
            break;
        }
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = delayHundredths;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
                 GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, frame->map.get()) ==
                 GIF_OK;
        for (int y = 0; ok && y < size.height(); ++y)
            ok = EGifPutLine(gif, frame->indices.data() + static_cast<size_t>(y) * size.width(),
                             size.width()) == GIF_OK;
    }
    const int writeError = gif->Error;
    if (EGifCloseFile(gif, &status) != GIF_OK)
        ok = false;
    if (!ok)
        return fail(QStringLiteral("The GIF file could not be made: %1")
                        .arg(QString::fromUtf8(GifErrorString(writeError ? writeError : status))));
    return bytes;
}

} // namespace kel
