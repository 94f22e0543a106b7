#include "record/recordstore.h"

QString RecordStore::fullMessage() {
    return QStringLiteral("登録できるデータは %1 件までです。これ以上は追加できません。")
        .arg(kMaxRecords);
}

Result RecordStore::load(std::vector<StationRecord> records) {
    if (records.size() > size_t(kMaxRecords))
        return Result::failure(fullMessage());
    records_ = std::move(records);
    return Result::success();
}

Result RecordStore::extend(std::vector<StationRecord> records) {
    if (records.size() > size_t(kMaxRecords) - records_.size())
        return Result::failure(fullMessage());
    records_.insert(records_.end(), std::make_move_iterator(records.begin()),
                    std::make_move_iterator(records.end()));
    return Result::success();
}

Result RecordStore::append(const StationRecord& record) {
    if (isFull())
        return Result::failure(fullMessage());
    records_.push_back(record);
    return Result::success();
}
