#include "print/core/bureaufile.h"
#include "print/core/printfill.h"
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "support/tempfolder.h"
#include "tool/commands.h"
#include "tool/render.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kBureauFile = QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName();
const QDate kToday(2026, 2, 10);

// Nine stations; sorted by expiry, equal days in file order: ＪＡ７ＳＴＵ ＪＡ６ＰＱＲ
// ＪＡ９ＤＤＤ ＪＡ５ＭＮＯ ＪＡ４ＪＫＬ ＪＡ３ＧＨＩ (a club) ＪＲ６ＸＹＺ ＪＡ１ＡＢＣ
// ＪＡ８ＶＷＸ.
const QString kRegister = QStringLiteral(VELMORA_TEST_DATA "/sample-register.stn");

tool::ParsedRender parse(const QString& args) {
    return tool::parseRenderOptions(args.split(u' ', Qt::SkipEmptyParts));
}

TEST(Render, ReadsItsOptions) {
    const tool::ParsedRender all = parse(QStringLiteral(
        u"a.stn --record 3 --doc bureau --out x.PDF --date 令和8年2月10日 --prepay 5 "
        u"--disposal --registered-mail --no-club --settings t.ini --bureau b.dat "
        u"--paper naga3 --dpi 300"));
    ASSERT_TRUE(all.result.ok) << qPrintable(all.result.error);
    const tool::RenderOptions& o = all.options;
    EXPECT_EQ(QStringList({o.dataFile, o.settingsFile, o.bureauFile, o.prepayYears}),
              QStringList({"a.stn", "t.ini", "b.dat", "5"}));
    EXPECT_EQ(std::vector<int>({o.record, o.document, o.prepayAnswer, o.prepayPeriod, o.dpi}),
              std::vector<int>({3, printfill::BureauEnvelope, 1, 1, 300}));
    EXPECT_TRUE(o.pdf && o.disposal && o.registeredMail && o.envelopePaper);
    EXPECT_EQ(o.date, QDate(2026, 2, 10));
    EXPECT_EQ(o.club, false);

    const QString base = QStringLiteral("a.stn --record 1 --doc form --out x.png ");
    const tool::RenderOptions plain = parse(base).options;
    EXPECT_FALSE(plain.pdf || plain.envelopePaper || plain.date || plain.club);
    EXPECT_EQ(plain.prepayAnswer, 0);
    EXPECT_EQ(parse(base + QStringLiteral("--date 2019-05-01")).options.date, QDate(2019, 5, 1));
    const tool::RenderOptions period = parse(base + QStringLiteral("--prepay period")).options;
    EXPECT_TRUE(period.prepayAnswer == 1 && period.prepayPeriod == 0);

    // What is refused, each with its reason.
    for (const QString& args :
         {QStringLiteral("a.stn --record 1 --doc form --out x.jpg"),
          QStringLiteral("--record 1 --doc form --out x.pdf"),
          QStringLiteral("a.stn --doc form --out x.pdf"),
          QStringLiteral("a.stn --record 1 --out x.pdf"), base + QStringLiteral("--record 0"),
          base + QStringLiteral("--record x"), base + QStringLiteral("--doc letter"),
          base + QStringLiteral(u"--date 令和7年2月30日"),
          base + QStringLiteral("--date 1850-01-01"), base + QStringLiteral("--prepay -3"),
          base + QStringLiteral("--paper b5"), base + QStringLiteral("--dpi 5000"),
          base + QStringLiteral("--colour"), base + QStringLiteral("b.stn"),
          base + QStringLiteral("--date")}) {
        const tool::ParsedRender parsed = parse(args);
        EXPECT_FALSE(parsed.result.ok || parsed.result.error.isEmpty()) << qPrintable(args);
    }
    EXPECT_FALSE(
        tool::parseRenderOptions((base + QStringLiteral("--prepay")).split(u' ', Qt::SkipEmptyParts)
                                 << QString())
            .result.ok);
}

TEST(Render, FillsThePrintDataAsTheDialogWouldForTheRecordInTheProgramsOrder) {
    TempFolder folder;
    tool::RenderOptions o;
    o.dataFile = kRegister;
    o.bureauFile = kBureauFile;
    QStringList order;
    for (o.record = 1; o.record <= 9; ++o.record)
        order << tool::prepareRender(o, kToday).print.PrintCallSign;
    EXPECT_EQ(order.join(u' '),
              QStringLiteral(u"ＪＡ７ＳＴＵ ＪＡ６ＰＱＲ ＪＡ９ＤＤＤ ＪＡ５ＭＮＯ "
                             u"ＪＡ４ＪＫＬ ＪＡ３ＧＨＩ ＪＲ６ＸＹＺ ＪＡ１ＡＢＣ "
                             u"ＪＡ８ＶＷＸ"));
    o.record = 6;
    tool::RenderJob job = tool::prepareRender(o, kToday);
    ASSERT_TRUE(job.result.ok) << qPrintable(job.result.error);
    EXPECT_EQ(job.print.PrintDest, QStringLiteral(u"近畿総合通信局長　殿"));
    EXPECT_EQ(job.bureau.AreaZip, QStringLiteral(u"〒540-8795"));
    EXPECT_TRUE(job.print.PrintClubFlag == 1 && job.print.PrintDateFlag == 0);

    o.date = QDate(2026, 2, 1);
    o.prepayAnswer = o.prepayPeriod = 1;
    o.prepayYears = QStringLiteral("3");
    o.disposal = o.registeredMail = true;
    o.club = false;
    job = tool::prepareRender(o, kToday);
    const PrintData& p = job.print;
    EXPECT_EQ(p.PrintAppDate, QStringLiteral(u"令和8年02月01日"));
    EXPECT_EQ(p.PrepayYears, QStringLiteral("3"));
    EXPECT_EQ(std::vector<int>({p.PrintDateFlag, p.PrepayAnswer, p.PrepayPeriod, p.DisposalHistory,
                                p.RegisteredMail, p.PrintClubFlag}),
              std::vector<int>({1, 1, 1, 1, 1, 0}));

    // Okinawa's call sign; --club; envelopes on their own paper, the form always on A4.
    o.record = 7;
    o.club = true;
    o.envelopePaper = true;
    job = tool::prepareRender(o, kToday);
    EXPECT_EQ(job.print.PrintDest, QStringLiteral(u"沖縄総合通信事務所長　殿"));
    EXPECT_EQ(job.print.PrintClubFlag, 1);
    EXPECT_EQ(job.pageTwips, QSizeF(11906, 16838));
    o.document = printfill::ReturnEnvelope;
    EXPECT_EQ(tool::prepareRender(o, kToday).pageTwips, QSizeF(13323, 6803));

    SettingsValues settings;
    settings.YohakuTop = 5;
    o.settingsFile = folder.file(QStringLiteral("tessaly.ini"));
    ASSERT_TRUE(settingsfile::WriteSettings(o.settingsFile, settings));
    EXPECT_EQ(tool::prepareRender(o, kToday).settings.YohakuTop, 5);
}

TEST(Render, ReportsWhatIsMissing) {
    TempFolder folder;
    tool::RenderOptions o;
    o.dataFile = kRegister;
    o.record = 10;
    EXPECT_TRUE(tool::prepareRender(o, kToday).result.error.contains(QStringLiteral("10")));
    // Without --bureau: the file beside an installed program, or the project's own when the
    // program runs from the build folder (as this test does).
    o.record = 1;
    EXPECT_EQ(tool::defaultBureauFile(folder.path()), folder.file(bureaufile::fileName()));
    EXPECT_EQ(QFileInfo(tool::defaultBureauFile(QCoreApplication::applicationDirPath())),
              QFileInfo(kBureauFile));
    EXPECT_TRUE(tool::prepareRender(o, kToday).result.ok);
    o.bureauFile = folder.file(QStringLiteral("none.dat"));
    const QString error = tool::prepareRender(o, kToday).result.error;
    EXPECT_TRUE(error.startsWith(bureaufile::missingMessage()) && error.contains("--bureau"));
    o.document = printfill::ReturnEnvelope; // needs no bureau file
    EXPECT_TRUE(tool::prepareRender(o, kToday).result.ok);
    o.settingsFile = folder.file(QStringLiteral("none.ini"));
    EXPECT_FALSE(tool::prepareRender(o, kToday).result.ok);
    o.settingsFile.clear();
    o.dataFile = folder.file(QStringLiteral("none.stn"));
    EXPECT_FALSE(tool::prepareRender(o, kToday).result.ok);
}

TEST(Render, WritesOnePagePdfOrPngThroughTheCommandLine) {
    TempFolder folder;
    const QString data = kRegister;
    const auto run = [&](const QString& args) {
        return tool::run(
            QStringList{"velmora-tool", "render", data, "--record", "2", "--bureau", kBureauFile} +
            args.arg(folder.path()).split(u' '));
    };
    ASSERT_EQ(run(QStringLiteral("--doc bureau --out %1/bureau.pdf")), 0);
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    EXPECT_EQ(QString::fromLatin1(folder.read(QStringLiteral("bureau.pdf"))).count(page), 1);
    ASSERT_EQ(run(QStringLiteral("--doc form --out %1/form.png --dpi 100")), 0);
    EXPECT_EQ(QImage(folder.file(QStringLiteral("form.png"))).size(), QSize(827, 1169));
    ASSERT_EQ(run(QStringLiteral("--doc return --out %1/return.png --paper naga3")), 0);
    const QImage envelope(folder.file(QStringLiteral("return.png")));
    EXPECT_EQ(envelope.size(), QSize(1388, 709));
    QImage blank(envelope.size(), envelope.format());
    blank.fill(Qt::white);
    EXPECT_NE(envelope, blank);

    EXPECT_EQ(run(QStringLiteral("--doc letter --out %1/x.pdf")), 2);
    EXPECT_EQ(run(QStringLiteral("--doc form --out %1/missing/x.pdf")), 1);
    EXPECT_EQ(run(QStringLiteral("--doc form --out %1/missing/x.png")), 1);
    // Offsets that overflow the page arithmetic (no settings file can hold them) fail and
    // leave no file behind.
    tool::RenderOptions o =
        parse(data + QStringLiteral(" --record 1 --doc form --out %1/o.pdf").arg(folder.path()))
            .options;
    o.bureauFile = kBureauFile;
    tool::RenderJob job = tool::prepareRender(o, kToday);
    job.settings.YohakuTop = 300000000;
    EXPECT_FALSE(tool::writeRender(o, job).ok);
    EXPECT_FALSE(QFile::exists(o.out));
}

} // namespace
