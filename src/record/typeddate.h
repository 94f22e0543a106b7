#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// A date as people type it, or as a spreadsheet program shows it, read in one place for every
// input that takes a typed date (CSV cells, the command line, the entry dialogs).
//
// Accepted, in half- or full-width characters, with spaces between the parts:
// - an era date: 令和10年6月30日, 令和元年5月1日, with the era's name (明治, 大正, 昭和, 平成,
//   令和) or its initial (M, T, S, H, R, either case): R10.6.30, H31/4/30, R1-5-1, R元年5月1日;
//   the era name also with dots: 令和10.6.30;
// - a Western date: 2028-06-30, 2028/6/30, 2028.6.30, 2028年6月30日.
// The year must lie inside its era, and the day must exist and be one the program supports
// (serialdate.h).
namespace typeddate {

enum class Problem {
    None,
    Unreadable,  // not a date in any of the forms above
    NoSuchDay,   // the form is right but the day does not exist (2026-02-30, 平成31年5月1日)
    Unsupported, // a real day outside the range the program supports
};

struct TypedDate {
    QDate date; // valid exactly when problem is None
    Problem problem = Problem::Unreadable;
    explicit operator bool() const { return problem == Problem::None; }
};

TypedDate parseTypedDate(QStringView text);

// What is wrong with text, for a message: "「2026-02-30」という日はありません。"; empty for a
// readable date.
QString problemText(const TypedDate& date, QStringView text);

} // namespace typeddate
