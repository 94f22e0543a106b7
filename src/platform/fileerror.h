#pragma once

#include <QFileDevice>
#include <QString>

// File-system failures as the user reads them: a short Japanese sentence for what went wrong,
// then the file's path on a line of its own. The system's own (English) text never reaches the
// user.
namespace fileerror {

enum class Problem {
    NotFound,     // the file, or a folder on the way to it, is not there
    NoPermission, // the user may not read or write it
    ReadOnly,     // a read-only file or file system
    DiskFull,     // no room left (or past a size limit)
    IsFolder,     // a folder where a file was expected
    InUse,        // busy or locked by another process
    TooLarge,     // larger than the reader takes
    Other,
};

// What an errno value from a failed file operation means; Other for 0 and anything unknown.
Problem fromErrno(int systemError);

// The sentence for a problem, without the path.
QString text(Problem problem);

// text(problem), a line break and path in the platform's separators.
QString message(Problem problem, const QString& path);

// The problem behind a file operation on path that has just failed with error (a QFile's or
// QSaveFile's error()). systemError is errno read right after the failing call, set to 0
// before it; where it says nothing, the state of path on disk tells (a folder, a missing
// folder, an existing file that may not be written).
Problem problemOf(QFileDevice::FileError error, int systemError, const QString& path);

// message(problemOf(error, systemError, path), path).
QString describe(QFileDevice::FileError error, int systemError, const QString& path);

} // namespace fileerror
