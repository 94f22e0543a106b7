#include "record/stationrecord.h"

#include "record/serialdate.h"

#include <algorithm>

namespace {

constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {Field::CallSign, "CallSign", 12, 0, 1},
    {Field::LicenceNo, "LicenceNo", 20, 12, 2},
    {Field::ExpiryDate, "ExpiryDate", 0, 32, 3},
    {Field::StationType, "StationType", 6, 40, 4},
    {Field::HolderName, "HolderName", 16, 46, 5},
    {Field::HolderKana, "HolderKana", 20, 62, 6},
    {Field::ClubName, "ClubName", 50, 82, 10},
    {Field::ClubKana, "ClubKana", 50, 132, 11},
    {Field::StationZip, "StationZip", 8, 182, 7},
    {Field::StationAddr1, "StationAddr1", 50, 190, 8},
    {Field::StationAddr2, "StationAddr2", 50, 240, 9},
    {Field::ApplicantZip, "ApplicantZip", 8, 290, 14},
    {Field::ApplicantAddr1, "ApplicantAddr1", 50, 298, 15},
    {Field::ApplicantAddr2, "ApplicantAddr2", 50, 348, 16},
    {Field::ApplicantName, "ApplicantName", 16, 398, 12},
    {Field::ApplicantKana, "ApplicantKana", 20, 414, 13},
    {Field::ApplicantTel, "ApplicantTel", 15, 434, 17},
}};

// Place of a text field among the sixteen, in record order.
int textSlot(Field field) {
    Q_ASSERT_X(field != Field::ExpiryDate, "StationRecord", "not a text field");
    return int(field) < int(Field::ExpiryDate) ? int(field) : int(field) - 1;
}

} // namespace

const std::array<FieldInfo, kFieldCount>& fieldTable() {
    return kFields;
}

const FieldInfo& fieldInfo(Field field) {
    return kFields[size_t(field)];
}

Field fieldForGridColumn(int column) {
    for (const FieldInfo& info : kFields) {
        if (info.gridColumn == column)
            return info.field;
    }
    Q_ASSERT_X(false, "fieldForGridColumn", "column out of range");
    return Field::CallSign;
}

QString fixedWidth(QStringView text, int width) {
    if (text.size() >= width)
        return text.first(width).toString();
    QString result;
    result.reserve(width);
    result.append(text);
    result.append(QString(width - text.size(), QLatin1Char(' ')));
    return result;
}

namespace {

QStringView withoutSpaces(QStringView text, bool left) {
    while (left && !text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

} // namespace

QStringView trimmedSpaces(QStringView text) {
    return withoutSpaces(text, true);
}

QStringView keptText(QStringView text, int width) {
    return withoutSpaces(text.first(std::min<qsizetype>(text.size(), width)), false);
}

QString trimSpaces(QStringView text) {
    return trimmedSpaces(text).toString();
}

QString trimSpaces(const QString& text) {
    const QStringView kept = trimmedSpaces(text);
    return kept.size() == text.size() ? text : kept.toString();
}

StationRecord::StationRecord() = default;

void StationRecord::set(Field field, QStringView text) {
    const int slot = textSlot(field);
    const QStringView kept = keptText(text, fieldInfo(field).width);
    const int start = slot == 0 ? 0 : ends_[size_t(slot - 1)];
    const int oldLength = ends_[size_t(slot)] - start;
    // The new text may be a view of this record's own string.
    texts_.replace(start, oldLength, kept.toString());
    const int change = int(kept.size()) - oldLength;
    for (size_t i = size_t(slot); i < ends_.size(); ++i)
        ends_[i] = quint16(ends_[i] + change);
}

void StationRecord::setTexts(const std::array<QStringView, kTextFieldCount>& texts) {
    std::array<QStringView, kTextFieldCount> kept;
    qsizetype total = 0;
    size_t slot = 0;
    for (const FieldInfo& info : fieldTable()) {
        if (info.field == Field::ExpiryDate)
            continue;
        kept[slot] = keptText(texts[slot], info.width);
        total += kept[slot].size();
        ++slot;
    }
    QString joined;
    joined.reserve(total);
    for (size_t i = 0; i < kept.size(); ++i) {
        joined.append(kept[i]);
        ends_[i] = quint16(joined.size());
    }
    texts_ = std::move(joined);
}

QString StationRecord::text(Field field) const {
    return fixedWidth(unpadded(field), fieldInfo(field).width);
}

QStringView StationRecord::unpadded(Field field) const {
    const int slot = textSlot(field);
    const int start = slot == 0 ? 0 : ends_[size_t(slot - 1)];
    return QStringView(texts_).sliced(start, ends_[size_t(slot)] - start);
}

QStringView StationRecord::trimmedView(Field field) const {
    return trimmedSpaces(unpadded(field));
}

QString StationRecord::trimmed(Field field) const {
    return trimmedView(field).toString();
}

QDate StationRecord::expiry() const {
    return serialdate::toDate(ExpiryDate);
}

void StationRecord::setExpiry(QDate date) {
    ExpiryDate = serialdate::fromDate(date);
}
