#include "record/wholefile.h"

#include "platform/fileerror.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>

namespace {
Result failure(const QFileDevice& file, const QString& path) {
    return Result::failure(fileerror::describe(file.error(), errno, path));
}

constexpr qint64 kReadChunk = 1 << 20;
} // namespace

Result writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failure(file, path);
    // QSaveFile buffers small writes and does not always notice that the final flush failed
    // (a full disk), so flush here and check before the temporary file replaces the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const Result failed = failure(file, path);
        file.cancelWriting();
        file.commit(); // discards the temporary file
        return failed;
    }
    if (!file.commit())
        return failure(file, path);
    return Result::success();
}

ReadBytes readAtMost(const QString& path, qint64 limit) {
    ReadBytes read;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        read.result = failure(file, path);
        return read;
    }
    // The size a file reports is not trusted (0 for a device or a pipe): the buffer grows with
    // what has actually been read.
    for (;;) {
        const qint64 want = qMin(kReadChunk, limit + 1 - read.bytes.size());
        const qsizetype at = read.bytes.size();
        read.bytes.resize(at + want);
        errno = 0;
        const qint64 n = file.read(read.bytes.data() + at, want);
        if (n < 0) {
            read.bytes.resize(at);
            read.result = failure(file, path);
            return read;
        }
        read.bytes.resize(at + n);
        if (read.bytes.size() > limit) {
            read.bytes.clear();
            read.result = Result::failure(fileerror::message(fileerror::Problem::TooLarge, path));
            return read;
        }
        if (n == 0)
            return read;
    }
}
