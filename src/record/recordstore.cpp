#include "record/recordstore.h"

#include <algorithm>

RecordStore::Batch::Batch(RecordStore& store) : store_(store) {
    store_.beginChange();
}

RecordStore::Batch::~Batch() {
    store_.endChange();
}

void RecordStore::beginChange() {
    if (batchDepth_++ == 0 && listener_)
        listener_->registerAboutToChange();
}

void RecordStore::endChange() {
    if (--batchDepth_ == 0 && listener_)
        listener_->registerChanged();
}

QString RecordStore::fullMessage() {
    return QStringLiteral("登録できるデータは %1 件までです。これ以上は追加できません。")
        .arg(kMaxRecords);
}

void RecordStore::appendRows(size_t count) {
    while (rows_.size() < count) {
        rows_.push_back({int(rows_.size()) + 1, colours::kWindowBackground, nextId_++});
    }
}

void RecordStore::setColour(int i, quint32 colour) {
    Row& row = rows_[size_t(i - 1)];
    if (row.colour == colour)
        return;
    row.colour = colour;
    if (batchDepth_ == 0 && listener_)
        listener_->rowChanged(i);
}

quint64 RecordStore::rowId(int i) const {
    return i >= 1 && i <= Count() ? rows_[size_t(i - 1)].id : 0;
}

int RecordStore::rowOfId(quint64 id) const {
    if (id == 0)
        return 0;
    const auto it =
        std::find_if(rows_.begin(), rows_.end(), [id](const Row& r) { return r.id == id; });
    return it == rows_.end() ? 0 : int(it - rows_.begin()) + 1;
}

void RecordStore::clear() {
    Batch batch(*this);
    records_.clear();
    rows_.clear();
}

Result RecordStore::load(std::vector<StationRecord> records) {
    if (records.size() > size_t(kMaxRecords))
        return Result::failure(fullMessage());
    Batch batch(*this);
    records_ = std::move(records);
    rows_.clear();
    appendRows(records_.size());
    return Result::success();
}

Result RecordStore::extend(std::vector<StationRecord> records) {
    if (records.size() > size_t(kMaxRecords) - records_.size())
        return Result::failure(fullMessage());
    Batch batch(*this);
    records_.insert(records_.end(), std::make_move_iterator(records.begin()),
                    std::make_move_iterator(records.end()));
    appendRows(records_.size());
    // The whole register is listed afresh.
    renumber();
    return Result::success();
}

Result RecordStore::append(const StationRecord& record) {
    if (isFull())
        return Result::failure(fullMessage());
    Batch batch(*this);
    records_.push_back(record);
    appendRows(records_.size());
    return Result::success();
}

void RecordStore::replace(int i, const StationRecord& record) {
    records_[size_t(i - 1)] = record;
    if (batchDepth_ == 0 && listener_)
        listener_->rowChanged(i);
}

void RecordStore::remove(int i) {
    Batch batch(*this);
    records_.erase(records_.begin() + (i - 1));
    rows_.erase(rows_.begin() + (i - 1));
}

void RecordStore::removeIf(const std::vector<bool>& remove) {
    Batch batch(*this);
    size_t kept = 0;
    for (size_t i = 0; i < records_.size(); ++i) {
        if (i < remove.size() && remove[i])
            continue;
        if (kept != i) {
            records_[kept] = std::move(records_[i]);
            rows_[kept] = rows_[i];
        }
        ++kept;
    }
    records_.resize(kept);
    rows_.resize(kept);
}

void RecordStore::reorder(const std::vector<int>& order) {
    Batch batch(*this);
    std::vector<StationRecord> records;
    std::vector<Row> rows;
    records.reserve(order.size());
    rows.reserve(order.size());
    for (int index : order) {
        records.push_back(std::move(records_[size_t(index)]));
        rows.push_back(rows_[size_t(index)]);
    }
    records_ = std::move(records);
    rows_ = std::move(rows);
}

void RecordStore::renumber() {
    Batch batch(*this);
    for (size_t k = 0; k < rows_.size(); ++k)
        rows_[k].number = int(k) + 1;
}

void RecordStore::restore(std::vector<StationRecord> records, std::vector<Row> rows) {
    if (records.size() != rows.size() || records.size() > size_t(kMaxRecords))
        return;
    Batch batch(*this);
    records_ = std::move(records);
    rows_ = std::move(rows);
}
