#pragma once
// The bytes of an enhanced metafile, gathered record by record. Records come
// from libUEMF's *_set functions; the writer takes them over, keeps the
// object handle table, and on finish() puts the header in front (with the
// record count, handle count and byte size it ends up with) and the
// end-of-file record behind.

#include <QByteArray>
#include <QSize>

#include <uemf.h>

#include <cstdint>

namespace kel {

class EmfWriter {
public:
    EmfWriter();
    ~EmfWriter();
    EmfWriter(const EmfWriter&) = delete;
    EmfWriter& operator=(const EmfWriter&) = delete;

    // Appends a record made by libUEMF and frees it. A null record (libUEMF
    // could not make it) marks the metafile as failed.
    void append(char* record);
    // The handle table the object-creating records draw their numbers from.
    EMFHANDLES* handles() const { return handles_; }
    bool failed() const { return failed_; }

    // The complete metafile of a picture of `size` pixels at 96 dots per
    // inch; empty when a record could not be made. The writer is spent
    // afterwards.
    QByteArray finish(QSize size);

private:
    QByteArray body_;
    std::uint32_t records_ = 0;
    EMFHANDLES* handles_ = nullptr;
    bool failed_ = false;
};

// Hundredths of a millimetre of `pixels` at 96 dots per inch, rounded.
std::int32_t PixelsToHundredthsMm(std::int64_t pixels);

} // namespace kel
