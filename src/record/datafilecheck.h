#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// A look at a data file's bytes before it is opened: a file cut short, another kind of file
// given the extension .stn (a CSV export, a text) or a damaged one opens without complaint,
// since every byte sequence reads as some record. These checks find what does not look like a
// register, so that the user can be warned and decide.
namespace datafile {

struct FileCheck {
    qint64 size = 0;
    qint64 wholeRecords = 0; // 449-byte records
    qint64 strayBytes = 0;   // bytes after the last whole record
    qint64 recordsRead = 0;  // as the readers count them: a piece of 225 bytes or more is one
    // Of the records read, those that do not look like a station, and by what (a record may
    // count under several): a control character in a text, bytes that are not code page 932,
    // an expiry that is not a date from 1950 on.
    qint64 oddRecords = 0;
    qint64 withControlCharacters = 0;
    qint64 withUndecodableText = 0;
    qint64 withBadDates = 0;
    // In Japanese, one line per problem; empty when the file looks sound (an empty file does).
    QStringList warnings;

    bool looksDamaged() const { return !warnings.isEmpty(); }
    QString warningText() const { return warnings.join(QLatin1Char('\n')); }
};

// Inspects the bytes of a whole data file.
FileCheck checkBytes(QByteArrayView bytes);

// Reads the file at path and inspects it. A file that is missing, cannot be read or holds more
// records than a register may gives no warnings: opening it reports that itself.
FileCheck checkFile(const QString& path);

} // namespace datafile
