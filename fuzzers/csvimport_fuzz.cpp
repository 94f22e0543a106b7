// The CSV import: any bytes. Whatever it accepts fits the register, and exports and imports
// again, in either encoding, to the very same data file records.
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/datafile.h"
#include "record/recordstore.h"

#include <cstdlib>

namespace {

QByteArray fileBytes(const std::vector<StationRecord>& records) {
    QByteArray bytes;
    for (const StationRecord& record : records)
        bytes += datafile::encodeRecord(record);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const csvfile::Imported imported =
        csvfile::importCsv(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!imported.result) {
        if (imported.result.error.isEmpty() || !imported.records.empty())
            std::abort();
        return 0;
    }
    if (imported.records.size() > size_t(RecordStore::kMaxRecords))
        std::abort();
    const QByteArray bytes = fileBytes(imported.records);
    for (const auto encoding : {csvfile::Encoding::Utf8, csvfile::Encoding::Cp932}) {
        const csvfile::Exported exported = csvfile::exportCsv(imported.records, encoding);
        if (!exported.result)
            std::abort();
        const csvfile::Imported again = csvfile::importCsv(exported.bytes);
        if (!again.result || fileBytes(again.records) != bytes)
            std::abort();
    }
    return 0;
}
