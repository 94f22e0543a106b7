#include "record/datafile.h"

#include "platform/cp932.h"
#include "platform/fileerror.h"
#include "record/captions.h"
#include "record/serialdate.h"
#include "record/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace datafile {

namespace {

constexpr qint64 kReadChunk = 1 << 20;
// Records read and decoded at a time: the file is never held whole in memory.
constexpr qint64 kRecordsPerBlock = 2048;

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

// The platform's failure of a device just read, in Japanese.
QString readError(const QIODevice& device, int systemError, const QString& path) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    if (!file)
        return fileerror::message(fileerror::Problem::Other, path);
    return fileerror::describe(file->error(), systemError, path);
}

// Reads exactly size bytes into out, reporting a read that fails or ends early (a file that
// shrinks or becomes unreadable while it is read). Nothing past size is read, whatever the file
// holds by then.
Result readExactly(QIODevice& file, qint64 size, const QString& path, QByteArray& out) {
    out.resize(size);
    qint64 done = 0;
    while (done < size) {
        errno = 0;
        const qint64 n = file.read(out.data() + done, qMin(kReadChunk, size - done));
        if (n < 0)
            return Result::failure(readError(file, errno, path));
        if (n == 0)
            return Result::failure(
                withPath(QStringLiteral("ファイルを最後まで読み込めませんでした。"), path));
        done += n;
    }
    return Result::success();
}

// The message refusing a record that holds a character code page 932 cannot hold, or an empty
// text. Only what fits the field counts: a character beyond the cut is not stored.
QString unstorableMessage(const StationRecord& record, qsizetype number) {
    for (const FieldInfo& info : fieldTable()) {
        if (info.field == Field::ExpiryDate)
            continue;
        const QStringView text = record.unpadded(info.field);
        const cp932::EncodeResult field = cp932::encodeField(text, info.width);
        if (field.ok())
            continue;
        return QStringLiteral("%1 件目の「%2」に保存できない文字「%3」があります。"
                              "この文字を直してから保存してください。")
            .arg(number)
            .arg(fieldCaption(info.field),
                 cp932::firstUnmappableCharacter(text.sliced(field.firstUnmappable)));
    }
    return {};
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
    // Every text decodes into one buffer: a character never takes more than its bytes.
    char16_t decoded[kRecordSize];
    qsizetype used = 0;
    std::array<QStringView, kTextFieldCount> texts;
    size_t slot = 0;
    for (const FieldInfo& info : fieldTable()) {
        if (info.field == Field::ExpiryDate) {
            record.ExpiryDate = readDouble(data + info.fileOffset);
            continue;
        }
        // Only the text before the padding is decoded (0x20 is never the second byte of a
        // character).
        const char* field = data + info.fileOffset;
        int length = info.width;
        while (length > 0 && field[length - 1] == ' ')
            --length;
        const qsizetype n = cp932::decodeInto(QByteArrayView(field, length), decoded + used);
        texts[slot++] = QStringView(decoded + used, n);
        used += n;
    }
    record.setTexts(texts);
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
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        opened.result = Result::failure(fileerror::describe(file.error(), errno, path));
        return opened;
    }
    opened.size = file.size();
    opened.count = recordCount(opened.size);
    if (opened.count > RecordStore::kMaxRecords)
        opened.result = Result::failure(withPath(tooManyRecordsMessage(opened.count), path));
    return opened;
}

Result readRecords(QIODevice& device, qint64 size, const QString& path,
                   const std::function<void(StationRecord&&)>& take) {
    const qint64 count = recordCount(size);
    const qint64 used = qMin(count * kRecordSize, size);
    QByteArray block;
    for (qint64 first = 0; first < count; first += kRecordsPerBlock) {
        const qint64 offset = first * kRecordSize;
        const qint64 bytes = qMin(kRecordsPerBlock * kRecordSize, used - offset);
        if (Result read = readExactly(device, bytes, path, block); !read)
            return read;
        for (qint64 at = 0; at < bytes; at += kRecordSize)
            take(decodeRecord(
                QByteArrayView(block.constData() + at, qMin<qint64>(kRecordSize, bytes - at))));
    }
    return Result::success();
}

ReadResult readFile(const QString& path) {
    ReadResult read;
    QFile file;
    const Opened opened = openRecords(file, path);
    read.missing = opened.missing;
    read.result = opened.result;
    if (opened.missing || !opened.result)
        return read;
    read.records.reserve(size_t(opened.count));
    read.result = readRecords(file, opened.size, path, [&read](StationRecord&& record) {
        read.records.push_back(std::move(record));
    });
    if (!read.result)
        read.records.clear();
    return read;
}

Result writeFile(const QString& path, const std::vector<StationRecord>& records) {
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * kRecordSize);
    for (size_t i = 0; i < records.size(); ++i) {
        bool unmappable = false;
        bytes.append(encodeRecord(records[i], &unmappable));
        if (unmappable) {
            if (const QString message = unstorableMessage(records[i], qsizetype(i) + 1);
                !message.isEmpty())
                return Result::failure(message);
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
    const ReadBytes source = readAtMost(dataFile, kMaxFileSize);
    if (!source.result)
        return source.result;
    // A data file kept outside the program folder has no backup folder until the first copy.
    // Only the backup folder itself is made: a missing data folder is an error.
    const QString folder = QFileInfo(backupPath).path();
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
        return Result::failure(
            withPath(QStringLiteral("バックアップ用のフォルダを作成できませんでした。"), folder));
    return writeWholeFile(backupPath, source.bytes);
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
