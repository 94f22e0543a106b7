// Whether a data file's bytes look like a register: its length and its records.
#include "record/datafilecheck.h"

#include "platform/cp932.h"
#include "record/datafile.h"
#include "record/recordstore.h"
#include "record/serialdate.h"

#include <QFile>
#include <QLocale>
#include <cmath>
#include <cstring>

namespace datafile {

namespace {

// No licence a register keeps expires before this: the Radio Act that grants them dates from
// 1950.
const QDate kEarliestExpiry(1950, 1, 1);

QString number(qint64 value) {
    return QLocale(QLocale::Japanese, QLocale::Japan).toString(value);
}

struct TextFaults {
    bool control = false;
    bool undecodable = false;
};

// What is wrong with a text field's bytes, in one pass over them (plus the decoder's own check
// where there are double-byte characters):
// - a control character: anything below 0x20 but NUL, and DEL. NUL is left alone: a writer
//   that never assigned a fixed-width field may leave it filled with NULs, and the record is
//   still a station;
// - bytes that are not code page 932 text: a lead byte without its trail byte, a double-byte
//   code without a character, the single bytes without one (0x80, 0xA0, 0xFD-0xFF). A lead
//   byte alone at the end of the field is allowed: older writers cut a text at the field's
//   width even inside a double-byte character.
TextFaults textFaults(const char* text, int length) {
    TextFaults faults;
    bool doubleByte = false;
    for (int i = 0; i < length; ++i) {
        const auto byte = quint8(text[i]);
        if (byte < 0x80) {
            faults.control = faults.control || (byte < 0x20 && byte != 0) || byte == 0x7F;
        } else if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) {
            doubleByte = true;
            ++i; // its trail byte
        } else if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
            faults.undecodable = true;
        }
    }
    if (doubleByte && !faults.undecodable) {
        const qsizetype bad = cp932::firstUndecodable(QByteArrayView(text, length));
        faults.undecodable = bad >= 0 && bad != length - 1;
    }
    return faults;
}

bool hasBadDate(const char* bytes) {
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | quint8(bytes[i]);
    double serial;
    std::memcpy(&serial, &bits, sizeof serial);
    if (!std::isfinite(serial))
        return true;
    const QDate date = serialdate::toDate(serial);
    return !date.isValid() || date < kEarliestExpiry;
}

QString lengthWarning(const FileCheck& check) {
    QString text = QStringLiteral("ファイルの長さ %1 バイトが 1 件 %2 バイトの倍数ではありません"
                                  "（%3 件と余り %4 バイト）。")
                       .arg(number(check.size), number(kRecordSize), number(check.wholeRecords),
                            number(check.strayBytes));
    if (check.recordsRead > check.wholeRecords)
        text +=
            QStringLiteral("余りは途中で切れた 1 件として、足りない部分を空白にして読み込みます。");
    else
        text += QStringLiteral("余りは読み込まれません。");
    return text;
}

QString recordsWarning(const FileCheck& check) {
    QStringList reasons;
    if (check.withControlCharacters > 0)
        reasons << QStringLiteral("制御文字 %1 件").arg(number(check.withControlCharacters));
    if (check.withUndecodableText > 0)
        reasons
            << QStringLiteral("シフトJISでない文字 %1 件").arg(number(check.withUndecodableText));
    if (check.withBadDates > 0)
        reasons << QStringLiteral("日付でない免許期限 %1 件").arg(number(check.withBadDates));
    return QStringLiteral("%1 件のうち %2 件が無線局のデータに見えません（%3）。"
                          "Velmoraのデータファイルではないか、壊れているおそれがあります。")
        .arg(number(check.recordsRead), number(check.oddRecords),
             reasons.join(QStringLiteral("、")));
}

FileCheck startCheck(qint64 size) {
    FileCheck check;
    check.size = size;
    check.wholeRecords = size / kRecordSize;
    check.strayBytes = size % kRecordSize;
    check.recordsRead = recordCount(size);
    return check;
}

// Counts what is wrong with one record of up to 449 bytes. A trailing piece is read as the
// readers read it: spaces for its missing bytes, 0 for a missing part of the date.
void checkRecord(QByteArrayView bytes, FileCheck& check) {
    const char* record = bytes.data();
    char padded[kRecordSize];
    if (bytes.size() < kRecordSize) {
        std::memset(padded, ' ', sizeof padded);
        std::memcpy(padded, bytes.data(), size_t(bytes.size()));
        const FieldInfo& date = fieldInfo(Field::ExpiryDate);
        for (int i = qMax(date.fileOffset, int(bytes.size())); i < date.fileOffset + 8; ++i)
            padded[i] = 0;
        record = padded;
    }
    bool control = false;
    bool undecodable = false;
    bool badDate = false;
    for (const FieldInfo& info : fieldTable()) {
        const char* field = record + info.fileOffset;
        if (info.field == Field::ExpiryDate) {
            badDate = hasBadDate(field);
            continue;
        }
        const TextFaults faults = textFaults(field, info.width);
        control = control || faults.control;
        undecodable = undecodable || faults.undecodable;
    }
    check.withControlCharacters += control;
    check.withUndecodableText += undecodable;
    check.withBadDates += badDate;
    check.oddRecords += control || undecodable || badDate;
}

void addWarnings(FileCheck& check) {
    if (check.strayBytes != 0)
        check.warnings << lengthWarning(check);
    // A stray record here and there is the user's to mend; most of them is another file.
    if (check.oddRecords * 2 > check.recordsRead)
        check.warnings << recordsWarning(check);
}

} // namespace

FileCheck checkBytes(QByteArrayView bytes) {
    FileCheck check = startCheck(bytes.size());
    for (qint64 offset = 0; offset < check.recordsRead * kRecordSize; offset += kRecordSize)
        checkRecord(bytes.sliced(offset, qMin<qint64>(kRecordSize, bytes.size() - offset)), check);
    addWarnings(check);
    return check;
}

FileCheck checkFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    FileCheck check = startCheck(file.size());
    if (check.recordsRead > RecordStore::kMaxRecords)
        return {};
    // A block of whole records at a time: the file is never held whole in memory.
    constexpr qint64 kBlock = 2048 * kRecordSize;
    const qint64 used = qMin(check.recordsRead * kRecordSize, check.size);
    QByteArray block;
    for (qint64 offset = 0; offset < used; offset += kBlock) {
        const qint64 wanted = qMin(kBlock, used - offset);
        block.resize(wanted);
        for (qint64 done = 0; done < wanted;) {
            const qint64 n = file.read(block.data() + done, wanted - done);
            if (n <= 0)
                return {}; // unreadable or shorter than it said: opening reports it
            done += n;
        }
        for (qint64 at = 0; at < wanted; at += kRecordSize)
            checkRecord(QByteArrayView(block).sliced(at, qMin<qint64>(kRecordSize, wanted - at)),
                        check);
    }
    addWarnings(check);
    return check;
}

} // namespace datafile
