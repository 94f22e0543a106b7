#pragma once

#include "record/recordstore.h"
#include "record/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <functional>
#include <vector>

// The data file: 449-byte records with no header, fields in code page 932, the date as a
// little-endian double.
namespace datafile {

constexpr int kRecordSize = 449;
// The longest file whose record count is within RecordStore::kMaxRecords.
constexpr qint64 kMaxFileSize = qint64(RecordStore::kMaxRecords) * kRecordSize + 224;

// Number of records in a file of the given length: (length + 224) / 449.
qint64 recordCount(qint64 fileLength);

// One record from up to 449 bytes; missing bytes read as spaces (text) and 0 (date).
StationRecord decodeRecord(QByteArrayView bytes);
// Exactly 449 bytes. Characters code page 932 cannot hold are written as '?' and reported
// through unmappable (when given).
QByteArray encodeRecord(const StationRecord& record, bool* unmappable = nullptr);

// Opens a data file for reading its records: it must be an ordinary file of at most
// RecordStore::kMaxRecords records.
struct Opened {
    Result result;
    bool missing = false;
    qint64 size = 0;
    qint64 count = 0;
};
Opened openRecords(QFile& file, const QString& path);

// Reads the records of a device that holds size bytes, a block at a time, and hands each to
// take in file order: recordCount(size) records, the last one possibly partial. A read that
// fails or ends early is an error (path names the file in messages). Every reader of data
// files goes through here, so that they all see the same records.
Result readRecords(QIODevice& device, qint64 size, const QString& path,
                   const std::function<void(StationRecord&&)>& take);

// Reads every record of a file. Fails (with the platform's text, or the limit message) when it
// cannot be opened or read, or holds more than RecordStore::kMaxRecords records.
struct ReadResult {
    Result result;
    bool missing = false; // no such file (not an error for open and merge)
    std::vector<StationRecord> records;
};
ReadResult readFile(const QString& path);

// Writes records to path as a whole or not at all: a temporary file beside it replaces the old
// file only once complete, so a failure leaves the old file intact.
Result writeFile(const QString& path, const std::vector<StationRecord>& records);

// folder of dataFile + "BackUp/" + yyyymmdd + file name. On a case-sensitive file system an
// existing folder beside the data file whose name is "BackUp" in any case is used.
QString backupPathFor(const QString& dataFile, QDate today);

// Copies dataFile to backupPath, replacing an older copy only once the new one is complete.
// Creates the backup folder beside the data file when it is missing.
Result copyBackup(const QString& dataFile, const QString& backupPath);

// What happened to the register.
enum class Outcome {
    Done,    // the file was read (or written) and the register changed accordingly
    Missing, // no such file: nothing read
    Failed,  // error text in result; the register is exactly as before
};
struct OpResult {
    Outcome outcome = Outcome::Done;
    Result result;
    // SaveDataFile only: the data file itself was written (a failed backup copy afterwards
    // still counts as saved).
    bool dataWritten = false;
};

// Replace the register by the records of path; on success path becomes DataFile (a failed open
// leaves the register and DataFile as they were). A missing file empties the register.
// The grid refresh, sort and colouring are the caller's (the main window's) next steps.
OpResult OpenDataFile(RecordStore& store, const QString& path, QDate today);
// Append the records of path; DataFile does not change, Modified becomes 1. A missing file
// changes nothing.
OpResult AppendDataFile(RecordStore& store, const QString& path, QDate today);
// Write the register to path, then copy DataFile to the backup. Modified is the caller's.
OpResult SaveDataFile(RecordStore& store, const QString& path, QDate today);

} // namespace datafile
