#include "record/datafile.h"

#include "platform/cp932.h"
#include "record/serialdate.h"
#include "record/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace datafile {

namespace {

constexpr qint64 kReadChunk = 1 << 20;

QString withPath(const QString& error, const QString& path) {
    return error + QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

QString tooManyRecordsMessage(qint64 count) {
    return QStringLiteral("データが多すぎます（%1 件）。読み込めるのは %2 件までです。")
        .arg(count)
        .arg(RecordStore::kMaxRecords);
}

double readDouble(const char* bytes) {
    // The file stores the date little-endian, as the platform it comes from did.
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | quint8(bytes[i]);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void writeDouble(char* out, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
        out[i] = char(bits & 0xFF);
        bits >>= 8;
    }
}

// Reads the whole file, reporting a read that fails or ends early (a file that shrinks or
// becomes unreadable while it is read).
Result readAll(QIODevice& file, qint64 size, const QString& path, QByteArray& out) {
    out.resize(size);
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(out.data() + done, qMin(kReadChunk, size - done));
        if (n < 0)
            return Result::failure(withPath(file.errorString(), path));
        if (n == 0)
            return Result::failure(
                withPath(QStringLiteral("ファイルを最後まで読み込めませんでした。"), path));
        done += n;
    }
    return Result::success();
}

} // namespace

qint64 recordCount(qint64 fileLength) {
    return (fileLength + 224) / kRecordSize;
}

StationRecord decodeRecord(QByteArrayView bytes) {
    StationRecord record;
    char padded[kRecordSize];
    const char* data = bytes.data();
    if (bytes.size() < kRecordSize) {
        // A trailing partial record: missing bytes read as spaces, and as 0 in the date.
        std::memset(padded, ' ', sizeof padded);
        std::memcpy(padded, bytes.data(), size_t(bytes.size()));
        const FieldInfo& date = fieldInfo(Field::ExpiryDate);
        for (int i = date.fileOffset; i < date.fileOffset + 8; ++i) {
            if (i >= bytes.size())
                padded[i] = 0;
        }
        data = padded;
    }
    for (const FieldInfo& info : fieldTable()) {
        if (info.field == Field::ExpiryDate) {
            record.ExpiryDate = readDouble(data + info.fileOffset);
            continue;
        }
        // Only the text before the padding is decoded (0x20 is never the second byte of a
        // character), into a string of exactly its length: a blank field allocates nothing.
        const char* field = data + info.fileOffset;
        int used = info.width;
        while (used > 0 && field[used - 1] == ' ')
            --used;
        if (used == 0)
            continue;
        char16_t decoded[kRecordSize];
        const qsizetype length = cp932::decodeInto(QByteArrayView(field, used), decoded);
        record.set(info.field, QString(reinterpret_cast<const QChar*>(decoded), length));
    }
    return record;
}

QByteArray encodeRecord(const StationRecord& record, bool* unmappable) {
    QByteArray out(kRecordSize, ' ');
    bool bad = false;
    for (const FieldInfo& info : fieldTable()) {
        if (info.field == Field::ExpiryDate) {
            writeDouble(out.data() + info.fileOffset, record.ExpiryDate);
            continue;
        }
        const cp932::EncodeResult field =
            cp932::encodeField(record.unpadded(info.field), info.width);
        bad = bad || !field.ok();
        std::memcpy(out.data() + info.fileOffset, field.bytes.constData(), size_t(info.width));
    }
    if (unmappable)
        *unmappable = bad;
    return out;
}

QByteArrayView RawFile::record(qint64 k) const {
    const qint64 offset = k * kRecordSize;
    return QByteArrayView(bytes.constData() + offset,
                          qMin<qint64>(kRecordSize, bytes.size() - offset));
}

RawFile readRaw(QIODevice& device, qint64 size, const QString& path) {
    RawFile raw;
    const qint64 count = recordCount(size);
    if (count > RecordStore::kMaxRecords) {
        raw.result = Result::failure(withPath(tooManyRecordsMessage(count), path));
        return raw;
    }
    raw.result = readAll(device, size, path, raw.bytes);
    if (raw.result)
        raw.count = count;
    return raw;
}

Opened openRecords(QFile& file, const QString& path) {
    Opened opened;
    const QFileInfo info(path);
    if (!info.exists()) {
        opened.missing = true;
        return opened;
    }
    // A folder, a pipe or a device has no length to count records by: reading one would give
    // an empty register in place of the user's.
    if (!info.isFile()) {
        opened.result = Result::failure(withPath(
            QStringLiteral("データファイルとして読み込めるファイルではありません。"), path));
        return opened;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        opened.result = Result::failure(withPath(file.errorString(), path));
        return opened;
    }
    opened.size = file.size();
    opened.count = recordCount(opened.size);
    if (opened.count > RecordStore::kMaxRecords)
        opened.result = Result::failure(withPath(tooManyRecordsMessage(opened.count), path));
    return opened;
}

Result readExactly(QIODevice& device, qint64 size, const QString& path, QByteArray& out) {
    return readAll(device, size, path, out);
}

RawFile readRaw(const QString& path) {
    QFile file;
    const Opened opened = openRecords(file, path);
    if (opened.missing || !opened.result) {
        RawFile raw;
        raw.missing = opened.missing;
        raw.result = opened.result;
        return raw;
    }
    return readRaw(file, opened.size, path);
}

ReadResult readFile(const QString& path) {
    RawFile raw = readRaw(path);
    ReadResult read;
    read.missing = raw.missing;
    read.result = raw.result;
    if (raw.missing || !raw.result)
        return read;
    read.records.reserve(size_t(raw.count));
    for (qint64 k = 0; k < raw.count; ++k)
        read.records.push_back(decodeRecord(raw.record(k)));
    return read;
}

Result writeFile(const QString& path, const std::vector<StationRecord>& records) {
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * kRecordSize);
    for (size_t i = 0; i < records.size(); ++i) {
        bool unmappable = false;
        bytes.append(encodeRecord(records[i], &unmappable));
        if (unmappable) {
            for (const FieldInfo& info : fieldTable()) {
                if (info.field == Field::ExpiryDate)
                    continue;
                // Only what fits the field counts: a character beyond the cut is not stored.
                const QString& text = records[i].unpadded(info.field);
                const cp932::EncodeResult field = cp932::encodeField(text, info.width);
                const QString bad = field.ok()
                                        ? QString()
                                        : cp932::firstUnmappableCharacter(
                                              QStringView(text).sliced(field.firstUnmappable));
                if (!bad.isEmpty())
                    return Result::failure(
                        QStringLiteral("%1 件目の %2 に保存できない文字「%3」があります。"
                                       "この文字を直してから保存してください。")
                            .arg(i + 1)
                            .arg(QLatin1String(info.name), bad));
            }
        }
    }
    return writeWholeFile(path, bytes);
}

QString backupPathFor(const QString& dataFile, QDate today) {
    const QString path = QDir::fromNativeSeparators(dataFile);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    QString backupFolder = QStringLiteral("BackUp");
    // Folder names compare without regard to case where the program comes from; on a
    // case-sensitive file system use the folder that is there, whatever its case.
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (!dir.exists(backupFolder)) {
        const QStringList entries = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& entry : entries) {
            if (entry.compare(backupFolder, Qt::CaseInsensitive) == 0) {
                backupFolder = entry;
                break;
            }
        }
    }
    return folder + backupFolder + QLatin1Char('/') + today.toString(QStringLiteral("yyyyMMdd")) +
           name;
}

Result copyBackup(const QString& dataFile, const QString& backupPath) {
    QFile source(dataFile);
    if (!source.open(QIODevice::ReadOnly))
        return Result::failure(withPath(source.errorString(), dataFile));
    QByteArray bytes;
    if (Result read = readAll(source, source.size(), dataFile, bytes); !read)
        return read;
    // A data file kept outside the program folder has no backup folder until the first copy.
    // Only the backup folder itself is made: a missing data folder is an error.
    const QString folder = QFileInfo(backupPath).path();
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
        return Result::failure(
            withPath(QStringLiteral("バックアップ用のフォルダを作成できませんでした。"), folder));
    return writeWholeFile(backupPath, bytes);
}

OpResult OpenDataFile(RecordStore& store, const QString& path, QDate today) {
    ReadResult read = readFile(path);
    if (read.missing) {
        store.clear();
        return {Outcome::Missing, Result::success(), false};
    }
    if (!read.result)
        return {Outcome::Failed, read.result, false};
    if (Result loaded = store.load(std::move(read.records)); !loaded)
        return {Outcome::Failed, loaded, false};
    // The register now holds this file: only now does it become the data file.
    store.DataFile = path;
    store.BackupPath = backupPathFor(store.DataFile, today);
    return {Outcome::Done, Result::success(), false};
}

OpResult AppendDataFile(RecordStore& store, const QString& path, QDate today) {
    ReadResult read = readFile(path);
    if (read.missing)
        return {Outcome::Missing, Result::success(), false};
    if (!read.result)
        return {Outcome::Failed, read.result, false};
    if (Result extended = store.extend(std::move(read.records)); !extended)
        return {Outcome::Failed, extended, false};
    store.BackupPath = backupPathFor(store.DataFile, today);
    store.Modified = 1;
    return {Outcome::Done, Result::success(), false};
}

OpResult SaveDataFile(RecordStore& store, const QString& path, QDate today) {
    if (Result written = writeFile(path, store.records()); !written)
        return {Outcome::Failed, written, false};
    store.BackupPath = backupPathFor(store.DataFile, today);
    if (Result copied = copyBackup(store.DataFile, store.BackupPath); !copied)
        return {Outcome::Failed, copied, true};
    return {Outcome::Done, Result::success(), true};
}

} // namespace datafile
