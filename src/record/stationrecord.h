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

// One station. Every text field has a fixed width in characters: assign through set(), which
// cuts a longer text. A field reads as its text padded with spaces (U+0020) to that width
// (text()), but the members keep the text without that padding: in a register full of short
// or double-byte texts the padding would take as much memory as the texts themselves.
struct StationRecord {
    QString CallSign;
    QString LicenceNo;
    // Days since 30 December 1899, as stored in the data file. Kept as read, so that a value
    // the program cannot show (NaN, infinite, far out of range) is written back unchanged.
    double ExpiryDate = 0.0;
    QString StationType;
    QString HolderName;
    QString HolderKana;
    QString ClubName;
    QString ClubKana;
    QString StationZip;
    QString StationAddr1;
    QString StationAddr2;
    QString ApplicantZip;
    QString ApplicantAddr1;
    QString ApplicantAddr2;
    QString ApplicantName;
    QString ApplicantKana;
    QString ApplicantTel;

    // A record with every text field blank (spaces when read) and day 0.
    StationRecord();

    // Fixed-width assignment: the first width characters of a longer text, a shorter text
    // filled with spaces on the right. field must be a text field.
    void set(Field field, QStringView text);
    // Same, sharing or taking over text when it needs no cut and ends in no space.
    void set(Field field, const QString& text);
    void set(Field field, QString&& text);
    // The text at the field's width, with its padding. field must be a text field.
    QString text(Field field) const;
    // The text as kept: at most width characters, without spaces at the right end.
    const QString& unpadded(Field field) const;
    // The stored text with the spaces (U+0020 only) at both ends removed.
    // Shares the kept text when it has no spaces at the left end.
    QString trimmed(Field field) const;
    QStringView trimmedView(Field field) const;

    // The expiry as a calendar date; invalid when the stored value is not a supported date.
    QDate expiry() const;
    void setExpiry(QDate date);

    bool operator==(const StationRecord&) const = default;
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
