#include "record/wholefile.h"

#include <QDir>
#include <QSaveFile>

namespace {
Result failure(const QString& error, const QString& path) {
    return Result::failure(error + QLatin1Char('\n') + QDir::toNativeSeparators(path));
}
} // namespace

Result writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString(), path);
    // QSaveFile buffers small writes and does not always notice that the final flush failed
    // (a full disk), so flush here and check before the temporary file replaces the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.cancelWriting();
        file.commit(); // discards the temporary file
        return failure(error, path);
    }
    if (!file.commit())
        return failure(file.errorString(), path);
    return Result::success();
}
