#include "tool/due.h"

#include "platform/clock.h"
#include "record/eradate.h"
#include "record/renewalwindow.h"
#include "tool/printanswers.h"
#include "tool/sortedregister.h"
#include "tool/standardoutput.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cstdio>

namespace tool {

namespace {

const char* const kUsage = "usage: velmora-tool due FILE.stn [--on DATE] [--json]\n"
                           "  DATE  the day the states are for (default today), era or ISO\n";

// Terminal columns a text takes: two for the wide characters of Japanese text (kanji, kana,
// full-width forms), one for the rest, half-width katakana included.
int displayWidth(QStringView text) {
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            width += 2;
            ++i;
            continue;
        }
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

QString isoDate(QDate date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("-");
}

QJsonValue jsonDate(QDate date) {
    return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue();
}

} // namespace

QByteArray dueTable(const std::vector<StationRecord>& records, QDate day) {
    constexpr size_t kColumns = 7;
    using Row = std::array<QString, kColumns>;
    std::vector<Row> rows{{QStringLiteral("番号"), QStringLiteral("コールサイン"),
                           QStringLiteral("免許番号"), QStringLiteral("有効期限"),
                           QStringLiteral("受付開始"), QStringLiteral("受付締切"),
                           QStringLiteral("状態")}};
    for (size_t k = 0; k < records.size(); ++k) {
        const StationRecord& r = records[k];
        const renewal::Window w = renewal::windowFor(r);
        rows.push_back({QString::number(k + 1), r.trimmed(Field::CallSign),
                        r.trimmed(Field::LicenceNo), isoDate(w.expiry), isoDate(w.opens),
                        isoDate(w.closes), renewal::stateLabel(renewal::stateOn(w, day))});
    }
    std::array<int, kColumns> widths{};
    for (const Row& row : rows) {
        for (size_t c = 0; c < kColumns; ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    QString text;
    for (const Row& row : rows) {
        QString line;
        for (size_t c = 0; c < kColumns; ++c) {
            const QString pad(widths[c] - displayWidth(row[c]), u' ');
            // Numbers to the right, everything else to the left; no spaces at the line's end.
            line += c == 0 ? pad + row[c] : row[c] + (c + 1 < kColumns ? pad : QString());
            if (c + 1 < kColumns)
                line += QStringLiteral("  ");
        }
        text += line + u'\n';
    }
    text += FormatEraDate(day, EraPattern::Unpadded) + QStringLiteral("現在　") +
            renewal::statusText(renewal::summarise(records, day)) + u'\n';
    return text.toUtf8();
}

QByteArray dueJson(const std::vector<StationRecord>& records, QDate day) {
    QByteArray out;
    for (size_t k = 0; k < records.size(); ++k) {
        const StationRecord& r = records[k];
        const renewal::Window w = renewal::windowFor(r);
        const QJsonObject line{
            {QStringLiteral("Record"), int(k + 1)},
            {QStringLiteral("CallSign"), r.trimmed(Field::CallSign)},
            {QStringLiteral("LicenceNo"), r.trimmed(Field::LicenceNo)},
            {QStringLiteral("ExpiryDate"), jsonDate(w.expiry)},
            {QStringLiteral("Opens"), jsonDate(w.opens)},
            {QStringLiteral("Closes"), jsonDate(w.closes)},
            {QStringLiteral("State"), renewal::stateKey(renewal::stateOn(w, day))},
        };
        out += QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    }
    return out;
}

int due(const QStringList& args) {
    const DayArguments a = readDayArguments(args, false, true, SystemClock().today());
    if (!a.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", a.error.toUtf8().constData(), kUsage);
        return 1;
    }
    const SortedRegister reg = readSortedRegister(a.file);
    if (!reg.result) {
        std::fprintf(stderr, "%s\n", reg.result.error.toUtf8().constData());
        return 1;
    }
    const QByteArray out = a.json ? dueJson(reg.records, a.day) : dueTable(reg.records, a.day);
    return finishStandardOutput(writeStandardOutput(out)) ? 0 : 1;
}

} // namespace tool
