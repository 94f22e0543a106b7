#pragma once

#include "record/result.h"
#include "record/stationrecord.h"

#include <QString>
#include <utility>
#include <vector>

// The one in-memory register. Records are numbered 1..Count(); record k is always what grid
// row k shows.
class RecordStore {
public:
    static constexpr int kMaxRecords = 32767;

    int Count() const { return int(records_.size()); }
    bool isFull() const { return Count() >= kMaxRecords; }

    // Record i, 1 <= i <= Count().
    const StationRecord& record(int i) const { return records_[size_t(i - 1)]; }
    const std::vector<StationRecord>& records() const { return records_; }

    // clear: no records.
    void clear() { records_.clear(); }
    // load: replace every record. Refused (nothing changes) beyond kMaxRecords.
    Result load(std::vector<StationRecord> records);
    // extend: append after record Count(). Refused (nothing changes) beyond kMaxRecords.
    Result extend(std::vector<StationRecord> records);
    Result append(const StationRecord& record);
    // replace record i with record, 1 <= i <= Count().
    void replace(int i, const StationRecord& record) { records_[size_t(i - 1)] = record; }
    // rebuild from the grid: the same as load, for the record checks.
    Result rebuild(std::vector<StationRecord> records) { return load(std::move(records)); }
    // Removes record i, 1 <= i <= Count().
    void remove(int i) { records_.erase(records_.begin() + (i - 1)); }
    // Moves every record out and leaves the register empty; for reordering a whole register in
    // place before handing it back through rebuild().
    std::vector<StationRecord> takeAll() { return std::exchange(records_, {}); }

    // The message shown when the register is full.
    static QString fullMessage();

    qint32 CurrentIndex = 0;
    QString DataFile;
    QString BackupPath;
    qint16 Modified = 0;
    StationRecord WorkRecord;

private:
    std::vector<StationRecord> records_;
};
