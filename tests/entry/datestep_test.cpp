#include "entry/datestep.h"
#include "record/eradate.h"

#include <QDate>
#include <gtest/gtest.h>

using datestep::Unit;

namespace {

QDate stepped(QDate date, Unit unit, int count) {
    return ParseEraDate(datestep::step(FormatEraDate(date), unit, count));
}

} // namespace

TEST(DateStep, MonthAndYearStepsClampToTheLastDayOfTheMonth) {
    EXPECT_EQ(stepped(QDate(2023, 1, 31), Unit::Month, 1), QDate(2023, 2, 28));
    EXPECT_EQ(stepped(QDate(2024, 3, 31), Unit::Month, -1), QDate(2024, 2, 29));
    EXPECT_EQ(stepped(QDate(2024, 5, 31), Unit::Month, 1), QDate(2024, 6, 30));
    EXPECT_EQ(stepped(QDate(2024, 2, 29), Unit::Year, -1), QDate(2023, 2, 28));
    EXPECT_EQ(stepped(QDate(2024, 2, 29), Unit::Year, 4), QDate(2028, 2, 29));
    EXPECT_EQ(stepped(QDate(2024, 12, 15), Unit::Month, 1), QDate(2025, 1, 15));
    EXPECT_EQ(stepped(QDate(2024, 3, 1), Unit::Day, -1), QDate(2024, 2, 29));
}

TEST(DateStep, StepsCarryAcrossErasAndShowTheEraOfTheResult) {
    EXPECT_EQ(datestep::step(u"平成31年04月30日", Unit::Day, 1), u"令和1年05月01日"_qs);
    EXPECT_EQ(datestep::step(u"令和1年05月01日", Unit::Day, -1), u"平成31年04月30日"_qs);
    EXPECT_EQ(datestep::step(u"平成30年05月01日", Unit::Year, 1), u"令和1年05月01日"_qs);
    EXPECT_EQ(datestep::step(u"昭和64年01月07日", Unit::Day, 1), u"平成1年01月08日"_qs);
    // The five-year extension of a 29 February.
    EXPECT_EQ(datestep::step(u"令和6年02月29日", Unit::Year, 5), u"令和11年02月28日"_qs);
    // Unpadded text is read too; the result is always padded.
    EXPECT_EQ(datestep::step(u"令和6年2月9日", Unit::Day, 1), u"令和6年02月10日"_qs);
}

TEST(DateStep, AStepBeyondTheSupportedDatesOrFromNoDateLeavesTheTextAsItIs) {
    const QString last = FormatEraDate(QDate(9999, 12, 31));
    const QString lateYear = FormatEraDate(QDate(9999, 1, 15));
    const QString first = FormatEraDate(QDate(1873, 1, 1));
    for (const QString& text :
         {last, lateYear, first, u"令和6年02月30日"_qs, u"2024/02/01"_qs, QString()}) {
        const int step = text == first ? -1 : 1;
        EXPECT_EQ(datestep::step(text, Unit::Year, step), text) << text.toStdString();
        if (text != lateYear) {
            EXPECT_EQ(datestep::step(text, Unit::Month, step), text) << text.toStdString();
            EXPECT_EQ(datestep::step(text, Unit::Day, step), text) << text.toStdString();
        }
    }
    EXPECT_FALSE(last.isEmpty() || first.isEmpty());
    EXPECT_EQ(stepped(QDate(9999, 12, 31), Unit::Day, -1), QDate(9999, 12, 30));
    EXPECT_EQ(stepped(QDate(9999, 1, 15), Unit::Month, 11), QDate(9999, 12, 15));
    EXPECT_EQ(stepped(QDate(1873, 1, 1), Unit::Day, 1), QDate(1873, 1, 2));
}
