#include "record/renewalwindow.h"
#include "support/samplestation.h"

#include <gtest/gtest.h>
#include <limits>

using renewal::State;

TEST(RenewalWindow, OpensSixMonthsAndADayBeforeAndClosesOneMonthBefore) {
    // expiry, opens, closes: the bureau's example first, then month ends and leap days.
    const QDate cases[][3] = {{QDate(2024, 4, 9), QDate(2023, 10, 10), QDate(2024, 3, 9)},
                              {QDate(2028, 2, 29), QDate(2027, 8, 30), QDate(2028, 1, 29)},
                              {QDate(2027, 3, 30), QDate(2026, 10, 1), QDate(2027, 2, 28)},
                              {QDate(2024, 3, 31), QDate(2023, 10, 1), QDate(2024, 2, 29)},
                              {QDate(2026, 7, 1), QDate(2026, 1, 2), QDate(2026, 6, 1)}};
    for (const auto& c : cases) {
        const renewal::Window w = renewal::windowFor(c[0]);
        EXPECT_EQ(w.opens, c[1]) << c[0].toString(Qt::ISODate).toStdString();
        EXPECT_EQ(w.closes, c[2]) << c[0].toString(Qt::ISODate).toStdString();
    }
    // A window that opens before the era calendar shows that day as an ISO date.
    EXPECT_EQ(renewal::windowText(renewal::windowFor(QDate(1873, 3, 31))),
              QStringLiteral("1872-10-01～明治6年2月28日"));
}

// The states at every boundary of the window 2023-10-10..2024-03-09 (expiry 2024-04-09); the print
// dialog warns exactly when no application is accepted that day.
TEST(RenewalWindow, StateAndWarningAtEveryBoundary) {
    const renewal::Window w = renewal::windowFor(QDate(2024, 4, 9));
    const std::pair<QDate, State> cases[] = {
        {QDate(2023, 10, 9), State::Upcoming}, {QDate(2023, 10, 10), State::Open},
        {QDate(2024, 2, 23), State::Open},     {QDate(2024, 2, 24), State::Closing},
        {QDate(2024, 3, 9), State::Closing},   {QDate(2024, 3, 10), State::Missed},
        {QDate(2024, 4, 9), State::Missed},    {QDate(2024, 4, 10), State::Expired}};
    for (const auto& [day, state] : cases) {
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(renewal::stateOn(w, day), state);
        EXPECT_EQ(renewal::outsideWindowWarning(w, day),
                  renewal::isOpen(state)
                      ? QString()
                      : QStringLiteral("申請期間外です（受付 令和5年10月10日～令和6年3月9日）"));
    }
    // Stored values that are no date the program reads: no window, no warning.
    for (double stored : {std::numeric_limits<double>::quiet_NaN(), -1e6, 1e9}) {
        StationRecord r;
        r.ExpiryDate = stored;
        const renewal::Window none = renewal::windowFor(r);
        EXPECT_EQ(renewal::stateOn(none, QDate(2024, 1, 1)), State::NoWindow);
        EXPECT_TRUE(renewal::outsideWindowWarning(none, QDate(2024, 1, 1)).isEmpty());
    }
}

TEST(RenewalWindow, StatusText) {
    // Today 2027-04-20. Expiry E + 41 days closes 2027-04-30; 99999 stands for a value that is
    // no date.
    const QDate today(2027, 4, 20);
    const std::pair<std::vector<int>, const char16_t*> cases[] = {
        {{}, u""},
        // Ten more open, one missed, one expired, one upcoming, one no window.
        {{41, 42, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 20, -3, 300, 99999},
         u"申請受付中 12局（締切14日以内 2局・最も近い締切 令和9年4月30日）　締切超過 1局"}};
    for (const auto& [days, text] : cases) {
        std::vector<StationRecord> records;
        for (int d : days) {
            records.push_back(sampleStation(u"ＪＡ１"_qs, u"関第1号"_qs, today.addDays(d)));
            if (d == 99999)
                records.back().ExpiryDate = std::numeric_limits<double>::infinity();
        }
        EXPECT_EQ(renewal::statusText(renewal::summarise(records, today)), QStringView(text));
    }
}

// A batch picked by one day and dated another: the stations whose window misses the printed
// date, a station without a window never.
TEST(RenewalWindow, StationsOutsideTheWindowOfAPrintedDate) {
    std::vector<StationRecord> records;
    // Windows 2027-01-02..06-01, 2027-06-02..11-01, 2027-03-02..08-01, none.
    for (const QDate expiry :
         {QDate(2027, 7, 1), QDate(2027, 12, 1), QDate(2027, 9, 1), QDate(2026, 1, 1)})
        records.push_back(sampleStation(u"ＪＡ１"_qs, u"関第1号"_qs, expiry));
    records.back().ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(renewal::outsideWindow(records, QDate(2027, 6, 1)), (std::vector<size_t>{1}));
    EXPECT_EQ(renewal::outsideWindow(records, QDate(2027, 6, 2)), (std::vector<size_t>{0}));
    EXPECT_TRUE(renewal::outsideWindow(records, QDate()).empty());
}
