#pragma once

#include "record/printdata.h"

#include <QString>
#include <QStringView>
#include <optional>

// The bureau address file beside the program: one entry per line, made of an area key (one
// character), a key name, "=" and the value. The reader shows nothing; the print dialog turns a
// missing file into its message.
namespace bureaufile {

// Area index of the Okinawa office, chosen by call signs beginning with "JR6" or "JS6".
constexpr int kOkinawaArea = 10;

// Name of the file in the program folder.
QString fileName();
// The message shown when the file is missing.
QString missingMessage();

// The area index of a call sign: full-width letters and digits narrowed and the spaces at both
// ends removed first; "JR6" or "JS6" (case-sensitive) at the start give the Okinawa office,
// otherwise the third character's digit, and 0 for anything else.
int areaIndexForCallSign(QStringView callSign);

// The one-character key that starts an area's lines: "0".."9" for 0..9, "+" for 10; nothing
// for any other index (then no line matches).
std::optional<QChar> areaKey(int areaIndex);

// The values of one area in already decoded text. Values are kept exactly as written (only
// the line end is removed); a later line for the same key name wins.
BureauValues parseBureauText(QStringView text, int areaIndex);

struct ReadOutcome {
    enum class Status {
        Read,      // the file was read (the area may have had no lines)
        Missing,   // no ordinary file of that name
        ReadError, // the file could not be read; values hold what was read before
    };
    Status status = Status::Read;
    BureauValues values;
    QString error; // for ReadError: what failed, in Japanese, with the path
};

// Reads the area's values from the file at path (code page 932).
ReadOutcome readBureauFile(const QString& path, int areaIndex);

} // namespace bureaufile
