#include "record/recovery.h"

#include "record/datafilelock.h"
#include "record/recordstore.h"
#include "record/wholefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kFolder = QStringLiteral("Recovery");
// The path beside the copy is one line; anything longer is not ours.
constexpr qint64 kMaxPathBytes = 16384;

QString folderOf(const QString& programFolder) {
    return programFolder + QLatin1Char('/') + kFolder;
}

// The copy's path without its extension.
QString stemFor(const QString& programFolder, const QString& dataFile) {
    if (dataFile.isEmpty())
        return folderOf(programFolder) + QStringLiteral("/untitled");
    const QByteArray hash = QCryptographicHash::hash(canonicalDataFilePath(dataFile).toUtf8(),
                                                     QCryptographicHash::Sha256);
    return folderOf(programFolder) + QLatin1Char('/') + QString::fromLatin1(hash.toHex().left(16));
}

QString recordedKey(const QString& dataFile) {
    return dataFile.isEmpty() ? QString() : canonicalDataFilePath(dataFile);
}

// The data file named in a .path file; nullopt when it cannot be read.
std::optional<QString> readRecordedPath(const QString& pathFile) {
    QFile file(pathFile);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPathBytes)
        return std::nullopt;
    QByteArray line = file.readAll();
    if (!line.endsWith('\n'))
        return std::nullopt;
    line.chop(1);
    return QString::fromUtf8(line);
}

// The copy at stem, when its .path names key and it is newer than the data file.
std::optional<FoundRecovery> offered(const QString& stem, const std::optional<QString>& key) {
    const QFileInfo copy(stem + QStringLiteral(".stn"));
    const std::optional<QString> recorded = readRecordedPath(stem + QStringLiteral(".path"));
    if (!copy.isFile() || !recorded || (key && *recorded != *key))
        return std::nullopt;
    if (!recorded->isEmpty()) {
        const QFileInfo data(*recorded);
        if (data.exists() && data.lastModified() >= copy.lastModified())
            return std::nullopt;
    }
    return FoundRecovery{*recorded, copy.filePath(), copy.lastModified()};
}

} // namespace

Result writeRecovery(const QString& programFolder, const QString& dataFile,
                     const std::vector<StationRecord>& records) {
    if (!QDir().mkpath(folderOf(programFolder)))
        return Result::failure(QStringLiteral("復旧用のフォルダを作れません: %1")
                                   .arg(QDir::toNativeSeparators(folderOf(programFolder))));
    const QString stem = stemFor(programFolder, dataFile);
    // The name first: a copy without it could not be matched to its data file.
    if (Result named =
            writeWholeFile(stem + QStringLiteral(".path"), recordedKey(dataFile).toUtf8() + '\n');
        !named)
        return named;
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * datafile::kRecordSize);
    for (const StationRecord& record : records)
        bytes.append(datafile::encodeRecord(record));
    return writeWholeFile(stem + QStringLiteral(".stn"), bytes);
}

std::optional<FoundRecovery> findRecovery(const QString& programFolder, const QString& dataFile) {
    return offered(stemFor(programFolder, dataFile), recordedKey(dataFile));
}

std::vector<FoundRecovery> listRecoveries(const QString& programFolder) {
    std::vector<FoundRecovery> found;
    const QDir folder(folderOf(programFolder));
    for (const QFileInfo& copy :
         folder.entryInfoList({QStringLiteral("*.stn")}, QDir::Files, QDir::Time)) {
        if (std::optional<FoundRecovery> one =
                offered(copy.path() + QLatin1Char('/') + copy.completeBaseName(), std::nullopt))
            found.push_back(std::move(*one));
    }
    return found;
}

datafile::ReadResult loadRecovery(const QString& programFolder, const QString& dataFile) {
    return datafile::readFile(stemFor(programFolder, dataFile) + QStringLiteral(".stn"));
}

Result removeRecovery(const QString& programFolder, const QString& dataFile) {
    const QString stem = stemFor(programFolder, dataFile);
    // The copy first: a .path left alone is never offered.
    for (const QString& path : {stem + QStringLiteral(".stn"), stem + QStringLiteral(".path")}) {
        QFile file(path);
        if (file.exists() && !file.remove())
            return Result::failure(file.errorString() + QLatin1Char('\n') +
                                   QDir::toNativeSeparators(path));
    }
    return Result::success();
}

RecoveryWriter::RecoveryWriter(QString programFolder, const RecordStore& store, QObject* parent)
    : QObject(parent), programFolder_(std::move(programFolder)), store_(store) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Result written = write(); !written)
            emit failed(written.error);
    });
}

void RecoveryWriter::changed() {
    // Not restarted by later changes: steady typing must not put the copy off for ever.
    if (!timer_.isActive())
        timer_.start();
}

void RecoveryWriter::saved() {
    timer_.stop();
    removeWritten();
}

void RecoveryWriter::discarded() {
    timer_.stop();
    removeWritten();
}

Result RecoveryWriter::flush() {
    if (!timer_.isActive())
        return Result::success();
    timer_.stop();
    return write();
}

Result RecoveryWriter::write() {
    // A reset of the register (an open) also counts as a change; only a modified one is kept.
    if (store_.Modified != 1)
        return Result::success();
    const QString dataFile = store_.DataFile;
    if (std::find(written_.begin(), written_.end(), dataFile) == written_.end())
        written_.push_back(dataFile);
    return writeRecovery(programFolder_, dataFile, store_.records());
}

void RecoveryWriter::removeWritten() {
    // Also the copies under earlier names of a register that was saved under a new one, and
    // the copy this register was restored from.
    written_.push_back(store_.DataFile);
    for (const QString& dataFile : written_)
        removeRecovery(programFolder_, dataFile);
    written_.clear();
}
