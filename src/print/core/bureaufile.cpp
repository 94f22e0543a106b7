#include "print/core/bureaufile.h"

#include "platform/cp932.h"
#include "platform/width.h"
#include "record/stationrecord.h"
#include "record/wholefile.h"

#include <QFileInfo>

namespace bureaufile {

QString fileName() {
    return QStringLiteral("総務省.dat");
}

QString missingMessage() {
    return QStringLiteral("申請先データファイルが有りません");
}

int areaIndexForCallSign(QStringView callSign) {
    const QString cs = trimSpaces(width::narrowAlphanumerics(callSign));
    if (cs.startsWith(u"JR6") || cs.startsWith(u"JS6"))
        return kOkinawaArea;
    if (cs.size() < 3)
        return 0;
    const QChar third = cs.at(2);
    if (third >= u'0' && third <= u'9')
        return third.unicode() - u'0';
    return 0;
}

std::optional<QChar> areaKey(int areaIndex) {
    if (areaIndex >= 0 && areaIndex <= 9)
        return QChar(u'0' + areaIndex);
    if (areaIndex == kOkinawaArea)
        return QChar(u'+');
    return std::nullopt;
}

namespace {

// Eleven areas of six short lines take a few kilobytes; comments and notes stay far below this.
constexpr qint64 kMaxFileSize = 1 << 20;

void storeLine(QStringView line, QChar key, BureauValues& values) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    if (line.isEmpty() || line.front() != key)
        return;
    const QStringView name = line.mid(1, equals - 1);
    const QString value = line.mid(equals + 1).toString();
    if (name == u"AreaSouTsu")
        values.addressee = value;
    else if (name == u"AreaZip")
        values.AreaZip = value;
    else if (name == u"AreaAdd")
        values.AreaAdd = value;
    else if (name == u"AreaAdd2")
        values.AreaAdd2 = value;
    else if (name == u"AreaName")
        values.AreaName = value;
    else if (name == u"AreaName2")
        values.AreaName2 = value;
}

} // namespace

BureauValues parseBureauText(QStringView text, int areaIndex) {
    BureauValues values;
    const std::optional<QChar> key = areaKey(areaIndex);
    if (!key)
        return values;
    // Lines end in CR LF as written on Windows; a bare LF or CR (a copy edited elsewhere)
    // ends a line too, so that no stray CR sticks to a value.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        storeLine(text.mid(start, end - start), *key, values);
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return values;
}

ReadOutcome readBureauFile(const QString& path, int areaIndex) {
    ReadOutcome outcome;
    if (!QFileInfo(path).isFile()) {
        outcome.status = ReadOutcome::Status::Missing;
        return outcome;
    }
    const ReadBytes bytes = readAtMost(path, kMaxFileSize);
    if (!bytes.result) {
        // The values read before a failure stay.
        outcome.status = ReadOutcome::Status::ReadError;
        outcome.error = bytes.result.error;
    }
    // Code page 932 never uses CR or LF as a trail byte, so the whole file decodes at once.
    outcome.values = parseBureauText(cp932::decode(bytes.bytes), areaIndex);
    return outcome;
}

} // namespace bureaufile
