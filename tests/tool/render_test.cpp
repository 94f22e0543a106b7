#include "print/core/bureaufile.h"
#include "print/core/printfill.h"
#include "tool/render.h"
#include "toolrun.h"

#include <QImage>

namespace {

const QString kBureauFile = QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName();

tool::ParsedRender parse(const QString& args) {
    return tool::parseRenderOptions(args.split(u' ', Qt::SkipEmptyParts));
}

} // namespace

TEST(Render, ReadsItsOptionsAndRefusesBadOnes) {
    const tool::RenderOptions o =
        parse(u"a.stn --record 3 --doc bureau --out x.PDF --date 令和8年2月10日 --prepay 5 "
              u"--disposal --registered-mail --no-club --settings t.ini --bureau b.dat "
              u"--paper naga3 --dpi 300"_qs)
            .options;
    EXPECT_EQ(QStringList({o.dataFile, o.settingsFile, o.bureauFile, o.prepayYears}),
              QStringList({"a.stn", "t.ini", "b.dat", "5"}));
    EXPECT_EQ(std::vector<int>({o.record, o.document, o.prepayAnswer, o.prepayPeriod, o.dpi}),
              std::vector<int>({3, printfill::BureauEnvelope, 1, 1, 300}));
    EXPECT_TRUE(o.pdf && o.disposal && o.registeredMail && o.envelopePaper && !*o.club);
    EXPECT_EQ(o.date, QDate(2026, 2, 10));

    const QString base = u"a.stn --record 1 --doc form --out x.png "_qs;
    EXPECT_TRUE(parse(base).result.ok);
    for (const QString& bad :
         {u"--record 0"_qs, u"--record x"_qs, u"--doc letter"_qs, u"--date 令和7年2月30日"_qs,
          u"--prepay -3"_qs, u"--paper b5"_qs, u"--dpi 5000"_qs, u"--colour"_qs, u"b.stn"_qs,
          u"--date"_qs, u"--out x.jpg"_qs}) {
        const tool::ParsedRender parsed = parse(base + bad);
        EXPECT_FALSE(parsed.result.ok || parsed.result.error.isEmpty()) << qPrintable(bad);
    }
}

TEST(Render, FillsThePageAsTheDialogWouldForRecordNInTheProgramsOrder) {
    tool::RenderOptions o;
    o.dataFile = kSampleRegister;
    o.bureauFile = kBureauFile;
    o.record = 6;
    o.date = QDate(2026, 2, 1);
    o.prepayAnswer = o.prepayPeriod = 1;
    o.prepayYears = u"3"_qs;
    o.disposal = true;
    const tool::RenderJob job = tool::prepareRender(o, QDate(2026, 2, 10));
    const PrintData& p = job.print;
    EXPECT_EQ(p.PrintCallSign, u"ＪＡ３ＧＨＩ"_qs);
    EXPECT_EQ(p.PrintDest, u"近畿総合通信局長　殿"_qs);
    EXPECT_EQ(p.PrintAppDate, u"令和8年02月01日"_qs);
    EXPECT_EQ(std::vector<int>({p.PrintDateFlag, p.PrepayAnswer, p.PrepayPeriod, p.DisposalHistory,
                                p.RegisteredMail, p.PrintClubFlag}),
              std::vector<int>({1, 1, 1, 1, 0, 1})); // a club station
    o.club = false;
    EXPECT_EQ(tool::prepareRender(o, QDate(2026, 2, 10)).print.PrintClubFlag, 0);
    o.settingsFile = u"none.ini"_qs;
    EXPECT_FALSE(tool::prepareRender(o, QDate(2026, 2, 10)).result.ok);
    o.settingsFile.clear();

    o.record = 10;
    EXPECT_TRUE(tool::prepareRender(o, QDate(2026, 2, 10)).result.error.contains(u"10"_qs));
    o.record = 1;
    o.bureauFile = u"none.dat"_qs;
    EXPECT_TRUE(tool::prepareRender(o, QDate(2026, 2, 10)).result.error.contains(u"--bureau"_qs));
    o.document = printfill::ReturnEnvelope; // needs no bureau file
    EXPECT_TRUE(tool::prepareRender(o, QDate(2026, 2, 10)).result.ok);
}

TEST(Render, WritesOnePagePdfOrPngThroughTheCommandLine) {
    TempFolder folder;
    const auto run = [&](const QString& args) {
        const QStringList common{u"render"_qs, kSampleRegister, u"--record"_qs,
                                 u"2"_qs,      u"--bureau"_qs,  kBureauFile};
        return runTool(common + args.arg(folder.path()).split(u' ')).status;
    };
    ASSERT_EQ(run(u"--doc bureau --out %1/bureau.pdf"_qs), 0);
    EXPECT_EQ(pdfPages(folder.read(u"bureau.pdf"_qs)), 1);
    ASSERT_EQ(run(u"--doc form --out %1/form.png --dpi 100"_qs), 0);
    EXPECT_EQ(QImage(folder.file(u"form.png"_qs)).size(), QSize(827, 1169));
    ASSERT_EQ(run(u"--doc return --out %1/return.png --paper naga3"_qs), 0);
    const QImage envelope(folder.file(u"return.png"_qs));
    EXPECT_EQ(envelope.size(), QSize(1388, 709));
    QImage blank(envelope.size(), envelope.format());
    blank.fill(Qt::white);
    EXPECT_NE(envelope, blank);
    EXPECT_EQ(run(u"--doc letter --out %1/x.pdf"_qs), 2);
    EXPECT_EQ(run(u"--doc form --out %1/missing/x.pdf"_qs), 1);
    EXPECT_EQ(run(u"--doc form --out %1/missing/x.png"_qs), 1);

    // A drawing that fails (offsets no settings file can hold) leaves no file behind.
    tool::RenderOptions o =
        parse(kSampleRegister + u" --record 1 --doc form --out "_qs + folder.file(u"o.pdf"_qs))
            .options;
    o.bureauFile = kBureauFile;
    tool::RenderJob job = tool::prepareRender(o, QDate(2026, 2, 10));
    job.settings.YohakuTop = 300000000;
    EXPECT_FALSE(tool::writeRender(o, job).ok);
    EXPECT_FALSE(QFile::exists(o.out));
}
