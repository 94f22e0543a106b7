// Typed dates: every accepted form once, the era letters, and what is refused and why; the era
// boundaries themselves are the era dates' business.
#include "record/typeddate.h"

#include <gtest/gtest.h>
#include <vector>

using typeddate::Problem;

TEST(TypedDate, ReadsEraAndWesternFormsHalfOrFullWidth) {
    const std::pair<QDate, std::vector<const char16_t*>> cases[] = {
        {QDate(2028, 6, 30),
         {u"令和10年6月30日", u"令和10年06月30日", u"R10.6.30", u"r10/06/30", u"Ｒ１０．６．３０",
          u"令和10.6.30", u"2028-06-30", u"2028/6/30", u"２０２８／６／３０", u"2028.6.30",
          u"2028年6月30日", u" 令和 10年 6月 30日　"}},
        {QDate(2019, 5, 1), {u"令和元年5月1日", u"R元年5月1日", u"令和1年05月01日"}},
        {QDate(2019, 4, 30), {u"平成31年4月30日", u"H31-4-30"}},
        {QDate(1926, 12, 25), {u"S1.12.25"}},
        {QDate(1912, 7, 30), {u"T1.7.30"}},
        {QDate(1873, 1, 1), {u"M6.1.1"}},
        {QDate(2024, 2, 29), {u"2024-02-29"}},
        {QDate(9999, 12, 31), {u"9999-12-31"}}};
    for (const auto& [date, texts] : cases) {
        for (const char16_t* text : texts) {
            const typeddate::TypedDate read = typeddate::parseTypedDate(text);
            EXPECT_EQ(read.problem, Problem::None) << QString::fromUtf16(text).toStdString();
            EXPECT_EQ(read.date, date) << QString::fromUtf16(text).toStdString();
        }
    }
}

TEST(TypedDate, TellsANonExistentDayFromUnreadableText) {
    const std::pair<Problem, std::vector<const char16_t*>> cases[] = {
        {Problem::NoSuchDay,
         {u"2026-02-30", u"2023-02-29", u"2026-13-01", u"2026/4/31", u"平成31年5月1日",
          u"令和元年4月30日", u"令和0年5月1日", u"H32.1.1", u"昭和64年1月8日", u"R6.2.30"}},
        {Problem::Unsupported, {u"明治5年12月31日", u"1872-12-31"}},
        {Problem::Unreadable,
         {u"", u"令和", u"X6.1.1", u"2028-6/30", u"元年5月1日", u"2028元年5月1日", u"28-06-30",
          u"2028-06-30x", u"令和6年12月", u"R6.12.31日", u"٢٠٢٨-06-30"}}};
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
