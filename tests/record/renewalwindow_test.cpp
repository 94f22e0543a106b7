#include "record/eradate.h"
#include "record/renewalwindow.h"
#include "support/samplestation.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using renewal::State;

struct WindowCase {
    QDate expiry, opens, closes;
};

class RenewalWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(RenewalWindow, OpensSixMonthsAndADayBeforeAndClosesOneMonthBefore) {
    const WindowCase& c = GetParam();
    const renewal::Window w = renewal::windowFor(c.expiry);
    EXPECT_EQ(w.opens, c.opens);
    EXPECT_EQ(w.closes, c.closes);
}

INSTANTIATE_TEST_SUITE_P(
    MonthEndsAndLeapDays, RenewalWindow,
    ::testing::Values(
        // The bureau's example: 令和6年4月9日 → 令和5年10月10日 to 令和6年3月9日.
        WindowCase{QDate(2024, 4, 9), QDate(2023, 10, 10), QDate(2024, 3, 9)},
        WindowCase{QDate(2028, 2, 29), QDate(2027, 8, 30), QDate(2028, 1, 29)},
        WindowCase{QDate(2027, 3, 30), QDate(2026, 10, 1), QDate(2027, 2, 28)},
        WindowCase{QDate(2024, 3, 31), QDate(2023, 10, 1), QDate(2024, 2, 29)},
        WindowCase{QDate(2026, 8, 31), QDate(2026, 3, 1), QDate(2026, 7, 31)},
        WindowCase{QDate(2026, 1, 31), QDate(2025, 8, 1), QDate(2025, 12, 31)},
        WindowCase{QDate(2026, 7, 1), QDate(2026, 1, 2), QDate(2026, 6, 1)}));

struct StateCase {
    QDate day;
    State state;
};

class RenewalState : public ::testing::TestWithParam<StateCase> {};

// Expiry 2024-04-09: window 2023-10-10..2024-03-09.
TEST_P(RenewalState, AtEveryBoundary) {
    const StateCase& c = GetParam();
    const renewal::Window w = renewal::windowFor(QDate(2024, 4, 9));
    EXPECT_EQ(renewal::stateOn(w, c.day), c.state) << qPrintable(c.day.toString(Qt::ISODate));
    // The print dialog warns exactly when no application is accepted that day.
    const QString warning = renewal::outsideWindowWarning(w, c.day);
    if (renewal::isOpen(c.state))
        EXPECT_TRUE(warning.isEmpty());
    else
        EXPECT_EQ(warning, QStringLiteral("申請期間外です（受付 令和5年10月10日～令和6年3月9日）"));
}

INSTANTIATE_TEST_SUITE_P(Boundaries, RenewalState,
                         ::testing::Values(StateCase{QDate(2023, 10, 9), State::Upcoming},
                                           StateCase{QDate(2023, 10, 10), State::Open},
                                           StateCase{QDate(2024, 2, 23), State::Open},
                                           StateCase{QDate(2024, 2, 24), State::Closing},
                                           StateCase{QDate(2024, 3, 9), State::Closing},
                                           StateCase{QDate(2024, 3, 10), State::Missed},
                                           StateCase{QDate(2024, 4, 9), State::Missed},
                                           StateCase{QDate(2024, 4, 10), State::Expired}));

TEST(RenewalWindow, DatesWithoutEraText) {
    // Stored values that are no date the program reads: no window, no warning.
    for (double stored : {std::numeric_limits<double>::quiet_NaN(), -1e6, 1e9}) {
        StationRecord r;
        r.ExpiryDate = stored;
        const renewal::Window w = renewal::windowFor(r);
        EXPECT_FALSE(w.isValid());
        EXPECT_EQ(renewal::stateOn(w, QDate(2024, 1, 1)), State::NoWindow);
        EXPECT_TRUE(renewal::outsideWindowWarning(w, QDate(2024, 1, 1)).isEmpty());
        EXPECT_TRUE(renewal::windowText(w).isEmpty());
    }
    // A window that opens before the era calendar shows that day as an ISO date.
    EXPECT_EQ(renewal::windowText(renewal::windowFor(QDate(1873, 3, 31))),
              QStringLiteral("1872-10-01～明治6年2月28日"));
}

struct StatusCase {
    const char* name;
    std::vector<int> expiryDaysFromToday; // 99999: a stored value that is no date
    const char16_t* text;
};

class RenewalStatus : public ::testing::TestWithParam<StatusCase> {};

// Today 2027-04-20. Expiry E + 10 days closes 2027-04-30 (10 days left).
TEST_P(RenewalStatus, Text) {
    const QDate today(2027, 4, 20);
    std::vector<StationRecord> records;
    for (int days : GetParam().expiryDaysFromToday) {
        StationRecord r = sampleStation(QStringLiteral("ＪＡ１ＡＡＡ"), QStringLiteral("関第1号"),
                                        today.addDays(days));
        if (days == 99999)
            r.ExpiryDate = std::numeric_limits<double>::infinity();
        records.push_back(r);
    }
    EXPECT_EQ(renewal::statusText(renewal::summarise(records, today)),
              QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RenewalStatus,
    ::testing::Values(
        StatusCase{"Empty", {}, u""},
        // Expired, upcoming, no window: none of them counts.
        StatusCase{"NothingOpen", {-1, 400, 99999}, u"申請受付中 0局"},
        StatusCase{"NoneClosing",
                   {60, 90},
                   u"申請受付中 2局（締切14日以内 0局・最も近い締切 令和9年5月19日）"},
        // E = 2027-05-31 closes 2027-04-30, E = 2027-06-01 closes 2027-05-01; ten more open,
        // one missed, one expired, one upcoming, one no window.
        StatusCase{
            "Full",
            {41, 42, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 20, -3, 300, 99999},
            u"申請受付中 12局（締切14日以内 2局・最も近い締切 令和9年4月30日）　締切超過 1局"}),
    [](const ::testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

} // namespace
