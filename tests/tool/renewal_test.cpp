// velmora-tool due, batch and calendar. Which state a station is in is the renewal window's
// business and is tested with it; here each command's output once.
#include "record/datafile.h"
#include "tool/calendar.h"
#include "tool/icalendar.h"
#include "toolrun.h"

#include <QProcess>
#include <QSet>

TEST(Due, TableAndJsonLines) {
    const QString table =
        QString::fromUtf8(runTool(u"due %1 --on 2026-02-10"_qs.arg(kSampleRegister)).out);
    EXPECT_TRUE(table.startsWith(
        u"番号  コールサイン  免許番号      有効期限    受付開始    受付締切    状態\n"
        u"   1  ＪＡ７ＳＴＵ  東北第2468号  2026-01-21  2025-07-22  2025-12-21  期限切れ\n"_qs));
    EXPECT_TRUE(table.endsWith(
        u"\n   9  ＪＡ８ＶＷＸ  北海第3690号  2028-07-29  2028-01-30  2028-06-29  受付前\n"
        u"令和8年2月10日現在　申請受付中 3局（締切14日以内 1局・最も近い締切 令和8年2月22日）"
        u"　締切超過 2局\n"_qs));

    // A station without an expiry has no window.
    const QByteArray json = runTool(u"due " VELMORA_TEST_DATA "/two-stations.stn --json"_qs).out;
    EXPECT_TRUE(json.endsWith(
        "\n{\"CallSign\":\"ＪＲ６ＸＹＺ\",\"Closes\":null,\"ExpiryDate\":null,"
        "\"LicenceNo\":\"沖第1号\",\"Opens\":null,\"Record\":2,\"State\":\"none\"}\n"));
}

TEST(Batch, PrintsTheOpenWindowsOrTheListedStationsAsOnePdf) {
    TempFolder folder;
    const auto batch = [&](const QString& more) {
        const QString line = u"batch %1 --out %2 --on 2026-02-10 "_qs + more;
        return runTool(line.arg(kSampleRegister, folder.file(u"b.pdf"_qs))).status;
    };
    // Stations 4 to 6 are open: three documents each.
    ASSERT_EQ(batch(u"--bureau "_qs + kBureauFile), 0);
    EXPECT_EQ(pdfPages(folder.read(u"b.pdf"_qs)), 9);
    // Picked on one day, dated another: a note for each station whose window misses the date.
    const ToolRun dated =
        runTool(u"batch %1 --out %2 --on 2026-02-10 --date R8.3.1 --docs return"_qs.arg(
            kSampleRegister, folder.file(u"b.pdf"_qs)));
    EXPECT_EQ(dated.status, 0);
    EXPECT_EQ(dated.err.count(u"注意"_qs), 1);
    EXPECT_TRUE(dated.err.contains(
        u"注意: ＪＡ５ＭＮＯ（4番） 申請期間外です（受付 令和7年9月23日～令和8年2月22日）"_qs))
        << qPrintable(dated.err);
    // Listed stations, whatever their state, each once; one document.
    ASSERT_EQ(batch(u"--records 7,1,7 --docs return"_qs), 0);
    const QByteArray before = folder.read(u"b.pdf"_qs);
    EXPECT_EQ(pdfPages(before), 2);
    // A failure leaves the last PDF as it was.
    EXPECT_EQ(batch(u"--bureau "_qs + folder.file(u"x.dat"_qs)), 1);
    EXPECT_EQ(folder.read(u"b.pdf"_qs), before);
}

// The message and exit status 1; nothing half-written, an old file whole.
TEST(Tool, RefusesBadInputWithAMessage) {
    TempFolder folder;
    const QString old = folder.write(u"old.ics"_qs, "old");
    const QString none = folder.file(u"none/out.pdf"_qs);
    const QList<QPair<QString, QString>> cases = {
        {u"due FILE --on 2026-02-30"_qs, u"--on の日付が正しくありません: 2026-02-30"_qs},
        {u"batch FILE --out OUT --records 2,10,12"_qs, u"レコード 10, 12 が有りません（9 件）"_qs},
        {u"calendar FILE --out OLD --on 2031-01-01"_qs,
         u"令和13年1月1日に有効な免許の局がありません。"_qs},
        {u"batch FILE --out OUT --on 2026-02-10"_qs, u"PDFファイルを作成できませんでした"_qs},
        {u"calendar FILE --out OUT"_qs, u"書き込めません"_qs},
    };
    for (const auto& [line, message] : cases) {
        const ToolRun run = runTool(QString(line)
                                        .replace(u"FILE"_qs, kSampleRegister)
                                        .replace(u"OUT"_qs, none)
                                        .replace(u"OLD"_qs, old));
        EXPECT_EQ(run.status, 1) << qPrintable(line);
        EXPECT_TRUE(run.err.contains(message)) << qPrintable(run.err);
    }
    EXPECT_EQ(folder.read(u"old.ics"_qs), "old");
    EXPECT_FALSE(QFile::exists(none));
}

TEST(ICalendar, FoldsAt75OctetsBetweenCharactersAndEscapesText) {
    EXPECT_EQ(ics::escapeText(u"a,b;c\\d\r\ne\nf"), u"a\\,b\\;c\\\\d\\ne\\nf"_qs);
    // Every offset of three-octet characters against the fold; a piece cut inside a character
    // would not read back.
    for (int ascii = 0; ascii < 3; ++ascii) {
        const QString line = u"SUMMARY:"_qs + QString(ascii, u'x') + QString(60, u'再');
        QByteArray out;
        ics::appendLine(out, line);
        const QList<QByteArray> pieces = out.split('\n'); // and an empty one after the last
        QString unfolded;
        for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
            EXPECT_TRUE(pieces[i].endsWith('\r') && pieces[i].size() <= 76 &&
                        pieces[i].startsWith(' ') == (i > 0));
            unfolded += QString::fromUtf8(pieces[i].mid(i > 0 ? 1 : 0).chopped(1));
        }
        EXPECT_EQ(unfolded, line);
    }
}

TEST(Calendar, ReadBackByPythonIcalendarWithStableUids) {
    TempFolder folder;
    const QString out = folder.file(u"renewals.ics"_qs);
    ASSERT_EQ(runTool(u"calendar %1 --out %2 --on 2026-02-10"_qs.arg(kSampleRegister, out)).status,
              0);
    // Debian's interpreter, which python3-icalendar serves.
    QProcess python;
    python.start(u"/usr/bin/python3"_qs, {VELMORA_SOURCE_DIR "/tests/tool/read_ics.py", out});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QString events = QString::fromUtf8(python.readAllStandardOutput());
    EXPECT_EQ(events.count(u'\n'), 24); // three for each of the eight licences still valid
    const QString station =
        u"ＪＡ５ＭＮＯ（四第6789号）\", \"description\": \"免許の有効期限 令和8年3月22日"
        u"\\n申請の受付 令和7年9月23日～令和8年2月22日\", "_qs;
    // The alarm at 9:00 a week before the closing day.
    EXPECT_TRUE(events.contains(
        u"締切 "_qs + station +
        u"\"start\": \"2026-02-22\", \"end\": \"2026-02-23\", \"alarm\": -572400.0}"_qs));

    // One station typed three ways, held with three expiries: one set of events, for the latest
    // expiry, with UIDs unique in the file and kept through typing and renewal.
    const auto calendarOf = [](const std::vector<StationRecord>& records) {
        return QString::fromUtf8(
            tool::renewalCalendar(records, QDate(2026, 2, 10), QDateTime::currentDateTimeUtc()));
    };
    const auto uidsOf = [](const QString& text) {
        QStringList uids = text.split(u"\r\n"_qs).filter(u"UID:"_qs);
        uids.sort();
        return uids;
    };
    std::vector<StationRecord> records = datafile::readFile(kSampleRegister).records;
    const QStringList before = uidsOf(calendarOf(records));
    ASSERT_EQ(QSet<QString>(before.begin(), before.end()).size(), 24);
    const StationRecord original = records[0]; // ＪＡ１ＡＢＣ 関第1234号
    for (const auto& [callSign, expiry] :
         {std::pair{u"JA1ABC", QDate(2027, 3, 17)}, std::pair{u"ja1abc", QDate(2026, 1, 1)},
          std::pair{u"ＪＡ１ＡＢＣ", QDate(2032, 3, 17)}}) {
        records.push_back(original);
        records.back().set(Field::CallSign, callSign);
        records.back().setExpiry(expiry);
    }
    const QString text = calendarOf(records);
    EXPECT_EQ(uidsOf(text), before);
    EXPECT_TRUE(text.contains(u"DTSTART;VALUE=DATE:20320317"_qs));
    EXPECT_FALSE(text.contains(u"DTSTART;VALUE=DATE:20270317"_qs));
}
