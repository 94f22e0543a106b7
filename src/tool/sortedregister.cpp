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

DayArguments readDayArguments(const QStringList& args, bool takesOut, bool takesJson, QDate today) {
    DayArguments a;
    QString on;
    for (qsizetype i = 0; i < args.size() && a.error.isEmpty(); ++i) {
        const QString& arg = args[i];
        if (takesJson && arg == QLatin1String("--json")) {
            a.json = true;
        } else if (arg == QLatin1String("--on") || (takesOut && arg == QLatin1String("--out"))) {
            if (const std::optional<QString> v = optionValue(args, i))
                (arg == QLatin1String("--on") ? on : a.out) = *v;
            else
                a.error = QStringLiteral("%1 に値がありません").arg(arg);
        } else if (arg.startsWith(QStringLiteral("--"))) {
            a.error = QStringLiteral("知らないオプションです: %1").arg(arg);
        } else if (a.file.isEmpty()) {
            a.file = arg;
        } else {
            a.error = QStringLiteral("余分な引数です: %1").arg(arg);
        }
    }
    if (a.error.isEmpty() && a.file.isEmpty())
        a.error = QStringLiteral("データファイルを指定してください");
    if (a.error.isEmpty() && takesOut && a.out.isEmpty())
        a.error = QStringLiteral("--out を指定してください");
    if (a.error.isEmpty())
        a.day = dayOf(on, today, a.error);
    return a;
}

} // namespace tool
