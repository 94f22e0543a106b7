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

QString StationRecord::*memberFor(Field field) {
    switch (field) {
    case Field::CallSign:
        return &StationRecord::CallSign;
    case Field::LicenceNo:
        return &StationRecord::LicenceNo;
    case Field::StationType:
        return &StationRecord::StationType;
    case Field::HolderName:
        return &StationRecord::HolderName;
    case Field::HolderKana:
        return &StationRecord::HolderKana;
    case Field::ClubName:
        return &StationRecord::ClubName;
    case Field::ClubKana:
        return &StationRecord::ClubKana;
    case Field::StationZip:
        return &StationRecord::StationZip;
    case Field::StationAddr1:
        return &StationRecord::StationAddr1;
    case Field::StationAddr2:
        return &StationRecord::StationAddr2;
    case Field::ApplicantZip:
        return &StationRecord::ApplicantZip;
    case Field::ApplicantAddr1:
        return &StationRecord::ApplicantAddr1;
    case Field::ApplicantAddr2:
        return &StationRecord::ApplicantAddr2;
    case Field::ApplicantName:
        return &StationRecord::ApplicantName;
    case Field::ApplicantKana:
        return &StationRecord::ApplicantKana;
    case Field::ApplicantTel:
        return &StationRecord::ApplicantTel;
    case Field::ExpiryDate:
        break;
    }
    Q_ASSERT_X(false, "StationRecord", "not a text field");
    return &StationRecord::CallSign;
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
    this->*memberFor(field) = keptText(text, fieldInfo(field).width).toString();
}

void StationRecord::set(Field field, const QString& text) {
    if (keptText(text, fieldInfo(field).width).size() == text.size())
        this->*memberFor(field) = text;
    else
        set(field, QStringView(text));
}

void StationRecord::set(Field field, QString&& text) {
    if (keptText(text, fieldInfo(field).width).size() == text.size())
        this->*memberFor(field) = std::move(text);
    else
        set(field, QStringView(text));
}

QString StationRecord::text(Field field) const {
    return fixedWidth(unpadded(field), fieldInfo(field).width);
}

const QString& StationRecord::unpadded(Field field) const {
    return this->*memberFor(field);
}

QStringView StationRecord::trimmedView(Field field) const {
    return trimmedSpaces(unpadded(field));
}

QString StationRecord::trimmed(Field field) const {
    return trimSpaces(unpadded(field));
}

QDate StationRecord::expiry() const {
    return serialdate::toDate(ExpiryDate);
}

void StationRecord::setExpiry(QDate date) {
    ExpiryDate = serialdate::fromDate(date);
}
