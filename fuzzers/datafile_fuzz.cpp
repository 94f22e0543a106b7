// The data file loader: any bytes, any length. Every record decodes and re-encodes to exactly
// 449 bytes; a record the program wrote and reads again is written back byte for byte.
#include "record/datafile.h"

#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qint64 count = datafile::recordCount(qint64(size));
    for (qint64 k = 0; k < count; ++k) {
        const qint64 offset = k * datafile::kRecordSize;
        const StationRecord record = datafile::decodeRecord(
            bytes.sliced(offset, qMin<qint64>(datafile::kRecordSize, qint64(size) - offset)));
        (void)record.expiry();
        bool unmappable = false;
        const QByteArray again = datafile::encodeRecord(record, &unmappable);
        if (again.size() != datafile::kRecordSize || unmappable)
            std::abort();
        // Bytes that are not valid code page 932 are shown as a stand-in the first time; from
        // then on saving and reading again changes nothing.
        const QByteArray third = datafile::encodeRecord(datafile::decodeRecord(again));
        if (third != again)
            std::abort();
    }
    // The whole loader, through a real file, now and then (files are slow).
    if (size % 16 == 0) {
        static QTemporaryDir dir;
        const QString path = dir.filePath("fuzz.stn");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes.data(), bytes.size());
            file.close();
            RecordStore store;
            const auto opened = datafile::OpenDataFile(store, path, QDate(2024, 1, 1));
            if (opened.outcome == datafile::Outcome::Done && store.Count() != count)
                std::abort();
        }
    }
    return 0;
}
