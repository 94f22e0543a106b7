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

// A control character: anything below 0x20 but NUL, and DEL. NUL is left alone: a writer that
// never assigned a fixed-width field may leave it filled with NULs, and the record is still a
// station.
bool hasControlCharacter(const char* text, int length) {
    for (int i = 0; i < length; ++i) {
        const auto byte = quint8(text[i]);
        if ((byte < 0x20 && byte != 0) || byte == 0x7F)
            return true;
    }
    return false;
}

// Bytes that are not code page 932 text: a lead byte without its trail byte, a double-byte
// code without a character, and the single bytes without one (0x80, 0xA0, 0xFD-0xFF). A lead
// byte alone at the end of a field is allowed: older writers cut a text at the field's width
// even inside a double-byte character.
bool hasUndecodableText(const char* text, int length) {
    const qsizetype bad = cp932::firstUndecodable(QByteArrayView(text, length));
    if (bad >= 0 && bad != length - 1)
        return true;
    for (int i = 0; i < length; ++i) {
        const auto byte = quint8(text[i]);
        if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC))
            ++i; // its trail byte
        else if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD)
            return true;
    }
    return false;
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

} // namespace

FileCheck checkBytes(QByteArrayView bytes) {
    FileCheck check;
    check.size = bytes.size();
    check.wholeRecords = check.size / kRecordSize;
    check.strayBytes = check.size % kRecordSize;
    check.recordsRead = recordCount(check.size);
    for (qint64 k = 0; k < check.recordsRead; ++k) {
        // A trailing piece reads with spaces for its missing bytes and 0 for a missing date.
        char record[kRecordSize];
        std::memset(record, ' ', sizeof record);
        const qint64 offset = k * kRecordSize;
        const qint64 present = qMin<qint64>(kRecordSize, check.size - offset);
        std::memcpy(record, bytes.data() + offset, size_t(present));
        bool control = false;
        bool undecodable = false;
        bool badDate = false;
        for (const FieldInfo& info : fieldTable()) {
            const char* field = record + info.fileOffset;
            if (info.field == Field::ExpiryDate) {
                for (int i = info.fileOffset; i < info.fileOffset + 8; ++i) {
                    if (i >= present)
                        record[i] = 0;
                }
                badDate = hasBadDate(field);
                continue;
            }
            control = control || hasControlCharacter(field, info.width);
            undecodable = undecodable || hasUndecodableText(field, info.width);
        }
        check.withControlCharacters += control;
        check.withUndecodableText += undecodable;
        check.withBadDates += badDate;
        check.oddRecords += control || undecodable || badDate;
    }
    if (check.strayBytes != 0)
        check.warnings << lengthWarning(check);
    // A stray record here and there is the user's to mend; most of them is another file.
    if (check.oddRecords * 2 > check.recordsRead)
        check.warnings << recordsWarning(check);
    return check;
}

FileCheck checkFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (recordCount(size) > RecordStore::kMaxRecords)
        return {};
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return {};
    return checkBytes(bytes);
}

} // namespace datafile
