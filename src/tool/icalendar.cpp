#include "tool/icalendar.h"

namespace ics {

namespace {

constexpr qsizetype kMaxOctets = 75;

bool isContinuationByte(char c) {
    return (uchar(c) & 0xC0) == 0x80;
}

} // namespace

QString escapeText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u';' || c == u',') {
            out += u'\\';
            out += c;
        } else if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += QStringLiteral("\\n");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

void appendLine(QByteArray& out, QStringView line) {
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    // The first line takes 75 octets, each continuation a space and 74 more.
    qsizetype room = kMaxOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && isContinuationByte(bytes[cut]))
            --cut;
        out += bytes.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kMaxOctets - 1;
    }
    out += bytes.mid(start);
    out += "\r\n";
}

QString date(QDate day) {
    return day.toString(QStringLiteral("yyyyMMdd"));
}

QString utcDateTime(const QDateTime& moment) {
    return moment.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

} // namespace ics
