#include "output/EmfWriter.h"

#include <uemf.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace kel {

namespace {

// The reference device the header describes: a 96 dots per inch screen.
constexpr std::int32_t kDeviceWidth = 1920;
constexpr std::int32_t kDeviceHeight = 1080;

std::uint32_t RecordSize(const char* record)
{
    U_EMR emr;
    std::memcpy(&emr, record, sizeof emr);
    return emr.nSize;
}

} // namespace

std::int32_t PixelsToHundredthsMm(std::int64_t pixels)
{
    return static_cast<std::int32_t>((pixels * 2540 + 48) / 96);
}

EmfWriter::EmfWriter()
{
    if (emf_htable_create(128, 128, &handles_) != 0)
        failed_ = true;
}

EmfWriter::~EmfWriter()
{
    if (handles_)
        emf_htable_free(&handles_);
}

void EmfWriter::append(char* record)
{
    if (!record) {
        failed_ = true;
        return;
    }
    body_.append(record, static_cast<qsizetype>(RecordSize(record)));
    ++records_;
    std::free(record);
}

QByteArray EmfWriter::finish(QSize size)
{
    EMFTRACK track{};
    append(U_EMREOF_set(0, nullptr, &track));
    const int w = std::max(size.width(), 1), h = std::max(size.height(), 1);
    // Bounds in device pixels, both corners included; the frame in
    // hundredths of a millimetre.
    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(w - 1, h - 1));
    const U_RECTL frame =
        rectl_set(point32_set(0, 0), point32_set(PixelsToHundredthsMm(w), PixelsToHundredthsMm(h)));
    const U_SIZEL device = sizel_set(kDeviceWidth, kDeviceHeight);
    const U_SIZEL millimetres = sizel_set(PixelsToHundredthsMm(kDeviceWidth) / 100,
                                          PixelsToHundredthsMm(kDeviceHeight) / 100);
    char* header = U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, device, millimetres, 0);
    if (failed_ || !header || !handles_) {
        std::free(header);
        return {};
    }
    const std::uint32_t headerSize = RecordSize(header);
    auto* fields = reinterpret_cast<PU_EMRHEADER>(header);
    fields->nBytes = headerSize + static_cast<std::uint32_t>(body_.size());
    fields->nRecords = records_ + 1;
    // Handle 0 is reserved, so the count is one more than the highest used.
    fields->nHandles = static_cast<std::uint16_t>(handles_->peak + 1);
    fields->nPalEntries = 0;
    fields->szlMicrometers = sizel_set(PixelsToHundredthsMm(kDeviceWidth) * 10,
                                       PixelsToHundredthsMm(kDeviceHeight) * 10);
    QByteArray bytes(header, static_cast<qsizetype>(headerSize));
    std::free(header);
    bytes.append(body_);
    body_.clear();
    return bytes;
}

} // namespace kel
