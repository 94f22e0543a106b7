#include "tool/calendar.h"
#include "record/wholefile.h"

#include "platform/clock.h"
#include "record/eradate.h"
#include "record/renewalwindow.h"
#include "record/stationkey.h"
#include "tool/icalendar.h"
#include "tool/printanswers.h"
#include "tool/sortedregister.h"

#include <QCryptographicHash>
#include <QHash>
#include <cstdio>

namespace tool {

namespace {

const char* const kUsage = "usage: velmora-tool calendar FILE.stn --out renewals.ics [--on DATE]\n"
                           "  DATE  stations expired before this day are left out (default "
                           "today), era or ISO\n";

// The same station, however its call sign and licence number were typed, gives the same
// identity; its expiry is left out, so that a renewal keeps it.
QString uidBase(const QString& key) {
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex());
}

void appendEvent(QByteArray& out, const QString& uid, const QString& stamp, QDate day,
                 const QString& summary, const QString& description, const QString& alarm) {
    ics::appendLine(out, u"BEGIN:VEVENT");
    ics::appendLine(out, QStringLiteral("UID:") + uid);
    ics::appendLine(out, QStringLiteral("DTSTAMP:") + stamp);
    ics::appendLine(out, QStringLiteral("DTSTART;VALUE=DATE:") + ics::date(day));
    ics::appendLine(out, QStringLiteral("DTEND;VALUE=DATE:") + ics::date(day.addDays(1)));
    ics::appendLine(out, QStringLiteral("SUMMARY:") + ics::escapeText(summary));
    ics::appendLine(out, QStringLiteral("DESCRIPTION:") + ics::escapeText(description));
    ics::appendLine(out, u"TRANSP:TRANSPARENT");
    if (!alarm.isEmpty()) {
        ics::appendLine(out, u"BEGIN:VALARM");
        ics::appendLine(out, u"ACTION:DISPLAY");
        ics::appendLine(out, QStringLiteral("DESCRIPTION:") + ics::escapeText(alarm));
        // 9:00 on the day a week before the closing day.
        ics::appendLine(out, u"TRIGGER:-P6DT15H");
        ics::appendLine(out, u"END:VALARM");
    }
    ics::appendLine(out, u"END:VEVENT");
}

} // namespace

QByteArray renewalCalendar(const std::vector<StationRecord>& records, QDate day,
                           const QDateTime& stamp) {
    QByteArray events;
    const QString dtstamp = ics::utcDateTime(stamp);
    const auto era = [](QDate date) { return FormatEraDate(date, EraPattern::Unpadded); };
    // Each station's record with the latest expiry; the first of equals.
    QHash<QString, size_t> latest;
    std::vector<QString> keys(records.size());
    for (size_t k = 0; k < records.size(); ++k) {
        if (!records[k].expiry().isValid())
            continue;
        keys[k] = stationKey(records[k]);
        const auto found = latest.constFind(keys[k]);
        if (found == latest.cend() || records[*found].expiry() < records[k].expiry())
            latest.insert(keys[k], k);
    }
    for (size_t k = 0; k < records.size(); ++k) {
        const StationRecord& record = records[k];
        if (keys[k].isNull() || latest.value(keys[k]) != k)
            continue;
        const renewal::Window w = renewal::windowFor(record);
        const renewal::State state = renewal::stateOn(w, day);
        if (state == renewal::State::NoWindow || state == renewal::State::Expired)
            continue;
        const QString station =
            QStringLiteral("%1（%2）")
                .arg(record.trimmed(Field::CallSign), record.trimmed(Field::LicenceNo));
        const QString description = QStringLiteral("免許の有効期限 %1\n申請の受付 %2")
                                        .arg(era(w.expiry), renewal::windowText(w));
        const QString uid = uidBase(keys[k]);
        appendEvent(events, uid + QStringLiteral("-opens@velmora"), dtstamp, w.opens,
                    QStringLiteral("再免許申請 受付開始 ") + station, description, {});
        appendEvent(events, uid + QStringLiteral("-closes@velmora"), dtstamp, w.closes,
                    QStringLiteral("再免許申請 締切 ") + station, description,
                    QStringLiteral("1週間後に再免許申請の締切 ") + station);
        appendEvent(events, uid + QStringLiteral("-expires@velmora"), dtstamp, w.expiry,
                    QStringLiteral("免許の有効期限 ") + station, description, {});
    }
    if (events.isEmpty())
        return {};
    QByteArray out;
    ics::appendLine(out, u"BEGIN:VCALENDAR");
    ics::appendLine(out, u"VERSION:2.0");
    ics::appendLine(out, u"PRODID:-//Velmora//velmora-tool calendar//JA");
    ics::appendLine(out, u"CALSCALE:GREGORIAN");
    ics::appendLine(out, u"METHOD:PUBLISH");
    ics::appendLine(out, u"X-WR-CALNAME:再免許申請");
    out += events;
    ics::appendLine(out, u"END:VCALENDAR");
    return out;
}

int calendar(const QStringList& args) {
    const DayArguments a = readDayArguments(args, true, false, SystemClock().today());
    if (!a.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", a.error.toUtf8().constData(), kUsage);
        return 1;
    }
    const SortedRegister reg = readSortedRegister(a.file);
    if (!reg.result) {
        std::fprintf(stderr, "%s\n", reg.result.error.toUtf8().constData());
        return 1;
    }
    const QByteArray text = renewalCalendar(reg.records, a.day, QDateTime::currentDateTimeUtc());
    if (text.isEmpty()) {
        std::fprintf(stderr, "%s\n",
                     QStringLiteral("%1に有効な免許の局がありません。")
                         .arg(FormatEraDate(a.day, EraPattern::Unpadded))
                         .toUtf8()
                         .constData());
        return 1;
    }
    // The old file stays whole until the new one is complete.
    if (const Result written = writeWholeFile(a.out, text); !written) {
        std::fprintf(stderr, "書き込めません。\n%s\n", written.error.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace tool
