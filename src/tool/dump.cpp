#include "tool/dump.h"

#include "record/datafile.h"
#include "record/datafilecheck.h"
#include "record/eradate.h"
#include "record/sortorder.h"
#include "tool/standardoutput.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace tool {

namespace {

// The longest line a record can give: every text unit escaped as \u00XX, plus keys and dates.
constexpr qsizetype kMaxLine = 441 * 6 + 1024;

// Writes text as a JSON string in UTF-8 at p and returns the end: dumping a full register
// should cost little more than converting its bytes.
char* writeJsonString(char* p, QStringView text) {
    static const char hex[] = "0123456789abcdef";
    *p++ = '"';
    const char16_t* s = text.utf16();
    const char16_t* const end = s + text.size();
    while (s < end) {
        char32_t c = *s++;
        if (c < 0x80) {
            if (c == '"' || c == '\\') {
                *p++ = '\\';
                *p++ = char(c);
            } else if (c < 0x20) {
                std::memcpy(p, "\\u00", 4);
                p += 4;
                *p++ = hex[c >> 4];
                *p++ = hex[c & 0xF];
            } else {
                *p++ = char(c);
            }
            continue;
        }
        if (c >= 0xD800 && c < 0xDC00 && s < end && *s >= 0xDC00 && *s < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (*s++ - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD; // a lone surrogate has no UTF-8 form
        if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
            *p++ = char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        } else {
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        }
    }
    *p++ = '"';
    return p;
}

char* writeDigits(char* p, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i) {
        p[i] = char('0' + value % 10);
        value /= 10;
    }
    return p + digits;
}

char* writeIsoDate(char* p, QDate date) {
    *p++ = '"';
    p = writeDigits(p, date.year(), 4);
    *p++ = '-';
    p = writeDigits(p, date.month(), 2);
    *p++ = '-';
    p = writeDigits(p, date.day(), 2);
    *p++ = '"';
    return p;
}

char* writeRaw(char* p, const char* text) {
    const size_t n = std::strlen(text);
    std::memcpy(p, text, n);
    return p + n;
}

// "{\"CallSign\":", ",\"LicenceNo\":", ...: the key of each field with what comes before it.
const std::array<QByteArray, kFieldCount>& keyPrefixes() {
    static const auto prefixes = [] {
        std::array<QByteArray, kFieldCount> keys;
        for (size_t i = 0; i < keys.size(); ++i)
            keys[i] = (i == 0 ? "{\"" : ",\"") + QByteArray(fieldTable()[i].name) + "\":";
        return keys;
    }();
    return prefixes;
}

bool writeOut(QByteArray& out) {
    const bool ok = writeStandardOutput(out);
    out.truncate(0);
    return ok;
}

} // namespace

void appendJsonLine(QByteArray& out, const StationRecord& record) {
    const qsizetype start = out.size();
    out.resize(start + kMaxLine);
    char* p = out.data() + start;
    const QDate date = record.expiry();
    const auto& prefixes = keyPrefixes();
    for (const FieldInfo& info : fieldTable()) {
        const QByteArray& prefix = prefixes[size_t(info.field)];
        std::memcpy(p, prefix.constData(), size_t(prefix.size()));
        p += prefix.size();
        if (info.field != Field::ExpiryDate)
            p = writeJsonString(p, record.trimmedView(info.field));
        else if (date.isValid())
            p = writeIsoDate(p, date);
        else
            p = writeRaw(p, "null");
    }
    p = writeRaw(p, ",\"ExpiryEra\":");
    p = date.isValid() ? writeJsonString(p, FormatEraDate(date)) : writeRaw(p, "null");
    p = writeRaw(p, "}\n");
    out.truncate(p - out.constData());
}

int dump(const QStringList& args) {
    const bool sorted = args.contains(QStringLiteral("--sorted"));
    QStringList files = args;
    files.removeAll(QStringLiteral("--sorted"));
    if (files.size() != 1 || files.first().startsWith(QLatin1Char('-'))) {
        std::fputs("usage: velmora-tool dump FILE.stn [--sorted]\n", stderr);
        return 2;
    }
    const QString& path = files.first();
    QFile file;
    const datafile::Opened opened = datafile::openRecords(file, path);
    if (opened.missing || !opened.result) {
        const QString error = opened.missing ? QStringLiteral("ファイルが有りません: %1").arg(path)
                                             : opened.result.error;
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    // A file that does not look like a register is dumped all the same, as the program opens
    // it after asking; the warning goes to stderr, away from the JSON.
    if (const datafile::FileCheck check = datafile::checkFile(path); check.looksDamaged())
        std::fprintf(stderr, "%s\n", check.warningText().toUtf8().constData());
    // Records are written a block at a time as they are read: memory stays small and the file
    // is read only once, for any register.
    constexpr qsizetype kFlushAt = 1 << 20;
    QByteArray out;
    out.reserve(kFlushAt + kMaxLine);
    std::vector<StationRecord> records; // --sorted: the whole register, to order it
    bool written = true;
    const Result read = datafile::readRecords(file, opened.size, path, [&](StationRecord&& record) {
        if (sorted) {
            records.push_back(std::move(record));
            return;
        }
        appendJsonLine(out, record);
        if (out.size() >= kFlushAt)
            written = writeOut(out) && written;
    });
    if (!read) {
        std::fprintf(stderr, "%s\n", read.error.toUtf8().constData());
        return 1;
    }
    written = sorted || (written && writeOut(out));
    if (sorted) {
        // In the order the program lists the register, so that line N is the record N that
        // "render --record N" prints.
        sortByExpiry(records);
        for (size_t k = 0; k < records.size() && written; ++k) {
            appendJsonLine(out, records[k]);
            if (out.size() >= kFlushAt)
                written = writeOut(out);
        }
        written = written && writeOut(out);
    }
    return finishStandardOutput(written) ? 0 : 1;
}

} // namespace tool
