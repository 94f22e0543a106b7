#pragma once

#include "record/result.h"

#include <QByteArray>
#include <QString>

// Files read and written as a whole. Failures carry the platform's Japanese text and the path.

// Writes bytes to path as a whole or not at all: a temporary file beside it takes the place of
// the old one only once every byte is on disk. Any failure leaves the old file as it was.
Result writeWholeFile(const QString& path, const QByteArray& bytes);

// The bytes of path, at most limit of them. Reading stops at limit + 1 bytes whatever size the
// file reports (a device or a pipe reports none), and more than limit is an error saying the
// file is too large.
struct ReadBytes {
    Result result;
    QByteArray bytes; // after a failed read, what was read before it; nothing for a large file
};
ReadBytes readAtMost(const QString& path, qint64 limit);
