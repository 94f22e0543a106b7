#pragma once

#include "record/result.h"

#include <QString>
#include <memory>

class QLockFile;

// One writer per data file: while a program (or velmora-tool import) works on a data file it
// holds a lock file beside it, ".NAME.stn.lock". A second program that wants the same file is
// refused with the host and process that hold it. A lock left behind by a process that has
// ended (a crash, a power cut) is taken over.
class DataFileLock {
public:
    DataFileLock();
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;
    // Moved, the lock goes with it; assigned over, the lock held before is let go. A window
    // takes a new file's lock in a lock of its own and moves it in once the file is open.
    DataFileLock(DataFileLock&&) noexcept;
    DataFileLock& operator=(DataFileLock&&) noexcept;

    // ".NAME.stn.lock" in the data file's folder.
    static QString lockPathFor(const QString& dataFile);

    // Takes the lock of dataFile and lets go of the one held before; refused, it keeps the one
    // held before, and the error names who holds dataFile. Asking again for the file already
    // held succeeds at once. Where no lock file can be made at all (a folder without write
    // permission), the file is nobody's to write and this succeeds without holding anything.
    Result tryLock(const QString& dataFile);
    void unlock();

    // The data file whose lock is held; empty when none is.
    QString dataFile() const { return dataFile_; }

private:
    std::unique_ptr<QLockFile> lock_;
    QString dataFile_;
    QString key_; // canonical form of dataFile_
};

// The data file's path with its folder's symbolic links and "." resolved, so that two
// spellings of one file compare equal (the file itself need not exist yet).
QString canonicalDataFilePath(const QString& dataFile);
