#include "record/datafilelock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

QString canonicalDataFilePath(const QString& dataFile) {
    const QFileInfo info(dataFile);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return folder + QLatin1Char('/') + info.fileName();
}

DataFileLock::DataFileLock() = default;

DataFileLock::~DataFileLock() = default;

DataFileLock::DataFileLock(DataFileLock&&) noexcept = default;

DataFileLock& DataFileLock::operator=(DataFileLock&&) noexcept = default;

QString DataFileLock::lockPathFor(const QString& dataFile) {
    const QFileInfo info(dataFile);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".lock"));
}

Result DataFileLock::tryLock(const QString& dataFile) {
    const QString key = canonicalDataFilePath(dataFile);
    if (lock_ && key == key_)
        return Result::success();
    auto lock = std::make_unique<QLockFile>(lockPathFor(key));
    // A data file stays open for hours: only a lock whose process has ended is stale, never one
    // that is merely old.
    lock->setStaleLockTime(0);
    // The holder may let go between the refusal and reading who it was; a lock file that names
    // nobody (its writer died before writing it) is removed, which the holder of a real lock
    // prevents. Either way: try again, a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (lock->tryLock()) {
            lock_ = std::move(lock);
            dataFile_ = dataFile;
            key_ = key;
            return Result::success();
        }
        if (lock->error() != QLockFile::LockFailedError) {
            unlock();
            return Result::success();
        }
        qint64 pid = 0;
        QString host;
        if (lock->getLockInfo(&pid, &host, nullptr)) {
            return Result::failure(
                QStringLiteral("%1は他のプログラム（ホスト %2、プロセス %3）が開いています。")
                    .arg(QDir::toNativeSeparators(dataFile), host)
                    .arg(pid));
        }
        lock->removeStaleLockFile();
    }
    return Result::failure(QStringLiteral("%1は他のプログラムが開いています。")
                               .arg(QDir::toNativeSeparators(dataFile)));
}

void DataFileLock::unlock() {
    lock_.reset();
    dataFile_.clear();
    key_.clear();
}
