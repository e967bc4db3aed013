#pragma once
// Walks the records of a metafile for the tests, each one checked first by
// libUEMF's safety checks, as a reader of untrusted files would.

#include <QByteArray>

#include <uemf.h>
#include <uemf_safe.h>

#include <cstring>
#include <vector>

namespace kel::test {

struct EmfRecord {
    uint32_t type = 0;
    QByteArray bytes;
    template <typename T> T as() const
    {
        T value{};
        std::memcpy(&value, bytes.constData(), std::min(sizeof(T), size_t(bytes.size())));
        return value;
    }
};

struct EmfFile {
    bool valid = false; // every record is whole and passes the safety checks
    U_EMRHEADER header{};
    std::vector<EmfRecord> records;

    std::vector<EmfRecord> ofType(uint32_t type) const
    {
        std::vector<EmfRecord> found;
        for (const EmfRecord& r : records)
            if (r.type == type)
                found.push_back(r);
        return found;
    }
};

inline EmfFile ReadEmf(const QByteArray& bytes)
{
    EmfFile file;
    qsizetype at = 0;
    while (at + qsizetype(sizeof(U_EMR)) <= bytes.size()) {
        U_EMR emr;
        std::memcpy(&emr, bytes.constData() + at, sizeof emr);
        if (emr.nSize < sizeof(U_EMR) || emr.nSize % 4 != 0 || at + emr.nSize > bytes.size())
            return file;
        // The checks read the record in place; give them an aligned copy.
        std::vector<uint32_t> aligned(emr.nSize / 4);
        std::memcpy(aligned.data(), bytes.constData() + at, emr.nSize);
        if (!U_emf_record_safe(reinterpret_cast<const char*>(aligned.data())))
            return file;
        file.records.push_back({emr.iType, bytes.mid(at, emr.nSize)});
        at += emr.nSize;
        if (emr.iType == U_EMR_EOF)
            break;
    }
    if (file.records.empty() || file.records.front().type != U_EMR_HEADER ||
        file.records.back().type != U_EMR_EOF || at != bytes.size())
        return file;
    file.header = file.records.front().as<U_EMRHEADER>();
    file.valid = true;
    return file;
}

} // namespace kel::test
