#pragma once

#include "record/result.h"
#include "record/settingsvalues.h"

#include <QByteArray>
#include <QString>

// The settings file "tessaly.ini": 38 key=value lines, code page 932, CR LF.
namespace settingsfile {

constexpr const char* kFileName = "tessaly.ini";
// Shown when the file does not exist.
QString missingMessage();

struct ReadResult {
    Result result;        // failure: the file exists but could not be read; values unchanged
    bool missing = false; // no file: values unchanged
};

// Applies every line it understands to values; other lines are ignored one by one.
ReadResult ReadSettings(const QString& path, SettingsValues& values);
void parseSettings(const QByteArray& contents, SettingsValues& values);

// Writes all 38 keys, whole or not at all: a failed write keeps the previous file.
Result WriteSettings(const QString& path, const SettingsValues& values);
QByteArray formatSettings(const SettingsValues& values);

} // namespace settingsfile
