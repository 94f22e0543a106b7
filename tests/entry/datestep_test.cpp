// Stepping an era date by year, month or day, within the dates the register can show.
#include "entry/datestep.h"
#include "record/eradate.h"

#include <QDate>
#include <gtest/gtest.h>

using datestep::Unit;

TEST(DateStep, StepsClampToTheMonthEndCarryAcrossErasAndStopAtTheSupportedDates) {
    const QString last = FormatEraDate(QDate(9999, 12, 31));
    const QString lateYear = FormatEraDate(QDate(9999, 1, 15));
    const QString first = FormatEraDate(QDate(1873, 1, 1));
    ASSERT_FALSE(last.isEmpty() || lateYear.isEmpty() || first.isEmpty());
    const std::vector<std::tuple<QString, Unit, int, QString>> cases{
        {u"令和5年01月31日"_qs, Unit::Month, 1, u"令和5年02月28日"_qs},
        {u"令和6年02月29日"_qs, Unit::Year, 4, u"令和10年02月29日"_qs},
        {u"令和6年02月29日"_qs, Unit::Year, 5, u"令和11年02月28日"_qs}, // the extension
        {u"令和6年12月15日"_qs, Unit::Month, 1, u"令和7年01月15日"_qs},
        {u"平成31年04月30日"_qs, Unit::Day, 1, u"令和1年05月01日"_qs},
        {u"令和1年05月01日"_qs, Unit::Day, -1, u"平成31年04月30日"_qs},
        {u"令和6年2月9日"_qs, Unit::Day, 1, u"令和6年02月10日"_qs}, // unpadded is read too
        {last, Unit::Day, 1, last},
        {lateYear, Unit::Year, 1, lateYear},
        {last, Unit::Day, -1, FormatEraDate(QDate(9999, 12, 30))},
        {first, Unit::Day, -1, first},
        {first, Unit::Month, -1, first},
        {u"令和6年02月30日"_qs, Unit::Day, 1, u"令和6年02月30日"_qs}, // no date: as it is
        {QString(), Unit::Year, 1, QString()},
    };
    for (const auto& [from, unit, count, to] : cases)
        EXPECT_EQ(datestep::step(from, unit, count), to) << from.toStdString() << " " << count;
}
