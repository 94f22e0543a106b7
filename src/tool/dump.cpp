#include "tool/dump.h"

#include "record/datafile.h"
#include "record/eradate.h"

#include <cstdio>

namespace tool {

namespace {

void appendJsonString(QByteArray& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

void appendJsonLine(QByteArray& out, const StationRecord& record) {
    out += '{';
    bool first = true;
    for (const FieldInfo& info : fieldTable()) {
        if (!first)
            out += ',';
        first = false;
        out += '"';
        out += info.name;
        out += "\":";
        if (info.field == Field::ExpiryDate) {
            const QDate date = record.expiry();
            if (date.isValid())
                appendJsonString(out, date.toString(Qt::ISODate));
            else
                out += "null";
        } else {
            appendJsonString(out, record.trimmed(info.field));
        }
    }
    out += ",\"ExpiryEra\":";
    const QString era = FormatEraDate(record.expiry());
    if (era.isEmpty())
        out += "null";
    else
        appendJsonString(out, era);
    out += "}\n";
}

int dump(const QStringList& args) {
    if (args.size() != 1) {
        std::fputs("usage: velmora-tool dump FILE.stn\n", stderr);
        return 2;
    }
    const datafile::ReadResult read = datafile::readFile(args.first());
    if (read.missing || !read.result) {
        const QString error = read.missing
                                  ? QStringLiteral("ファイルが有りません: %1").arg(args.first())
                                  : read.result.error;
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    QByteArray out;
    out.reserve(qsizetype(read.records.size()) * 400);
    for (const StationRecord& record : read.records)
        appendJsonLine(out, record);
    if (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size()) ||
        std::fflush(stdout) != 0) {
        std::perror("velmora-tool");
        return 1;
    }
    return 0;
}

} // namespace tool
