#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>

// The fields of a station record, in record (and data file) order.
enum class Field {
    CallSign,
    LicenceNo,
    ExpiryDate,
    StationType,
    HolderName,
    HolderKana,
    ClubName,
    ClubKana,
    StationZip,
    StationAddr1,
    StationAddr2,
    ApplicantZip,
    ApplicantAddr1,
    ApplicantAddr2,
    ApplicantName,
    ApplicantKana,
    ApplicantTel,
};
constexpr int kFieldCount = 17;
constexpr int kGridColumnCount = 18;

struct FieldInfo {
    Field field;
    const char* name; // the field's name, as the command-line tool prints it
    int width;        // characters in memory, bytes in the data file (0 for the date)
    int fileOffset;   // byte offset inside a 449-byte record
    int gridColumn;   // column of the record grid that shows it
};

// All 17 fields in record order.
const std::array<FieldInfo, kFieldCount>& fieldTable();
const FieldInfo& fieldInfo(Field field);
// The field shown in grid column 1..17.
Field fieldForGridColumn(int column);

constexpr int kTextFieldCount = kFieldCount - 1;

// One station. Every text field has a fixed width in characters: assign through set(), which
// cuts a longer text. A field reads as its text padded with spaces (U+0020) to that width
// (text()), but the record keeps its texts without that padding, one after another in a
// single string: a full register then takes one allocation per record rather than sixteen,
// and no memory for padding.
class StationRecord {
public:
    // Days since 30 December 1899, as stored in the data file. Kept as read, so that a value
    // the program cannot show (NaN, infinite, far out of range) is written back unchanged.
    double ExpiryDate = 0.0;

    // A record with every text field blank (spaces when read) and day 0.
    StationRecord();

    // Fixed-width assignment: the first width characters of a longer text, a shorter text
    // filled with spaces on the right. field must be a text field.
    void set(Field field, QStringView text);
    // Every text field at once, in record order (the date's place skipped), each assigned as
    // set() does.
    void setTexts(const std::array<QStringView, kTextFieldCount>& texts);
    // The text at the field's width, with its padding. field must be a text field.
    QString text(Field field) const;
    // The text as kept: at most width characters, without spaces at the right end.
    QStringView unpadded(Field field) const;
    // The stored text with the spaces (U+0020 only) at both ends removed.
    QString trimmed(Field field) const;
    QStringView trimmedView(Field field) const;

    // The expiry as a calendar date; invalid when the stored value is not a supported date.
    QDate expiry() const;
    void setExpiry(QDate date);

    bool operator==(const StationRecord&) const = default;

private:
    QString texts_;
    // Where each text field ends in texts_, in record order.
    std::array<quint16, kTextFieldCount> ends_{};
};

// Fixed-width form of text: cut to width characters, or padded with spaces.
QString fixedWidth(QStringView text, int width);
// Removes U+0020 at both ends only (a full-width space U+3000 is part of the text).
QString trimSpaces(QStringView text);
// The same, sharing text when there is nothing to remove.
QString trimSpaces(const QString& text);
// The same as a view of text.
QStringView trimmedSpaces(QStringView text);
// What a field of width keeps of text: cut to width, without spaces at the right end.
QStringView keptText(QStringView text, int width);
