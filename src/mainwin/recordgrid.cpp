#include "mainwin/recordgrid.h"

#include "record/eradate.h"
#include "record/serialdate.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The grid's own column widths in twips, used until the settings give others.
constexpr std::array<qint32, RecordGrid::kColumns> kDefaultWidths = {
    600,  1500, 2300, 2100, 900,  1800, 2000, 1200, 3000,
    3000, 2400, 2400, 1800, 2000, 1200, 3000, 3000, 1800,
};

const QString& emptyText() {
    static const QString empty;
    return empty;
}

// True when a field that keeps previous gets exactly that from cell.
bool keepsAs(const QString& previous, const QString& cell, int width) {
    return keptText(cell, width) == QStringView(previous);
}

// Field shown in each grid column (column 0, the number, has none).
const std::array<Field, RecordGrid::kColumns>& columnFields() {
    static const std::array<Field, RecordGrid::kColumns> table = [] {
        std::array<Field, RecordGrid::kColumns> fields{};
        for (int column = 1; column < RecordGrid::kColumns; ++column)
            fields[size_t(column)] = fieldForGridColumn(column);
        return fields;
    }();
    return table;
}

// The date value of a stored expiry without its time of day; a value that is not a
// supported date is kept as it is.
double wholeDay(double expiry) {
    static const double first = serialdate::fromDate(serialdate::firstSupported());
    static const double last = serialdate::fromDate(serialdate::lastSupported());
    const double day = std::floor(expiry);
    return day >= first && day <= last ? day : expiry;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// True when the cells of record give record back: no text with leading spaces (which the grid
// does not show), the date without a time of day.
bool roundTrips(const StationRecord& record) {
    if (!sameBits(wholeDay(record.ExpiryDate), record.ExpiryDate))
        return false;
    for (const FieldInfo& info : fieldTable()) {
        if (info.field == Field::ExpiryDate)
            continue;
        const QString& text = record.unpadded(info.field);
        if (!text.isEmpty() && text.front() == QLatin1Char(' '))
            return false;
    }
    return true;
}

// Where the record's texts live, which moving the record keeps: the first text it holds.
// A record without any text has none, and is then never taken as in step.
const void* whereTextsLive(const StationRecord& record) {
    for (const FieldInfo& info : fieldTable()) {
        if (info.field != Field::ExpiryDate && !record.unpadded(info.field).isEmpty())
            return record.unpadded(info.field).constData();
    }
    return nullptr;
}

} // namespace

RecordGrid::Batch::Batch(RecordGrid& grid) : grid_(grid) {
    grid_.beginChange();
}

RecordGrid::Batch::~Batch() {
    grid_.endChange();
}

RecordGrid::RecordGrid() : widths_(kDefaultWidths) {}

const QString& RecordGrid::headerText(int column) {
    static const std::array<QString, kColumns> headers = {
        QStringLiteral("No"),          QStringLiteral("ｺｰﾙｻｲﾝ"),      QStringLiteral("免許番号"),
        QStringLiteral("免許期限"),    QStringLiteral("種別"),        QStringLiteral("氏名"),
        QStringLiteral("ﾌﾘｶﾞﾅ"),       QStringLiteral("無線局〒"),    QStringLiteral("無線局住所1"),
        QStringLiteral("無線局住所2"), QStringLiteral("社団名"),      QStringLiteral("社団名カナ"),
        QStringLiteral("申請者氏名"),  QStringLiteral("申請者ﾌﾘｶﾞﾅ"), QStringLiteral("申請書〒"),
        QStringLiteral("申請書住所1"), QStringLiteral("申請書住所2"), QStringLiteral("申請書Tel"),
    };
    return headers[size_t(column)];
}

void RecordGrid::beginChange() {
    if (batchDepth_++ == 0 && listener_)
        listener_->gridAboutToChange();
}

void RecordGrid::endChange() {
    if (--batchDepth_ == 0) {
        clampCurrentRow();
        if (listener_)
            listener_->gridChanged();
    }
}

void RecordGrid::rowChanged(int row) {
    if (batchDepth_ == 0 && listener_)
        listener_->gridRowChanged(row);
}

RecordGrid::Row* RecordGrid::dataRow(int row) {
    if (row < 1 || row > dataRows())
        return nullptr;
    return rows_[size_t(row - 1)].get();
}

const RecordGrid::Row* RecordGrid::dataRow(int row) const {
    if (row < 1 || row > dataRows())
        return nullptr;
    return rows_[size_t(row - 1)].get();
}

void RecordGrid::clampCurrentRow() {
    currentRow_ = std::clamp(currentRow_, 1, Rows() - 1);
}

const QString& RecordGrid::text(int row, int column) const {
    if (column < 0 || column >= kColumns)
        return emptyText();
    if (row == 0)
        return headerText(column);
    const Row* r = dataRow(row);
    return r ? r->cells[size_t(column)] : emptyText();
}

void RecordGrid::setText(int row, int column, const QString& text) {
    Row* r = dataRow(row);
    if (!r || column < 0 || column >= kColumns)
        return;
    r->cells[size_t(column)] = text;
    if (column == 3) {
        const QDate date = ParseEraDate(text);
        if (date.isValid())
            r->expiry = serialdate::fromDate(date);
    }
    r->inStepWith = nullptr;
    rowChanged(row);
}

double RecordGrid::expiry(int row) const {
    const Row* r = dataRow(row);
    return r ? r->expiry : 0.0;
}

quint32 RecordGrid::colour(int row) const {
    const Row* r = dataRow(row);
    return r ? r->colour : colours::kWindowBackground;
}

void RecordGrid::setColour(int row, quint32 colour) {
    Row* r = dataRow(row);
    if (!r || r->colour == colour)
        return;
    r->colour = colour;
    rowChanged(row);
}

quint64 RecordGrid::rowId(int row) const {
    const Row* r = dataRow(row);
    return r ? r->id : 0;
}

int RecordGrid::rowOfId(quint64 id) const {
    if (id == 0)
        return 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i]->id == id)
            return int(i) + 1;
    }
    return 0;
}

void RecordGrid::setCurrentRow(int row) {
    currentRow_ = row;
    clampCurrentRow();
}

RecordGrid::Cells RecordGrid::cellsOf(const StationRecord& record, int number) {
    Cells cells;
    cells[0] = numberText(number);
    for (int column = 1; column < kColumns; ++column) {
        const Field field = columnFields()[size_t(column)];
        if (field == Field::ExpiryDate)
            cells[size_t(column)] = FormatEraDate(record.expiry());
        else
            cells[size_t(column)] = record.trimmed(field);
    }
    return cells;
}

void RecordGrid::refresh(const RecordStore& store, int keepIdentities) {
    Batch batch(*this);
    const int count = store.Count();
    std::vector<quint64> kept;
    for (int i = 0; i < std::min({keepIdentities, count, dataRows()}); ++i)
        kept.push_back(rows_[size_t(i)]->id);

    // Texts that recur (dates, station types) are built once and shared by every row.
    QHash<qint64, QString> dates;
    QHash<QString, QString> types;
    std::vector<std::unique_ptr<Row>> rows;
    rows.reserve(size_t(count));
    for (int k = 1; k <= count; ++k) {
        const StationRecord& record = store.record(k);
        auto row = std::make_unique<Row>();
        row->cells[0] = numberText(k);
        for (int column = 1; column < kColumns; ++column) {
            const Field field = columnFields()[size_t(column)];
            QString& cell = row->cells[size_t(column)];
            if (field == Field::ExpiryDate) {
                const QDate date = record.expiry();
                const qint64 day = date.isValid() ? date.toJulianDay() : 0;
                auto it = dates.constFind(day);
                if (it == dates.constEnd())
                    it = dates.insert(day, FormatEraDate(date));
                cell = it.value();
            } else if (field == Field::StationType) {
                const QString& type = record.unpadded(field);
                auto it = types.constFind(type);
                if (it == types.constEnd())
                    it = types.insert(type, record.trimmed(field));
                cell = it.value();
            } else {
                cell = record.trimmed(field);
            }
        }
        row->expiry = record.ExpiryDate;
        row->inStepWith = roundTrips(record) ? whereTextsLive(record) : nullptr;
        row->id = size_t(k - 1) < kept.size() ? kept[size_t(k - 1)] : nextId_++;
        rows.push_back(std::move(row));
    }
    rows_ = std::move(rows);
}

quint64 RecordGrid::appendRow(const Cells& cells, double expiry) {
    Batch batch(*this);
    auto row = std::make_unique<Row>();
    row->cells = cells;
    row->expiry = expiry;
    row->id = nextId_++;
    rows_.push_back(std::move(row));
    return rows_.back()->id;
}

void RecordGrid::setRow(int row, const Cells& cells, double expiry) {
    Row* r = dataRow(row);
    if (!r)
        return;
    r->cells = cells;
    r->expiry = expiry;
    r->inStepWith = nullptr;
    rowChanged(row);
}

void RecordGrid::removeRow(int row) {
    if (!dataRow(row))
        return;
    Batch batch(*this);
    rows_.erase(rows_.begin() + (row - 1));
}

void RecordGrid::clearRows() {
    Batch batch(*this);
    rows_.clear();
}

StationRecord RecordGrid::toRecord(int row, const StationRecord* previous) const {
    const Row* r = dataRow(row);
    if (!r)
        return StationRecord();
    // Starting from previous shares every text that comes back unchanged.
    StationRecord record = previous ? *previous : StationRecord();
    for (int column = 1; column < kColumns; ++column) {
        const Field field = columnFields()[size_t(column)];
        if (field == Field::ExpiryDate)
            continue;
        const QString& cell = r->cells[size_t(column)];
        if (!previous || !keepsAs(record.unpadded(field), cell, fieldInfo(field).width))
            record.set(field, cell);
    }
    record.ExpiryDate = wholeDay(r->expiry);
    return record;
}

bool RecordGrid::shows(int row, const StationRecord& record) const {
    const Row* r = dataRow(row);
    if (!r)
        return false;
    // Compare the expiry bit for bit, so that a value that is no number matches itself.
    if (!sameBits(wholeDay(r->expiry), record.ExpiryDate))
        return false;
    for (int column = 1; column < kColumns; ++column) {
        const Field field = columnFields()[size_t(column)];
        if (field != Field::ExpiryDate &&
            !keepsAs(record.unpadded(field), r->cells[size_t(column)], fieldInfo(field).width))
            return false;
    }
    return true;
}

bool RecordGrid::inStepWith(int row, const StationRecord& record) const {
    const Row* r = dataRow(row);
    return r && r->inStepWith && r->inStepWith == whereTextsLive(record) &&
           sameBits(r->expiry, record.ExpiryDate);
}

void RecordGrid::markInStep(int row, const StationRecord& record) {
    if (Row* r = dataRow(row))
        r->inStepWith = whereTextsLive(record);
}

const QString& RecordGrid::numberText(int number) {
    static std::vector<QString> texts;
    if (number < 0)
        number = 0;
    if (size_t(number) >= texts.size()) {
        const size_t size = std::max(size_t(number) + 1, size_t(RecordStore::kMaxRecords) + 1);
        texts.reserve(size);
        while (texts.size() < size)
            texts.push_back(QString::number(texts.size()));
    }
    return texts[size_t(number)];
}

void RecordGrid::reorder(const std::vector<int>& newOrder) {
    Batch batch(*this);
    std::vector<std::unique_ptr<Row>> rows;
    rows.reserve(newOrder.size());
    for (int index : newOrder)
        rows.push_back(std::move(rows_[size_t(index)]));
    rows_ = std::move(rows);
}

void RecordGrid::removeRows(const std::vector<bool>& remove) {
    Batch batch(*this);
    size_t kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (i < remove.size() && remove[i])
            continue;
        if (kept != i)
            rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
}

void RecordGrid::renumber(int count) {
    Batch batch(*this);
    for (int k = 1; k <= std::min(count, dataRows()); ++k)
        rows_[size_t(k - 1)]->cells[0] = numberText(k);
}
