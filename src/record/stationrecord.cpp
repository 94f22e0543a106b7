#include "record/stationrecord.h"

#include "record/serialdate.h"

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

QString trimSpaces(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.sliced(begin, end - begin).toString();
}

namespace {

// One blank text per width, shared by every new record: a register of 32,767 records starts
// without allocating 16 strings each.
const QString& blankOfWidth(int width) {
    static const auto blanks = [] {
        std::array<QString, 51> table;
        for (int w = 0; w < int(table.size()); ++w)
            table[size_t(w)] = QString(w, QLatin1Char(' '));
        return table;
    }();
    return blanks[size_t(width)];
}

} // namespace

StationRecord::StationRecord() {
    for (const FieldInfo& info : kFields) {
        if (info.field != Field::ExpiryDate)
            this->*memberFor(info.field) = blankOfWidth(info.width);
    }
}

void StationRecord::set(Field field, QStringView text) {
    this->*memberFor(field) = fixedWidth(text, fieldInfo(field).width);
}

void StationRecord::set(Field field, QString&& text) {
    const int width = fieldInfo(field).width;
    if (text.size() == width)
        this->*memberFor(field) = std::move(text);
    else
        set(field, QStringView(text));
}

QStringView StationRecord::trimmedView(Field field) const {
    QStringView view(text(field));
    while (!view.isEmpty() && view.front() == QLatin1Char(' '))
        view = view.sliced(1);
    while (!view.isEmpty() && view.back() == QLatin1Char(' '))
        view.chop(1);
    return view;
}

const QString& StationRecord::text(Field field) const {
    return this->*memberFor(field);
}

QString StationRecord::trimmed(Field field) const {
    return trimSpaces(text(field));
}

QDate StationRecord::expiry() const {
    return serialdate::toDate(ExpiryDate);
}

void StationRecord::setExpiry(QDate date) {
    ExpiryDate = serialdate::fromDate(date);
}
