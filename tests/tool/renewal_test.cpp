#include "print/core/bureaufile.h"
#include "record/datafile.h"
#include "record/sortorder.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"
#include "tool/calendar.h"
#include "tool/commands.h"
#include "tool/due.h"
#include "tool/icalendar.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <limits>

// velmora-tool due, batch and calendar on a register with a station in every state.

namespace {

const QString kBureauFile = QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName();
const QString kOn = QStringLiteral("2026-02-10");

StationRecord station(const QString& callSign, QDate expiry) {
    StationRecord r =
        sampleStation(callSign, QStringLiteral("関第%1号").arg(expiry.month()), expiry);
    if (!expiry.isValid())
        r.ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    return r;
}

// In the program's order on 2026-02-10: 1 expired, 2 missed, 3 closing, 4 open, 5 upcoming,
// 6 no window. The file holds them in another order.
std::vector<StationRecord> everyState() {
    return {station(QStringLiteral("ＪＡ４ＤＤＤ"), QDate(2026, 5, 31)),
            station(QStringLiteral("ＪＡ６ＦＦＦ"), QDate()),
            station(QStringLiteral("ＪＡ２ＢＢＢ"), QDate(2026, 2, 20)),
            station(QStringLiteral("ＪＡ５ＥＥＥ"), QDate(2027, 1, 10)),
            station(QStringLiteral("ＪＡ３ＣＣＣ"), QDate(2026, 3, 15)),
            station(QStringLiteral("ＪＡ１ＡＡＡ"), QDate(2026, 1, 31))};
}

QString writeRegister(const TempFolder& folder, const std::vector<StationRecord>& records) {
    const QString path = folder.file(QStringLiteral("register.stn"));
    EXPECT_TRUE(datafile::writeFile(path, records));
    return path;
}

int runTool(const QStringList& args) {
    return tool::run(QStringList{QStringLiteral("velmora-tool")} + args);
}

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

TEST(Due, EveryStationInTheProgramsOrder) {
    std::vector<StationRecord> records = everyState();
    sortByExpiry(records);
    const QDate on(2026, 2, 10);
    EXPECT_EQ(QString::fromUtf8(tool::dueTable(records, on)),
              QStringLiteral(
                  "番号  コールサイン  免許番号  有効期限    受付開始    受付締切    状態\n"
                  "   1  ＪＡ１ＡＡＡ  関第1号   2026-01-31  2025-08-01  2025-12-31  期限切れ\n"
                  "   2  ＪＡ２ＢＢＢ  関第2号   2026-02-20  2025-08-21  2026-01-20  締切超過\n"
                  "   3  ＪＡ３ＣＣＣ  関第3号   2026-03-15  2025-09-16  2026-02-15  締切間近\n"
                  "   4  ＪＡ４ＤＤＤ  関第5号   2026-05-31  2025-12-01  2026-04-30  受付中\n"
                  "   5  ＪＡ５ＥＥＥ  関第1号   2027-01-10  2026-07-11  2026-12-10  受付前\n"
                  "   6  ＪＡ６ＦＦＦ  関第0号   -           -           -           期間なし\n"
                  "令和8年2月10日現在　申請受付中 2局（締切14日以内 1局・最も近い締切 "
                  "令和8年2月15日）　締切超過 1局\n"));

    const QList<QByteArray> lines = tool::dueJson(records, on).split('\n');
    ASSERT_EQ(lines.size(), 7); // and the empty piece after the last line end
    const QJsonObject closing = QJsonDocument::fromJson(lines[2]).object();
    EXPECT_EQ(closing.value(QStringLiteral("Record")).toInt(), 3);
    EXPECT_EQ(closing.value(QStringLiteral("Opens")).toString(), QStringLiteral("2025-09-16"));
    EXPECT_EQ(closing.value(QStringLiteral("Closes")).toString(), QStringLiteral("2026-02-15"));
    EXPECT_EQ(closing.value(QStringLiteral("State")).toString(), QStringLiteral("closing"));
    const QJsonObject none = QJsonDocument::fromJson(lines[5]).object();
    EXPECT_TRUE(none.value(QStringLiteral("Opens")).isNull());
    EXPECT_TRUE(none.value(QStringLiteral("ExpiryDate")).isNull());
    EXPECT_EQ(none.value(QStringLiteral("State")).toString(), QStringLiteral("none"));
}

TEST(Batch, PrintsTheOpenWindowsOrTheListedStationsAsOnePdf) {
    TempFolder folder;
    const QString data = writeRegister(folder, everyState());
    const QString out = folder.file(QStringLiteral("batch.pdf"));
    const QStringList common{QStringLiteral("batch"),    data,        QStringLiteral("--out"), out,
                             QStringLiteral("--bureau"), kBureauFile, QStringLiteral("--on"),  kOn};

    // Stations 3 and 4 are open: three documents each.
    ASSERT_EQ(runTool(common), 0);
    EXPECT_EQ(pdfPages(folder.read(QStringLiteral("batch.pdf"))), 6);

    // Listed stations, whatever their state; one document.
    ASSERT_EQ(runTool(common + QStringList{QStringLiteral("--records"), QStringLiteral("5,1,5"),
                                           QStringLiteral("--docs"), QStringLiteral("return")}),
              0);
    EXPECT_EQ(pdfPages(folder.read(QStringLiteral("batch.pdf"))), 2);

    // A failure leaves the last PDF as it was: a bureau file that is not there.
    const QByteArray before = folder.read(QStringLiteral("batch.pdf"));
    EXPECT_EQ(runTool({QStringLiteral("batch"), data, QStringLiteral("--out"), out,
                       QStringLiteral("--bureau"), folder.file(QStringLiteral("none.dat")),
                       QStringLiteral("--on"), kOn}),
              1);
    EXPECT_EQ(folder.read(QStringLiteral("batch.pdf")), before);
}

struct BadInput {
    const char* name;
    QStringList args; // after the command; FILE, EMPTY, OUT and OLD stand for paths
    const char16_t* message;
};

class ToolBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(ToolBadInput, MessageAndExitOne) {
    TempFolder folder;
    const QString file = writeRegister(folder, everyState());
    const QString empty = folder.write(QStringLiteral("empty.stn"), {});
    const QString old = folder.write(QStringLiteral("old.ics"), "old");
    QStringList args;
    for (const QString& arg : GetParam().args) {
        if (arg == QLatin1String("FILE"))
            args << file;
        else if (arg == QLatin1String("EMPTY"))
            args << empty;
        else if (arg == QLatin1String("OUT"))
            args << folder.file(QStringLiteral("none/out.pdf"));
        else if (arg == QLatin1String("OLD"))
            args << old;
        else
            args << arg;
    }
    testing::internal::CaptureStderr();
    const int status = runTool(args);
    const QString message = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(message.contains(QString::fromUtf16(GetParam().message))) << qPrintable(message);
    // Nothing half-written anywhere; the old file whole.
    EXPECT_EQ(folder.read(QStringLiteral("old.ics")), "old");
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("none/out.pdf"))));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ToolBadInput,
    ::testing::Values(
        BadInput{
            "DueBadDay", {"due", "FILE", "--on", "2026-02-30"}, u"--on の日付が正しくありません"},
        BadInput{"DueEmpty", {"due", "EMPTY"}, u"局が登録されていません"},
        BadInput{"DueNoFile", {"due", "none.stn"}, u"ファイルが有りません"},
        BadInput{"BatchMissingRecords",
                 {"batch", "FILE", "--out", "OUT", "--records", "2,7,9"},
                 u"レコード 7, 9 が有りません（6 件）"},
        BadInput{"BatchBadRecords",
                 {"batch", "FILE", "--out", "OUT", "--records", "2,x"},
                 u"レコード番号が正しくありません: x"},
        BadInput{"BatchBadDocs",
                 {"batch", "FILE", "--out", "OUT", "--docs", "form,letter"},
                 u"--docs は"},
        BadInput{"BatchNobodyDue",
                 {"batch", "FILE", "--out", "OUT", "--on", "2030-01-01"},
                 u"令和12年1月1日に申請を受け付けている局はありません。"},
        BadInput{"BatchUnwritable",
                 {"batch", "FILE", "--out", "OUT", "--on", "2026-02-10"},
                 u"PDFファイルを作成できませんでした"},
        BadInput{"BatchEmpty", {"batch", "EMPTY", "--out", "OUT"}, u"局が登録されていません"},
        BadInput{"CalendarAllExpired",
                 {"calendar", "FILE", "--out", "OLD", "--on", "2031-01-01"},
                 u"令和13年1月1日に有効な免許の局がありません。"},
        BadInput{"CalendarUnwritable", {"calendar", "FILE", "--out", "OUT"}, u"書き込めません"},
        BadInput{"CalendarBadDay",
                 {"calendar", "FILE", "--out", "OLD", "--on", "x"},
                 u"--on の日付が正しくありません: x"}),
    [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

TEST(ICalendar, FoldsAt75OctetsBetweenCharactersAndEscapesText) {
    EXPECT_EQ(ics::escapeText(u"a,b;c\\d\r\ne\nf"), QStringLiteral("a\\,b\\;c\\\\d\\ne\\nf"));
    // Every offset of three-octet characters against the fold.
    for (int ascii = 0; ascii < 3; ++ascii) {
        const QString line =
            QStringLiteral("SUMMARY:") + QString(ascii, u'x') + QString(60, QChar(0x518D)); // 再
        QByteArray out;
        ics::appendLine(out, line);
        ASSERT_TRUE(out.endsWith("\r\n"));
        QByteArray unfolded;
        const QList<QByteArray> physical = out.chopped(2).split('\n');
        for (qsizetype i = 0; i < physical.size(); ++i) {
            QByteArray piece = physical[i];
            if (piece.endsWith('\r'))
                piece.chop(1);
            EXPECT_LE(piece.size(), 75);
            if (i > 0) {
                ASSERT_TRUE(piece.startsWith(' '));
                piece.remove(0, 1);
            }
            // Each piece is whole UTF-8 on its own.
            EXPECT_EQ(QString::fromUtf8(piece).toUtf8(), piece);
            unfolded += piece;
        }
        EXPECT_EQ(QString::fromUtf8(unfolded), line);
    }
}

TEST(Calendar, ReadBackByPythonIcalendarWithStableUids) {
    TempFolder folder;
    const QString data = writeRegister(folder, everyState());
    const QString out = folder.file(QStringLiteral("renewals.ics"));
    ASSERT_EQ(runTool({QStringLiteral("calendar"), data, QStringLiteral("--out"), out,
                       QStringLiteral("--on"), kOn}),
              0);

    // Debian's interpreter, which python3-icalendar serves.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(VELMORA_SOURCE_DIR "/tests/tool/read_ics.py"), out});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    std::vector<QJsonObject> events;
    for (const QByteArray& line : python.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            events.push_back(QJsonDocument::fromJson(line).object());
    }
    // Missed, closing, open and upcoming: an opening and a closing each; the expired station
    // and the one without a window have none.
    ASSERT_EQ(events.size(), 8u);
    const QJsonObject& opens = events[2];
    const QJsonObject& closes = events[3];
    EXPECT_EQ(opens.value(QStringLiteral("summary")).toString(),
              QStringLiteral("再免許申請 受付開始 ＪＡ３ＣＣＣ（関第3号）"));
    EXPECT_EQ(opens.value(QStringLiteral("start")).toString(), QStringLiteral("2025-09-16"));
    EXPECT_EQ(opens.value(QStringLiteral("end")).toString(), QStringLiteral("2025-09-17"));
    EXPECT_TRUE(opens.value(QStringLiteral("alarm")).isNull());
    EXPECT_EQ(closes.value(QStringLiteral("summary")).toString(),
              QStringLiteral("再免許申請 締切 ＪＡ３ＣＣＣ（関第3号）"));
    EXPECT_EQ(closes.value(QStringLiteral("start")).toString(), QStringLiteral("2026-02-15"));
    EXPECT_EQ(
        closes.value(QStringLiteral("description")).toString(),
        QStringLiteral("免許の有効期限 令和8年3月15日\n申請の受付 令和7年9月16日～令和8年2月15日"));
    // 9:00 seven days before the closing day.
    EXPECT_EQ(closes.value(QStringLiteral("alarm")).toDouble(), -(7 * 24 - 9) * 3600.0);

    // The same stations typed otherwise keep their UIDs; a renewed licence gets new ones.
    const auto uids = [](const std::vector<StationRecord>& records) {
        const QString text = QString::fromUtf8(
            tool::renewalCalendar(records, QDate(2026, 2, 10), QDateTime::currentDateTimeUtc()));
        QStringList found;
        static const QRegularExpression uid(QStringLiteral("UID:(\\S+)"));
        for (auto it = uid.globalMatch(text); it.hasNext();)
            found << it.next().captured(1);
        return found;
    };
    std::vector<StationRecord> records = everyState();
    const QStringList before = uids(records);
    QStringList read;
    for (const QJsonObject& event : events)
        read << event.value(QStringLiteral("uid")).toString();
    QStringList written = before;
    read.sort();
    written.sort();
    EXPECT_EQ(read, written);
    records[0].set(Field::CallSign, u"ja4ddd");
    records[0].set(Field::LicenceNo, u"関第５号");
    EXPECT_EQ(uids(records), before);
    records[0].setExpiry(QDate(2031, 5, 31));
    EXPECT_NE(uids(records), before);
}
