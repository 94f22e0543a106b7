#pragma once

#include "platform/systemcolours.h"
#include "record/result.h"
#include "record/stationrecord.h"

#include <QString>
#include <vector>

// The one in-memory register. Records are numbered 1..Count(); the grid's row k shows record k.
//
// Besides its record every row keeps what the grid shows beside it:
// - its number, the text of column 0: 1..Count() after loading and sorting, but the rows below
//   a deleted record keep theirs until the next sort;
// - its background colour (0x00BBGGRR or a system colour), which moves with the record;
// - an identity: a number that stays with the record through sorting, deleting and removing
//   duplicates, and is never reused. A window that works on one record (the edit dialog) keeps
//   rowId(CurrentIndex) and finds the record again with rowOfId(); 0 means the record is no
//   longer in the register (another file was opened, or it was deleted).
//
// Views follow through a Listener. Changes made inside a Batch are reported once, when the
// outermost Batch ends.
class RecordStore {
public:
    static constexpr int kMaxRecords = 32767;

    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void registerAboutToChange() = 0;
        virtual void registerChanged() = 0;
        // One row's record or colour changed, outside a batch.
        virtual void rowChanged(int row) = 0;
    };

    // Suspends reporting for its lifetime; nests.
    class Batch {
    public:
        explicit Batch(RecordStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        RecordStore& store_;
    };

    // What a row keeps beside its record.
    struct Row {
        int number = 0;
        quint32 colour = colours::kWindowBackground;
        quint64 id = 0;
        bool operator==(const Row&) const = default;
    };

    void setListener(Listener* listener) { listener_ = listener; }

    int Count() const { return int(records_.size()); }
    bool isFull() const { return Count() >= kMaxRecords; }

    // Record i, 1 <= i <= Count().
    const StationRecord& record(int i) const { return records_[size_t(i - 1)]; }
    const std::vector<StationRecord>& records() const { return records_; }

    // What row i shows beside its record, 1 <= i <= Count().
    int number(int i) const { return rows_[size_t(i - 1)].number; }
    quint32 colour(int i) const { return rows_[size_t(i - 1)].colour; }
    void setColour(int i, quint32 colour);
    quint64 rowId(int i) const;
    const std::vector<Row>& rows() const { return rows_; }
    // The row that holds the record with this identity now, or 0.
    int rowOfId(quint64 id) const;

    // clear: no records.
    void clear();
    // load: replace every record, numbered 1..n with new identities. Refused (nothing changes)
    // beyond kMaxRecords.
    Result load(std::vector<StationRecord> records);
    // extend: append after record Count(), and number every row 1..Count() again. Refused
    // (nothing changes) beyond kMaxRecords.
    Result extend(std::vector<StationRecord> records);
    Result append(const StationRecord& record);
    // replace record i with record, 1 <= i <= Count(); its number, colour and identity stay.
    void replace(int i, const StationRecord& record);
    // Removes record i, 1 <= i <= Count(); the numbers of the others stay.
    void remove(int i);
    // Removes the records whose index (0-based) has remove[index] set.
    void removeIf(const std::vector<bool>& remove);
    // Puts the records in a new order: order[k] is the 0-based index of the record that goes to
    // place k. Everything a row keeps moves with its record.
    void reorder(const std::vector<int>& order);
    // Numbers the rows 1..Count().
    void renumber();
    // Puts back an earlier state of the register (undo and redo): records[k] with rows[k]. The
    // identities must be ones this register gave out. Refused (nothing changes) when the two
    // differ in length or pass kMaxRecords.
    void restore(std::vector<StationRecord> records, std::vector<Row> rows);

    // The message shown when the register is full.
    static QString fullMessage();

    qint32 CurrentIndex = 0;
    QString DataFile;
    QString BackupPath;
    qint16 Modified = 0;
    StationRecord WorkRecord;

private:
    void appendRows(size_t count);
    void beginChange();
    void endChange();

    // records_[k] and rows_[k] belong together: every change goes through the members above.
    std::vector<StationRecord> records_;
    std::vector<Row> rows_;
    quint64 nextId_ = 1;
    Listener* listener_ = nullptr;
    int batchDepth_ = 0;
};
