#include "record/renewalwindow.h"

#include "record/eradate.h"

namespace renewal {

namespace {

// A window may begin before the era calendar the program knows (a licence expiring early in
// 1873): such a day is written as an ISO date.
QString eraText(QDate date) {
    const QString text = FormatEraDate(date, EraPattern::Unpadded);
    return text.isEmpty() ? date.toString(Qt::ISODate) : text;
}

} // namespace

Window windowFor(QDate expiry) {
    if (!expiry.isValid())
        return {};
    return {expiry.addMonths(-6).addDays(1), expiry.addMonths(-1), expiry};
}

Window windowFor(const StationRecord& record) {
    return windowFor(record.expiry());
}

State stateOn(const Window& window, QDate day) {
    if (!window.isValid() || !day.isValid())
        return State::NoWindow;
    if (day > window.expiry)
        return State::Expired;
    if (day > window.closes)
        return State::Missed;
    if (day < window.opens)
        return State::Upcoming;
    return day.daysTo(window.closes) <= kClosingDays ? State::Closing : State::Open;
}

bool isOpen(State state) {
    return state == State::Open || state == State::Closing;
}

QString stateKey(State state) {
    switch (state) {
    case State::Upcoming:
        return QStringLiteral("upcoming");
    case State::Open:
        return QStringLiteral("open");
    case State::Closing:
        return QStringLiteral("closing");
    case State::Missed:
        return QStringLiteral("missed");
    case State::Expired:
        return QStringLiteral("expired");
    case State::NoWindow:
        break;
    }
    return QStringLiteral("none");
}

QString stateLabel(State state) {
    switch (state) {
    case State::Upcoming:
        return QStringLiteral("受付前");
    case State::Open:
        return QStringLiteral("受付中");
    case State::Closing:
        return QStringLiteral("締切間近");
    case State::Missed:
        return QStringLiteral("締切超過");
    case State::Expired:
        return QStringLiteral("期限切れ");
    case State::NoWindow:
        break;
    }
    return QStringLiteral("期間なし");
}

QString windowText(const Window& window) {
    if (!window.isValid())
        return {};
    return eraText(window.opens) + u'～' + eraText(window.closes);
}

QString outsideWindowWarning(const Window& window, QDate day) {
    if (!window.isValid() || !day.isValid() || (day >= window.opens && day <= window.closes))
        return {};
    return QStringLiteral("申請期間外です（受付 %1）").arg(windowText(window));
}

std::vector<size_t> outsideWindow(const std::vector<StationRecord>& records, QDate day) {
    std::vector<size_t> outside;
    for (size_t k = 0; k < records.size(); ++k) {
        if (!outsideWindowWarning(windowFor(records[k]), day).isEmpty())
            outside.push_back(k);
    }
    return outside;
}

Summary summarise(const std::vector<StationRecord>& records, QDate day) {
    Summary summary;
    summary.stations = int(records.size());
    for (const StationRecord& record : records) {
        const Window window = windowFor(record);
        const State state = stateOn(window, day);
        ++summary.counts[size_t(state)];
        if (isOpen(state) &&
            (!summary.nearestClose.isValid() || window.closes < summary.nearestClose))
            summary.nearestClose = window.closes;
    }
    return summary;
}

QString statusText(const Summary& summary) {
    if (summary.stations == 0)
        return {};
    QString text = QStringLiteral("申請受付中 %1局").arg(summary.open());
    if (summary.open() > 0)
        text += QStringLiteral("（締切%1日以内 %2局・最も近い締切 %3）")
                    .arg(kClosingDays)
                    .arg(summary.count(State::Closing))
                    .arg(eraText(summary.nearestClose));
    if (summary.count(State::Missed) > 0)
        text += QStringLiteral("　締切超過 %1局").arg(summary.count(State::Missed));
    return text;
}

} // namespace renewal
