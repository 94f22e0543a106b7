#include "record/settingsfile.h"

#include "platform/cp932.h"
#include "record/wholefile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace settingsfile {

namespace {

// 38 short lines take about a kilobyte; a hand-edited file with comments stays far below this.
constexpr qint64 kMaxFileSize = 1 << 20;

// A value as the settings file's numbers are read: surrounding blanks allowed, a decimal
// number, rounded half to even for the integer keys. Anything else is no value.
std::optional<double> readNumber(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

template <typename Int> bool readInteger(QStringView text, Int& out) {
    const std::optional<double> value = readNumber(text);
    if (!value)
        return false;
    const double rounded = std::nearbyint(*value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return false;
    out = Int(rounded);
    return true;
}

bool readSingle(QStringView text, std::optional<float>& out) {
    const std::optional<double> value = readNumber(text);
    if (!value || std::fabs(*value) > double(std::numeric_limits<float>::max()))
        return false;
    out = float(*value);
    return true;
}

QString formatSingle(float value) {
    // Shortest text that reads back as the same single-precision value, without an exponent,
    // so a whole number has no fractional part.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, end - buffer);
}

struct IntKey {
    const char* name;
    qint32 SettingsValues::*member;
    bool offset = false; // a print offset: kept within the options dialog's range
};

const IntKey kIntKeys[] = {
    {"ViewLeft", &SettingsValues::ViewLeft},
    {"ViewTop", &SettingsValues::ViewTop},
    {"ViewWidth", &SettingsValues::ViewWidth},
    {"ViewHeight", &SettingsValues::ViewHeight},
    {"NewLeft", &SettingsValues::NewLeft},
    {"NewTop", &SettingsValues::NewTop},
    {"EditLeft", &SettingsValues::EditLeft},
    {"EditTop", &SettingsValues::EditTop},
    // The form's offset keys say the opposite of what they do: "YohakuLeft" moves the form down
    // the page and "YohakuTop" across it, as the options dialog has always labelled them.
    {"frmShoku", &SettingsValues::formColour},
    {"MojiShoku", &SettingsValues::dataColour},
    {"YohakuLeft", &SettingsValues::formOffsetDown, true},
    {"YohakuTop", &SettingsValues::formOffsetAcross, true},
    {"FutoLeft", &SettingsValues::envelopeOffsetAcross, true},
    {"FutoTop", &SettingsValues::envelopeOffsetDown, true},
};

struct MainKey {
    const char* name;
    std::optional<float> SettingsValues::*member;
};

const MainKey kMainKeys[] = {
    {"MainLeft", &SettingsValues::MainLeft},
    {"MainTop", &SettingsValues::MainTop},
    {"MainWidth", &SettingsValues::MainWidth},
    {"MainHeight", &SettingsValues::MainHeight},
};

// Whether a text value reads back as written: every character has a code of its own in code
// page 932 (not a look-alike such as ～ for 〜), and no line break ends the line early.
bool storable(QStringView text) {
    return cp932::roundTrips(text) && !text.contains(u'\r') && !text.contains(u'\n');
}

void applyLine(QStringView line, SettingsValues& values) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return;
    const QStringView key = line.first(eq);
    const QStringView value = line.sliced(eq + 1);
    for (const MainKey& k : kMainKeys) {
        if (key == QLatin1String(k.name)) {
            readSingle(value, values.*k.member);
            return;
        }
    }
    for (const IntKey& k : kIntKeys) {
        if (key == QLatin1String(k.name)) {
            // An offset beyond the range (a hand-edited file) would push the page off the
            // paper or past the page arithmetic: it goes to the nearer end, as the dialog does.
            if (readInteger(value, values.*k.member) && k.offset)
                values.*k.member = std::clamp(values.*k.member, SettingsValues::kOffsetMinimum,
                                              SettingsValues::kOffsetMaximum);
            return;
        }
    }
    if (key == QLatin1String("Zoom")) {
        readInteger(value, values.Zoom);
        return;
    }
    if (key == QLatin1String("DataFile")) {
        values.DataFile = value.toString();
        return;
    }
    if (key.startsWith(QLatin1String("Grid"))) {
        const QStringView number = key.sliced(4);
        bool ok = false;
        const int column = number.toInt(&ok);
        // Exactly "Grid0" .. "Grid17": no sign, no leading zero, no blanks.
        if (ok && column >= 0 && column < SettingsValues::kGridColumns &&
            number == QString::number(column)) {
            qint32 width = 0;
            if (readInteger(value, width))
                values.Grid[size_t(column)] = width;
        }
    }
}

} // namespace

QString missingMessage() {
    return QStringLiteral("tessaly.ini が有りません");
}

void parseSettings(const QByteArray& contents, SettingsValues& values) {
    const QString text = cp932::decode(contents);
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        applyLine(QStringView(text).sliced(start, end - start), values);
        if (end + 1 < size && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
}

ReadResult ReadSettings(const QString& path, SettingsValues& values) {
    ReadResult read;
    if (!QFile::exists(path)) {
        read.missing = true;
        return read;
    }
    const ReadBytes contents = readAtMost(path, kMaxFileSize);
    read.result = contents.result;
    if (read.result)
        parseSettings(contents.bytes, values);
    return read;
}

QByteArray formatSettings(const SettingsValues& values) {
    QString text;
    auto line = [&text](const char* key, const QString& value) {
        text += QLatin1String(key) + QLatin1Char('=') + value + QLatin1String("\r\n");
    };
    for (const MainKey& k : kMainKeys) {
        const std::optional<float>& v = values.*k.member;
        line(k.name, formatSingle(v.value_or(0.0f)));
    }
    for (size_t i = 0; i < std::size(kIntKeys); ++i) {
        // Zoom sits between EditTop and formColour.
        if (QLatin1String(kIntKeys[i].name) == QLatin1String("frmShoku"))
            line("Zoom", QString::number(values.Zoom));
        line(kIntKeys[i].name, QString::number(values.*kIntKeys[i].member));
    }
    for (int c = 0; c < SettingsValues::kGridColumns; ++c) {
        const QByteArray key = "Grid" + QByteArray::number(c);
        line(key.constData(), QString::number(values.Grid[size_t(c)].value_or(0)));
    }
    line("DataFile", values.DataFile);
    return cp932::encode(text).bytes;
}

Result WriteSettings(const QString& path, const SettingsValues& values) {
    SettingsValues toWrite = values;
    QString warning;
    if (!storable(values.DataFile)) {
        // A path that would come back as another path would open a wrong file, or none, at the
        // next start: leave it out and say so.
        toWrite.DataFile.clear();
        warning = QStringLiteral("データファイル名に設定ファイルへ保存できない文字があるため、"
                                 "次回の起動時には開きません。\n") +
                  QDir::toNativeSeparators(values.DataFile);
    }
    const QByteArray bytes = formatSettings(toWrite);
    if (Result written = writeWholeFile(path, bytes); !written)
        return written;
    return warning.isEmpty() ? Result::success() : Result::failure(warning);
}

} // namespace settingsfile
