#include "entry/datestep.h"
#include "record/eradate.h"

#include <QDate>
#include <gtest/gtest.h>

using datestep::Unit;

namespace {

QString shown(QDate date) {
    return FormatEraDate(date);
}

QDate stepped(QDate date, Unit unit, int count) {
    return ParseEraDate(datestep::step(shown(date), unit, count));
}

} // namespace

TEST(DateStep, MonthAndYearStepsClampToTheLastDayOfTheMonth) {
    EXPECT_EQ(stepped(QDate(2023, 1, 31), Unit::Month, 1), QDate(2023, 2, 28));
    EXPECT_EQ(stepped(QDate(2024, 1, 31), Unit::Month, 1), QDate(2024, 2, 29));
    EXPECT_EQ(stepped(QDate(2024, 3, 31), Unit::Month, -1), QDate(2024, 2, 29));
    EXPECT_EQ(stepped(QDate(2024, 5, 31), Unit::Month, 1), QDate(2024, 6, 30));
    EXPECT_EQ(stepped(QDate(2024, 2, 29), Unit::Year, 1), QDate(2025, 2, 28));
    EXPECT_EQ(stepped(QDate(2024, 2, 29), Unit::Year, -1), QDate(2023, 2, 28));
    EXPECT_EQ(stepped(QDate(2024, 2, 29), Unit::Year, 4), QDate(2028, 2, 29));
    EXPECT_EQ(stepped(QDate(2024, 12, 15), Unit::Month, 1), QDate(2025, 1, 15));
    EXPECT_EQ(stepped(QDate(2024, 12, 31), Unit::Day, 1), QDate(2025, 1, 1));
    EXPECT_EQ(stepped(QDate(2024, 3, 1), Unit::Day, -1), QDate(2024, 2, 29));
}

TEST(DateStep, StepsCarryAcrossErasAndShowTheEraOfTheResult) {
    EXPECT_EQ(datestep::step(u"平成31年04月30日", Unit::Day, 1), u"令和1年05月01日"_qs);
    EXPECT_EQ(datestep::step(u"令和1年05月01日", Unit::Day, -1), u"平成31年04月30日"_qs);
    EXPECT_EQ(datestep::step(u"平成31年04月30日", Unit::Month, 1), u"令和1年05月30日"_qs);
    EXPECT_EQ(datestep::step(u"平成30年05月01日", Unit::Year, 1), u"令和1年05月01日"_qs);
    EXPECT_EQ(datestep::step(u"昭和64年01月07日", Unit::Day, 1), u"平成1年01月08日"_qs);
    EXPECT_EQ(datestep::step(u"平成1年01月08日", Unit::Day, -1), u"昭和64年01月07日"_qs);
    // The five-year extension of a 29 February.
    EXPECT_EQ(datestep::step(u"令和6年02月29日", Unit::Year, 5), u"令和11年02月28日"_qs);
    // Unpadded text is read too; the result is always padded.
    EXPECT_EQ(datestep::step(u"令和6年2月9日", Unit::Day, 1), u"令和6年02月10日"_qs);
}

TEST(DateStep, AStepBeyondTheSupportedDatesLeavesTheDateAsItIs) {
    const QString last = shown(QDate(9999, 12, 31));
    ASSERT_FALSE(last.isEmpty());
    EXPECT_EQ(datestep::step(last, Unit::Day, 1), last);
    EXPECT_EQ(datestep::step(last, Unit::Month, 1), last);
    EXPECT_EQ(datestep::step(last, Unit::Year, 1), last);
    EXPECT_EQ(stepped(QDate(9999, 12, 31), Unit::Day, -1), QDate(9999, 12, 30));
    const QString lateYear = shown(QDate(9999, 1, 15));
    EXPECT_EQ(datestep::step(lateYear, Unit::Year, 1), lateYear);
    EXPECT_EQ(datestep::step(lateYear, Unit::Year, 5), lateYear);
    EXPECT_EQ(stepped(QDate(9999, 1, 15), Unit::Month, 11), QDate(9999, 12, 15));

    const QString first = shown(QDate(1873, 1, 1));
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(datestep::step(first, Unit::Day, -1), first);
    EXPECT_EQ(datestep::step(first, Unit::Month, -1), first);
    EXPECT_EQ(datestep::step(first, Unit::Year, -1), first);
    EXPECT_EQ(stepped(QDate(1873, 1, 1), Unit::Day, 1), QDate(1873, 1, 2));
}

TEST(DateStep, TextThatIsNoDateStaysAsItIs) {
    EXPECT_EQ(datestep::step(u"", Unit::Day, 1), QString());
    EXPECT_EQ(datestep::step(u"令和6年02月30日", Unit::Day, 1), u"令和6年02月30日"_qs);
    EXPECT_EQ(datestep::step(u"2024/02/01", Unit::Month, 1), u"2024/02/01"_qs);
}
