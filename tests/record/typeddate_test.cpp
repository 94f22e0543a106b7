// Typed dates: every accepted form once, the era boundaries, and what is refused and why.
#include "record/typeddate.h"

#include <gtest/gtest.h>

using typeddate::Problem;

TEST(TypedDate, ReadsEraAndWesternFormsHalfOrFullWidth) {
    const std::pair<const char16_t*, QDate> cases[] = {
        {u"令和10年6月30日", QDate(2028, 6, 30)},
        {u"令和10年06月30日", QDate(2028, 6, 30)},
        {u"R10.6.30", QDate(2028, 6, 30)},
        {u"r10/06/30", QDate(2028, 6, 30)},
        {u"Ｒ１０．６．３０", QDate(2028, 6, 30)},
        {u"令和６年１２月３１日", QDate(2024, 12, 31)},
        {u" 令和 6年 12月 31日　", QDate(2024, 12, 31)},
        {u"令和6.12.31", QDate(2024, 12, 31)},
        {u"R元年5月1日", QDate(2019, 5, 1)},
        {u"令和元年5月1日", QDate(2019, 5, 1)},
        {u"平成31年4月30日", QDate(2019, 4, 30)},
        {u"H31-4-30", QDate(2019, 4, 30)},
        {u"平成元年1月8日", QDate(1989, 1, 8)},
        {u"昭和64年1月7日", QDate(1989, 1, 7)},
        {u"S1.12.25", QDate(1926, 12, 25)},
        {u"大正15年12月24日", QDate(1926, 12, 24)},
        {u"T1.7.30", QDate(1912, 7, 30)},
        {u"明治45年7月29日", QDate(1912, 7, 29)},
        {u"M6.1.1", QDate(1873, 1, 1)},
        {u"2028-06-30", QDate(2028, 6, 30)},
        {u"2028/6/30", QDate(2028, 6, 30)},
        {u"２０２８／６／３０", QDate(2028, 6, 30)},
        {u"2028.6.30", QDate(2028, 6, 30)},
        {u"2028年6月30日", QDate(2028, 6, 30)},
        {u"2024-02-29", QDate(2024, 2, 29)},
        {u"9999-12-31", QDate(9999, 12, 31)},
    };
    for (const auto& [text, date] : cases) {
        const typeddate::TypedDate read = typeddate::parseTypedDate(text);
        EXPECT_EQ(read.problem, Problem::None) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(read.date, date) << QString::fromUtf16(text).toStdString();
    }
}

TEST(TypedDate, TellsANonExistentDayFromUnreadableText) {
    const std::pair<const char16_t*, Problem> cases[] = {
        {u"2026-02-30", Problem::NoSuchDay},
        {u"2023-02-29", Problem::NoSuchDay},
        {u"2026-13-01", Problem::NoSuchDay},
        {u"2026/4/31", Problem::NoSuchDay},
        {u"平成31年5月1日", Problem::NoSuchDay},
        {u"令和元年4月30日", Problem::NoSuchDay},
        {u"令和0年5月1日", Problem::NoSuchDay},
        {u"H32.1.1", Problem::NoSuchDay},
        {u"昭和64年1月8日", Problem::NoSuchDay},
        {u"R6.2.30", Problem::NoSuchDay},
        {u"明治5年12月31日", Problem::Unsupported},
        {u"1872-12-31", Problem::Unsupported},
        {u"", Problem::Unreadable},
        {u"令和", Problem::Unreadable},
        {u"X6.1.1", Problem::Unreadable},
        {u"2028-6/30", Problem::Unreadable},
        {u"元年5月1日", Problem::Unreadable},
        {u"2028元年5月1日", Problem::Unreadable},
        {u"28-06-30", Problem::Unreadable},
        {u"2028-06-30x", Problem::Unreadable},
        {u"令和6年12月", Problem::Unreadable},
        {u"R6.12.31日", Problem::Unreadable},
        {u"٢٠٢٨-06-30", Problem::Unreadable},
    };
    for (const auto& [text, problem] : cases) {
        const typeddate::TypedDate read = typeddate::parseTypedDate(text);
        EXPECT_EQ(read.problem, problem) << QString::fromUtf16(text).toStdString();
        EXPECT_FALSE(read.date.isValid()) << QString::fromUtf16(text).toStdString();
    }
    EXPECT_EQ(typeddate::problemText(typeddate::parseTypedDate(u"2026-02-30"), u" 2026-02-30"),
              u"「2026-02-30」という日はありません。"_qs);
}
