// Dates: the era dates the register stores and prints, the serial dates it holds, and the dates
// a user types (every accepted form once, the era letters, and what is refused and why).
#include "record/eradate.h"
#include "record/serialdate.h"
#include "record/typeddate.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

TEST(EraDate, FormatsAndParsesAtEraBoundaries) {
    const std::pair<QDate, const char16_t*> cases[] = {
        {QDate(1989, 1, 8), u"平成1年01月08日"},    {QDate(1989, 1, 7), u"昭和64年01月07日"},
        {QDate(2019, 4, 30), u"平成31年04月30日"},  {QDate(2019, 5, 1), u"令和1年05月01日"},
        {QDate(1926, 12, 24), u"大正15年12月24日"}, {QDate(1912, 7, 30), u"大正1年07月30日"},
        {QDate(1873, 1, 1), u"明治6年01月01日"}};
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
         {u"", u"令和4年02月", u"令和4年02月30日", u"令和0年05月01日", u"令和1年04月30日",
          u"平成31年05月01日", u"明治5年12月31日", u"2022-02-17", u"令和4年02月17日x",
          u"令和-1年02月17日", u"令和99999年01月01日", u"西暦4年02月17日"}) {
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

TEST(TypedDate, ReadsEraAndWesternFormsHalfOrFullWidth) {
    const std::pair<QDate, std::vector<const char16_t*>> cases[] = {
        {QDate(2028, 6, 30),
         {u"令和10年06月30日", u"r10/06/30", u"Ｒ１０．６．３０", u"令和10.6.30", u"2028/6/30",
          u"２０２８／６／３０", u"2028.6.30", u"2028年6月30日", u" 令和 10年 6月 30日　"}},
        {QDate(2019, 5, 1), {u"令和元年5月1日", u"R元年5月1日"}},
        {QDate(2019, 4, 30), {u"H31-4-30"}},
        {QDate(1926, 12, 25), {u"S1.12.25"}},
        {QDate(1912, 7, 30), {u"T1.7.30"}},
        {QDate(1873, 1, 1), {u"M6.1.1"}},
        {QDate(2024, 2, 29), {u"2024-02-29"}},
        {QDate(9999, 12, 31), {u"9999-12-31"}}};
    for (const auto& [date, texts] : cases) {
        for (const char16_t* text : texts) {
            const typeddate::TypedDate read = typeddate::parseTypedDate(text);
            EXPECT_EQ(read.problem, typeddate::Problem::None)
                << QString::fromUtf16(text).toStdString();
            EXPECT_EQ(read.date, date) << QString::fromUtf16(text).toStdString();
        }
    }
}

TEST(TypedDate, TellsANonExistentDayFromUnreadableText) {
    const std::pair<typeddate::Problem, std::vector<const char16_t*>> cases[] = {
        {typeddate::Problem::NoSuchDay,
         {u"2023-02-29", u"2026-13-01", u"平成31年5月1日", u"令和元年4月30日", u"令和0年5月1日",
          u"昭和64年1月8日", u"R6.2.30"}},
        {typeddate::Problem::Unsupported, {u"明治5年12月31日", u"1872-12-31"}},
        {typeddate::Problem::Unreadable,
         {u"", u"X6.1.1", u"2028-6/30", u"元年5月1日", u"28-06-30", u"2028-06-30x", u"令和6年12月",
          u"٢٠٢٨-06-30"}}};
    for (const auto& [problem, texts] : cases) {
        for (const char16_t* text : texts) {
            const typeddate::TypedDate read = typeddate::parseTypedDate(text);
            EXPECT_EQ(read.problem, problem) << QString::fromUtf16(text).toStdString();
            EXPECT_FALSE(read.date.isValid()) << QString::fromUtf16(text).toStdString();
        }
    }
    EXPECT_EQ(typeddate::problemText(typeddate::parseTypedDate(u"2026-02-30"), u" 2026-02-30"),
              u"「2026-02-30」という日はありません。"_qs);
}
