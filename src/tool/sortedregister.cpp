#include "tool/sortedregister.h"

#include "record/datafile.h"
#include "record/sortorder.h"
#include "tool/printanswers.h"

namespace tool {

SortedRegister readSortedRegister(const QString& path) {
    SortedRegister out;
    datafile::ReadResult read = datafile::readFile(path);
    if (read.missing)
        out.result = Result::failure(QStringLiteral("ファイルが有りません: %1").arg(path));
    else if (!read.result)
        out.result = read.result;
    else if (read.records.empty())
        out.result = Result::failure(QStringLiteral("局が登録されていません: %1").arg(path));
    if (!out.result)
        return out;
    sortByExpiry(read.records);
    out.records = std::move(read.records);
    return out;
}

QDate dayOf(const QString& value, QDate today, QString& error) {
    if (value.isNull())
        return today;
    const std::optional<QDate> day = readDate(value);
    if (!day) {
        error = QStringLiteral("--on の日付が正しくありません: %1").arg(value);
        return {};
    }
    return *day;
}

} // namespace tool
