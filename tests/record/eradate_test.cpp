#include "record/eradate.h"
#include "record/serialdate.h"

#include <gtest/gtest.h>
#include <limits>

TEST(EraDate, FormatsAndParsesAtEraBoundaries) {
    const std::pair<QDate, const char16_t*> cases[] = {
        {QDate(2022, 2, 17), u"令和4年02月17日"},  {QDate(1989, 1, 8), u"平成1年01月08日"},
        {QDate(1989, 1, 7), u"昭和64年01月07日"},  {QDate(2019, 4, 30), u"平成31年04月30日"},
        {QDate(2019, 5, 1), u"令和1年05月01日"},   {QDate(1926, 12, 24), u"大正15年12月24日"},
        {QDate(1926, 12, 25), u"昭和1年12月25日"}, {QDate(1912, 7, 29), u"明治45年07月29日"},
        {QDate(1912, 7, 30), u"大正1年07月30日"},  {QDate(1873, 1, 1), u"明治6年01月01日"}};
    for (const auto& [date, text] : cases) {
        EXPECT_EQ(FormatEraDate(date), QStringView(text));
        EXPECT_EQ(ParseEraDate(text), date) << QString::fromUtf16(text).toStdString();
    }
    EXPECT_EQ(FormatEraDate(QDate(2022, 2, 7), EraPattern::Unpadded), u"令和4年2月7日");
    EXPECT_EQ(ParseEraDate(u"  平成31年4月30日 "), QDate(2019, 4, 30));
    for (const QDate unsupported : {QDate(), QDate(1872, 12, 31), QDate(10000, 1, 1)})
        EXPECT_TRUE(FormatEraDate(unsupported).isEmpty());
    EXPECT_EQ(eraDay(u"令和", 1, 5, 1), QDate(2019, 5, 1));
    EXPECT_FALSE(eraDay(u"西暦", 1, 5, 1).isValid());
}

TEST(EraDate, RejectsTextThatIsNotAnEraDate) {
    for (const char16_t* bad :
         {u"", u"令和", u"令和4年", u"令和4年02月", u"令和4年02月30日", u"令和4年13月01日",
          u"令和0年05月01日", u"令和1年04月30日", u"平成32年01月01日", u"平成31年05月01日",
          u"明治5年12月31日", u"2022-02-17", u"令和4年02月17日x", u"令和04年02月17日１",
          u"令和-1年02月17日", u"令和99999年01月01日", u"　令和4年02月17日", u"西暦4年02月17日"}) {
        EXPECT_FALSE(ParseEraDate(bad).isValid()) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(SerialDate, DayZeroAndOutOfRangeValues) {
    EXPECT_EQ(serialdate::fromDate(QDate(2024, 3, 31)), 45382.0);
    const double last = serialdate::fromDate(QDate(9999, 12, 31));
    EXPECT_EQ(serialdate::toDate(last), QDate(9999, 12, 31));
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double bad : {-9860.0, last + 1, std::numeric_limits<double>::quiet_NaN(), inf, -inf,
                       1e300, -1e300}) // -9860: 31 December 1872
        EXPECT_FALSE(serialdate::toDate(bad).isValid()) << bad;
}
