#include "record/csvexport.h"

#include "platform/cp932.h"
#include "record/csvcolumns.h"
#include "record/eradate.h"
#include "record/wholefile.h"

#include <csv.h>

namespace csvfile {

namespace {

bool needsQuotes(QByteArrayView field) {
    if (field.isEmpty())
        return false;
    const char first = field.front();
    const char last = field.back();
    if (first == ' ' || first == '\t' || last == ' ' || last == '\t')
        return true;
    // In code page 932 a trail byte is never below 0x40, so these bytes are always characters.
    for (const char c : field) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

void appendField(QByteArray& out, QByteArrayView field) {
    if (!needsQuotes(field)) {
        out.append(field);
        return;
    }
    const qsizetype at = out.size();
    const size_t size = csv_write(nullptr, 0, field.data(), size_t(field.size()));
    out.resize(at + qsizetype(size));
    csv_write(out.data() + at, size, field.data(), size_t(field.size()));
}

QString cellText(const StationRecord& record, const Column& column) {
    switch (column.kind) {
    case ColumnKind::Text:
        return record.unpadded(column.field).toString();
    case ColumnKind::EraExpiry:
        return FormatEraDate(record.expiry());
    case ColumnKind::IsoExpiry:
        return isoExpiryText(record.ExpiryDate);
    }
    return {};
}

} // namespace

Exported exportCsv(const std::vector<StationRecord>& records, Encoding encoding) {
    const std::vector<Column>& list = columns();
    Exported result;
    QByteArray& out = result.bytes;
    // Most records take far less; this only saves regrowing for a typical register.
    out.reserve(qsizetype(records.size() + 1) * 400);
    if (encoding == Encoding::Utf8)
        out.append("\xEF\xBB\xBF");

    auto append = [&](QStringView text) -> qsizetype {
        if (encoding == Encoding::Utf8) {
            appendField(out, text.toUtf8());
            return -1;
        }
        const cp932::EncodeResult encoded = cp932::encode(text);
        appendField(out, encoded.bytes);
        return encoded.firstUnmappable;
    };

    for (size_t c = 0; c < list.size(); ++c) {
        if (c > 0)
            out.append(',');
        append(list[c].header);
    }
    out.append("\r\n");
    for (size_t k = 0; k < records.size(); ++k) {
        for (size_t c = 0; c < list.size(); ++c) {
            if (c > 0)
                out.append(',');
            const QString text = cellText(records[k], list[c]);
            if (const qsizetype bad = append(text); bad >= 0) {
                result.bytes.clear();
                result.result = Result::failure(
                    QStringLiteral("%1 件目の「%2」にコードページ932で書き出せない文字「%3」が"
                                   "あります。UTF-8で書き出してください。")
                        .arg(k + 1)
                        .arg(list[c].header,
                             cp932::firstUnmappableCharacter(QStringView(text).sliced(bad))));
                return result;
            }
        }
        out.append("\r\n");
    }
    return result;
}

Result writeCsv(const QString& path, const std::vector<StationRecord>& records, Encoding encoding) {
    const Exported exported = exportCsv(records, encoding);
    if (!exported.result)
        return exported.result;
    return writeWholeFile(path, exported.bytes);
}

} // namespace csvfile
