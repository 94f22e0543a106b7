#pragma once

#include "record/recordstore.h"
#include "record/stationrecord.h"

#include <QDate>
#include <QString>
#include <vector>

// A register at its limit: every record different, fields full to their width with double-byte
// text, expiry dates already in ascending order with ties (so a stable sort leaves the order
// alone).
inline std::vector<StationRecord> fullRegister() {
    const QString kanji =
        QStringLiteral("亜唖娃阿哀愛挨姶逢葵茜穐悪握渥旭葦芦鯵梓圧斡扱宛姐虻飴絢綾鮎");
    std::vector<StationRecord> records(RecordStore::kMaxRecords);
    for (int i = 0; i < RecordStore::kMaxRecords; ++i) {
        StationRecord& r = records[size_t(i)];
        const QString number = QString::number(i);
        for (const FieldInfo& info : fieldTable()) {
            if (info.field == Field::ExpiryDate)
                continue;
            // Double-byte text to the field's byte width, ending in the record's number so
            // that no two records are equal.
            r.set(info.field, kanji.left((info.width - int(number.size())) / 2) + number);
        }
        r.setExpiry(QDate(2027, 1, 1).addDays(i / 3));
    }
    return records;
}
