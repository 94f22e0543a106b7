// Matching a CSV file's rows to the register's stations, and applying the result.
#include "record/importplan.h"

#include "record/captions.h"
#include "record/stationkey.h"

#include <QHash>
#include <bit>
#include <cstdint>

namespace csvfile {

namespace {

bool sameExpiry(const StationRecord& a, const StationRecord& b) {
    // Bit for bit: a stored value that is no date matches only itself.
    return std::bit_cast<std::uint64_t>(a.ExpiryDate) == std::bit_cast<std::uint64_t>(b.ExpiryDate);
}

QString stationName(const StationRecord& record) {
    return QStringLiteral("%1（%2）")
        .arg(record.trimmed(Field::CallSign), record.trimmed(Field::LicenceNo));
}

// The station as the row makes it: the file's value where it has the column, else the old one.
StationUpdate updateFrom(const StationRecord& old, const StationRecord& row,
                         const std::array<bool, kFieldCount>& hasField) {
    StationUpdate update;
    update.record = old;
    for (const FieldInfo& info : fieldTable()) {
        if (!hasField[size_t(info.field)])
            continue;
        if (info.field == Field::ExpiryDate) {
            if (!sameExpiry(old, row)) {
                update.record.ExpiryDate = row.ExpiryDate;
                update.changed.push_back(info.field);
            }
        } else if (old.unpadded(info.field) != row.unpadded(info.field)) {
            update.record.set(info.field, row.unpadded(info.field));
            update.changed.push_back(info.field);
        }
    }
    return update;
}

} // namespace

PlannedImport planImport(const std::vector<StationRecord>& registered, const Imported& imported) {
    QHash<QString, std::vector<int>> stations; // key -> 0-based indexes, in register order
    stations.reserve(qsizetype(registered.size()));
    for (size_t i = 0; i < registered.size(); ++i)
        stations[stationKey(registered[i])].push_back(int(i));

    PlannedImport planned;
    ImportPlan& plan = planned.plan;
    plan.warnings = imported.warnings;
    std::vector<int> claimedBy(registered.size(), 0); // the row that updates each station
    QStringList errors;
    for (size_t k = 0; k < imported.records.size(); ++k) {
        const StationRecord& row = imported.records[k];
        const int line = k < imported.rows.size() ? imported.rows[k] : 0;
        const auto found = stations.constFind(stationKey(row));
        if (found == stations.cend()) {
            plan.added.push_back(row);
            continue;
        }
        const std::vector<int>& candidates = *found;
        int target = -1;
        if (candidates.size() == 1) {
            target = candidates.front();
        } else {
            // The first station with the row's expiry that no earlier row took: a register that
            // holds the same station twice comes back from its own export unchanged.
            for (int i : candidates) {
                if (!sameExpiry(registered[size_t(i)], row))
                    continue;
                if (target < 0 || (claimedBy[size_t(target)] != 0 && claimedBy[size_t(i)] == 0))
                    target = i;
            }
            if (target < 0) {
                errors.append(QStringLiteral("%1 行目：%2は登録に %3 件あり、免許期限の同じものが"
                                             "ないため、どれを更新するか決まりません。")
                                  .arg(line)
                                  .arg(stationName(row))
                                  .arg(candidates.size()));
                continue;
            }
        }
        if (const int earlier = claimedBy[size_t(target)]; earlier != 0) {
            errors.append(QStringLiteral("%1 行目と %2 行目が同じ局%3を更新します。")
                              .arg(earlier)
                              .arg(line)
                              .arg(stationName(registered[size_t(target)])));
            continue;
        }
        claimedBy[size_t(target)] = line;
        StationUpdate update = updateFrom(registered[size_t(target)], row, imported.hasField);
        if (update.changed.empty()) {
            ++plan.unchanged;
            continue;
        }
        update.station = target + 1;
        update.row = line;
        plan.updated.push_back(std::move(update));
    }
    if (!errors.isEmpty()) {
        // The first few, as the reader lists its errors.
        constexpr qsizetype kListed = 10;
        QString message = errors.mid(0, kListed).join(u'\n');
        if (errors.size() > kListed)
            message += QStringLiteral("\n（ほかに %1 件あります。）").arg(errors.size() - kListed);
        return {Result::failure(message), {}};
    }
    return planned;
}

Result checkRoom(int count, const ImportPlan& plan) {
    const qsizetype total = count + qsizetype(plan.added.size());
    if (total <= RecordStore::kMaxRecords)
        return Result::success();
    return Result::failure(QStringLiteral("取り込むと %1 件になり、登録できる %2 件を超えます。")
                               .arg(total)
                               .arg(RecordStore::kMaxRecords));
}

Result applyImportPlan(RecordStore& store, const ImportPlan& plan) {
    if (Result room = checkRoom(store.Count(), plan); !room)
        return room;
    const RecordStore::Batch batch(store);
    for (const StationUpdate& update : plan.updated)
        store.replace(update.station, update.record);
    if (!plan.added.empty())
        return store.extend(plan.added);
    return Result::success();
}

QString planSummary(const ImportPlan& plan) {
    QString text = QStringLiteral("追加 %1件、更新 %2件、変更なし %3件")
                       .arg(plan.added.size())
                       .arg(plan.updated.size())
                       .arg(plan.unchanged);
    for (const StationUpdate& update : plan.updated) {
        QStringList fields;
        for (Field field : update.changed)
            fields.append(fieldCaption(field));
        text += u'\n' + stationName(update.record) + u'：' + fields.join(u'、');
    }
    return text;
}

} // namespace csvfile
