#include "render/JpegCodec.h"

#include <QRgb>
#include <QtGlobal>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

// How libjpeg errors are handled here
// -----------------------------------
// libjpeg reports a fatal error by calling error_exit, which must not return.
// Ours formats the message into the error manager and longjmps back to the
// setjmp in the frame function (readHeader, readPixels, compressFrame) that
// made the libjpeg call. Those frame functions hold only trivially
// destructible locals and keep everything they need after the jump in a job
// struct reached through a pointer, so no C++ destructor is ever skipped and
// no local is read after the jump (hence no volatile locals are needed). The
// QImage and QByteArray objects live in the callers, outside the frames.

namespace kel {
namespace {

// A progressive picture may hold any number of scans; a hostile one with
// thousands of tiny scans takes minutes to decode.
constexpr int kMaxScans = 1000;
// Upper bound for libjpeg's own working memory (coefficient buffers of
// progressive pictures are the large item).
constexpr long kMaxLibraryMemory = 1024L * 1024 * 1024;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
// Format_RGB32 memory holds the bytes B, G, R, FF.
constexpr J_COLOR_SPACE kDecodeSpace = JCS_EXT_BGRA; // sets the fourth byte to FF
constexpr J_COLOR_SPACE kEncodeSpace = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kDecodeSpace = JCS_EXT_ARGB;
constexpr J_COLOR_SPACE kEncodeSpace = JCS_EXT_XRGB;
#endif

struct ErrorManager {
    jpeg_error_mgr pub; // first member: libjpeg sees only this part
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager* errorManager(j_common_ptr cinfo)
{
    return reinterpret_cast<ErrorManager*>(cinfo->err);
}

void setMessage(ErrorManager* err, const char* text)
{
    std::snprintf(err->message, sizeof err->message, "%s", text);
}

[[noreturn]] void failWith(j_common_ptr cinfo, const char* text)
{
    ErrorManager* err = errorManager(cinfo);
    setMessage(err, text);
    std::longjmp(err->jump, 1);
}

[[noreturn]] void onError(j_common_ptr cinfo)
{
    ErrorManager* err = errorManager(cinfo);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr cinfo, int level)
{
    // Level -1 is a warning about damaged data (premature end, bad Huffman
    // code, extraneous bytes). libjpeg would patch over it and return a
    // partly grey picture; a damaged picture is refused instead. Trace
    // messages (levels 0 and up) are dropped.
    if (level < 0)
        onError(cinfo);
}

void onOutputMessage(j_common_ptr) {} // nothing is ever printed

void installErrorManager(ErrorManager* err)
{
    jpeg_std_error(&err->pub);
    err->pub.error_exit = onError;
    err->pub.emit_message = onMessage;
    err->pub.output_message = onOutputMessage;
    err->message[0] = '\0';
}

struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress;
    const unsigned char* data;
    unsigned long size;
    JDIMENSION maxWidth;
    JDIMENSION maxHeight;
    bool cmyk;             // decoded as four ink components, converted per row
    bool invertedInks;     // Adobe's CMYK pictures store 255 - ink
    unsigned char* pixels; // Format_RGB32 memory of the result
    qsizetype stride;
};

void onDecodeProgress(j_common_ptr cinfo)
{
    const auto* job = static_cast<const DecodeJob*>(cinfo->client_data);
    if (job->cinfo.input_scan_number > kMaxScans)
        failWith(cinfo, "JPEG picture has too many scans");
}

// Starts libjpeg on the data and reads the header. On success the picture's
// size is in job->cinfo.image_width/height and the output colour space is
// chosen; nothing large has been allocated yet.
bool readHeader(DecodeJob* job)
{
    job->cinfo.err = &job->err.pub;
    installErrorManager(&job->err);
    if (setjmp(job->err.jump))
        return false;
    jpeg_create_decompress(&job->cinfo);
    job->cinfo.client_data = job;
    job->cinfo.mem->max_memory_to_use = kMaxLibraryMemory;
    job->progress.progress_monitor = onDecodeProgress;
    job->cinfo.progress = &job->progress;
    jpeg_mem_src(&job->cinfo, job->data, job->size);
    jpeg_read_header(&job->cinfo, TRUE);

    if (job->cinfo.image_width > job->maxWidth || job->cinfo.image_height > job->maxHeight) {
        std::snprintf(job->err.message, sizeof job->err.message,
                      "JPEG picture too large: %u x %u pixels (at most %u x %u)",
                      unsigned(job->cinfo.image_width), unsigned(job->cinfo.image_height),
                      unsigned(job->maxWidth), unsigned(job->maxHeight));
        return false;
    }
    switch (job->cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        job->cinfo.out_color_space = kDecodeSpace;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        job->cinfo.out_color_space = JCS_CMYK;
        job->cmyk = true;
        job->invertedInks = job->cinfo.saw_Adobe_marker;
        break;
    default:
        setMessage(&job->err, "Unsupported JPEG colour space");
        return false;
    }
    job->cinfo.scale_num = 1;
    job->cinfo.scale_denom = 1;
    return true;
}

void convertCmykRow(const unsigned char* inks, unsigned char* line, JDIMENSION width, bool inverted)
{
    auto* out = reinterpret_cast<QRgb*>(line);
    for (JDIMENSION x = 0; x < width; ++x, inks += 4) {
        unsigned c = inks[0], m = inks[1], y = inks[2], k = inks[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        // Now every value is the amount of light let through (255 = no ink).
        out[x] = qRgb(int(c * k / 255), int(m * k / 255), int(y * k / 255));
    }
}

// Decodes the rows into job->pixels, which has room for the header's size.
bool readPixels(DecodeJob* job)
{
    if (setjmp(job->err.jump))
        return false;
    j_decompress_ptr cinfo = &job->cinfo;
    jpeg_start_decompress(cinfo);
    // Both output spaces give four bytes a pixel.
    if (cinfo->output_width != cinfo->image_width || cinfo->output_height != cinfo->image_height ||
        cinfo->output_components != 4)
        failWith(reinterpret_cast<j_common_ptr>(cinfo), "Unexpected JPEG output layout");

    JSAMPARRAY inkRow = nullptr;
    if (job->cmyk)
        inkRow = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                             cinfo->output_width * 4, 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        unsigned char* line = job->pixels + qsizetype(cinfo->output_scanline) * job->stride;
        JSAMPROW row = job->cmyk ? inkRow[0] : line;
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1)
            failWith(reinterpret_cast<j_common_ptr>(cinfo), "JPEG data ended early");
        if (job->cmyk)
            convertCmykRow(row, line, cinfo->output_width, job->invertedInks);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

struct EncodeJob {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    const unsigned char* pixels; // Format_RGB32 rows
    qsizetype stride;
    JDIMENSION width;
    JDIMENSION height;
    unsigned char* out; // set by jpeg_mem_dest at the end of compression
    unsigned long outSize;
    // jpeg_mem_dest grows its buffer by allocating a bigger one and freeing
    // the old one, but tells *out only at the end. To free the buffer after
    // an error, the wrapper below follows the buffer in use.
    unsigned char* live;
    size_t liveSize;
    boolean (*growBuffer)(j_compress_ptr);
};

boolean onBufferFull(j_compress_ptr cinfo)
{
    auto* job = static_cast<EncodeJob*>(cinfo->client_data);
    const boolean ok = job->growBuffer(cinfo);
    // The old contents (liveSize bytes, the buffer was full) now start the
    // new buffer, and writing continues right after them.
    job->live = cinfo->dest->next_output_byte - job->liveSize;
    job->liveSize += cinfo->dest->free_in_buffer;
    return ok;
}

bool compressFrame(EncodeJob* job)
{
    job->cinfo.err = &job->err.pub;
    installErrorManager(&job->err);
    if (setjmp(job->err.jump))
        return false;
    j_compress_ptr cinfo = &job->cinfo;
    jpeg_create_compress(cinfo);
    cinfo->client_data = job;
    jpeg_mem_dest(cinfo, &job->out, &job->outSize);
    job->live = job->out;
    job->liveSize = job->outSize;
    job->growBuffer = cinfo->dest->empty_output_buffer;
    cinfo->dest->empty_output_buffer = onBufferFull;

    cinfo->image_width = job->width;
    cinfo->image_height = job->height;
    cinfo->input_components = 4;
    cinfo->in_color_space = kEncodeSpace;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, 100, TRUE);
    // 4:4:4: full-resolution chroma keeps colour edges sharp.
    for (int i = 0; i < cinfo->num_components; ++i) {
        cinfo->comp_info[i].h_samp_factor = 1;
        cinfo->comp_info[i].v_samp_factor = 1;
    }
    cinfo->optimize_coding = TRUE;
    cinfo->density_unit = 1; // dots per inch
    cinfo->X_density = 96;
    cinfo->Y_density = 96;

    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        // libjpeg only reads the rows; its API is not const-correct.
        JSAMPROW row =
            const_cast<unsigned char*>(job->pixels) + qsizetype(cinfo->next_scanline) * job->stride;
        if (jpeg_write_scanlines(cinfo, &row, 1) != 1)
            failWith(reinterpret_cast<j_common_ptr>(cinfo), "JPEG output stalled");
    }
    jpeg_finish_compress(cinfo);
    return true;
}

JDIMENSION limit(int value)
{
    return JDIMENSION(std::max(value, 0));
}

} // namespace

JpegResult decodeJpeg(QByteArrayView data, int maxWidth, int maxHeight)
{
    JpegResult result;
    if (data.isEmpty()) {
        result.error = QStringLiteral("No JPEG data");
        return result;
    }
    if (data.size() > kMaxJpegBytes) {
        result.error = QStringLiteral("JPEG data too large: %1 bytes").arg(data.size());
        return result;
    }

    DecodeJob job{}; // zeroed: jpeg_destroy_decompress is safe on it at any point
    job.data = reinterpret_cast<const unsigned char*>(data.data());
    job.size = static_cast<unsigned long>(data.size());
    job.maxWidth = limit(maxWidth);
    job.maxHeight = limit(maxHeight);

    bool ok = readHeader(&job);
    if (ok) {
        result.image =
            QImage(int(job.cinfo.image_width), int(job.cinfo.image_height), QImage::Format_RGB32);
        if (result.image.isNull()) {
            setMessage(&job.err, "Not enough memory for the JPEG picture");
            ok = false;
        } else {
            job.pixels = result.image.bits();
            job.stride = result.image.bytesPerLine();
            ok = readPixels(&job);
        }
    }
    jpeg_destroy_decompress(&job.cinfo);

    if (!ok) {
        result.image = QImage();
        result.error = QString::fromLatin1(job.err.message);
        if (result.error.isEmpty())
            result.error = QStringLiteral("Invalid JPEG data");
    }
    return result;
}

std::optional<QByteArray> encodeJpeg(const QImage& image, QString* error)
{
    auto fail = [error](const QString& text) -> std::optional<QByteArray> {
        if (error)
            *error = text;
        return std::nullopt;
    };
    if (image.isNull())
        return fail(QStringLiteral("No picture to encode"));
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return fail(QStringLiteral("Not enough memory to convert the picture"));

    EncodeJob job{}; // zeroed: jpeg_destroy_compress is safe on it at any point
    job.pixels = rgb.constBits();
    job.stride = rgb.bytesPerLine();
    job.width = JDIMENSION(rgb.width());
    job.height = JDIMENSION(rgb.height());

    const bool ok = compressFrame(&job);
    std::optional<QByteArray> encoded;
    QString message;
    if (ok)
        encoded = QByteArray(reinterpret_cast<const char*>(job.out), qsizetype(job.outSize));
    else
        message = QString::fromLatin1(job.err.message);
    std::free(ok ? job.out : job.live);
    jpeg_destroy_compress(&job.cinfo);

    if (!ok)
        return fail(message.isEmpty() ? QStringLiteral("JPEG encoding failed") : message);
    if (error)
        error->clear();
    return encoded;
}

} // namespace kel
