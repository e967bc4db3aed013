#include "output/PngCodec.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <memory>

namespace kel {

namespace {

// What the libpng callbacks share with encodePng. It lives on the heap, so
// nothing the longjmp of a libpng error skips over is left half-changed on
// the stack.
struct PngJob {
    QByteArray bytes;
    char message[200] = {};
};

[[noreturn]] void onError(png_structp png, png_const_charp text)
{
    auto* job = static_cast<PngJob*>(png_get_error_ptr(png));
    std::snprintf(job->message, sizeof job->message, "%s", text);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {} // nothing is ever printed

void onWrite(png_structp png, png_bytep data, png_size_t size)
{
    static_cast<PngJob*>(png_get_io_ptr(png))
        ->bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void onFlush(png_structp) {}

bool writeRows(png_structp png, png_infop info, const QImage& image)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    // Rows in memory are 32-bit pixels, blue first (little-endian ARGB).
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_bgr(png);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

std::optional<QByteArray> encodePng(const QImage& source, QString* error)
{
    const QImage image = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        *error = QStringLiteral("no picture to write");
        return std::nullopt;
    }
    const auto job = std::make_unique<PngJob>();
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, job.get(), onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        *error = QStringLiteral("not enough memory to write the picture");
        return std::nullopt;
    }
    png_set_write_fn(png, job.get(), onWrite, onFlush);
    const bool written = writeRows(png, info, image);
    png_destroy_write_struct(&png, &info);
    if (!written) {
        *error = QString::fromLatin1(job->message);
        return std::nullopt;
    }
    return std::move(job->bytes);
}

} // namespace kel
