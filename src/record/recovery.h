#pragma once

#include "record/datafile.h"
#include "record/result.h"
#include "record/stationrecord.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

class RecordStore;

// Changes not yet saved, kept where a crash cannot take them: while the register differs from
// its data file, a copy of it lives in the program folder's "Recovery" folder, in the data
// file's own format. Each data file has its own copy, named after a hash of its path
// (Recovery/<hash>.stn), and beside it Recovery/<hash>.path names the data file it belongs to,
// so that the copy itself stays an ordinary data file. A register that has never been saved
// under a name is kept as Recovery/untitled.stn.

// Writes records as the recovery copy of dataFile (empty: a register without a name), as a
// whole or not at all. Characters that the data file cannot hold are kept as '?', since a
// copy that loses a character is better than none.
Result writeRecovery(const QString& programFolder, const QString& dataFile,
                     const std::vector<StationRecord>& records);

// A recovery copy that is worth offering: newer than its data file (or its data file is gone).
struct FoundRecovery {
    QString dataFile; // as recorded when written
    QString path;     // the copy
    QDateTime time;   // when it was written
};
std::optional<FoundRecovery> findRecovery(const QString& programFolder, const QString& dataFile);
// Every copy worth offering, newest first, whichever data file it belongs to: a crash may come
// after another file was opened than the one the settings name.
std::vector<FoundRecovery> listRecoveries(const QString& programFolder);

// The records of dataFile's recovery copy.
datafile::ReadResult loadRecovery(const QString& programFolder, const QString& dataFile);

// Removes dataFile's recovery copy; no copy is not an error.
Result removeRecovery(const QString& programFolder, const QString& dataFile);

// Keeps the recovery copy of a register up to date while it has unsaved changes: told of each
// change, it writes the register at most kDelayMs later, once for any number of changes in
// between; told that the register was saved or its changes given up, it removes the copy.
class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 3000;

    RecoveryWriter(QString programFolder, const RecordStore& store, QObject* parent = nullptr);

    // The register changed and differs from its data file.
    void changed();
    // The register was saved: its data file holds everything.
    void saved();
    // The changes were given up (closing without saving): nothing is to be recovered.
    void discarded();

    // Writes the waiting change now (the timer does this by itself). Success when nothing waits.
    Result flush();
    bool pending() const { return timer_.isActive(); }

signals:
    // A recovery copy could not be written; the window may tell the user once.
    void failed(const QString& error);

private:
    // Writes the register's copy (when it is marked modified).
    Result write();
    void removeWritten();

    QString programFolder_;
    const RecordStore& store_;
    QTimer timer_;
    // The data files whose copies this writer has written since the last save.
    std::vector<QString> written_;
};
