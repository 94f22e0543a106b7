#include "print/core/printfill.h"
#include "tool/printanswers.h"
#include "tool/render.h"
#include "toolrun.h"

#include <QImage>

namespace {

// Record 6 in the program's order is ＪＡ３ＧＨＩ, a club station in Osaka.
tool::RenderJob prepare(const QString& options) {
    const QString line = kSampleRegister + u" --record 6 --doc bureau --out x.pdf --bureau "_qs +
                         kBureauFile + u' ' + options;
    const tool::ParsedRender parsed =
        tool::parseRenderOptions(line.split(u' ', Qt::SkipEmptyParts));
    EXPECT_TRUE(parsed.result.ok) << qPrintable(parsed.result.error);
    return tool::prepareRender(parsed.options, QDate(2026, 2, 10));
}

} // namespace

TEST(Render, FillsThePageFromItsOptionsAsTheDialogWould) {
    const PrintData p = prepare(u"--date 令和8年2月1日 --prepay 3 --disposal"_qs).print;
    EXPECT_EQ(QStringList({p.PrintCallSign, p.PrintDest, p.PrintAppDate, p.PrepayYears}),
              QStringList({u"ＪＡ３ＧＨＩ"_qs, u"近畿総合通信局長　殿"_qs, u"令和8年02月01日"_qs,
                           u"3"_qs}));
    EXPECT_EQ(std::vector<int>({p.PrintDateFlag, p.PrepayAnswer, p.PrepayPeriod, p.DisposalHistory,
                                p.RegisteredMail, p.PrintClubFlag}),
              std::vector<int>({1, 1, 1, 1, 0, 1}));
    const PrintData q = prepare(u"--prepay period --registered-mail --no-club"_qs).print;
    EXPECT_EQ(std::vector<int>({q.PrintDateFlag, q.PrepayAnswer, q.PrepayPeriod, q.DisposalHistory,
                                q.RegisteredMail, q.PrintClubFlag}),
              std::vector<int>({0, 1, 0, 0, 1, 0}));

    EXPECT_TRUE(prepare(u"--record 10"_qs).result.error.contains(u"10"_qs));
    EXPECT_FALSE(prepare(u"--settings none.ini"_qs).result.ok);
    EXPECT_TRUE(prepare(u"--bureau none.dat"_qs).result.error.contains(u"--bureau"_qs));
    EXPECT_TRUE(prepare(u"--bureau none.dat --doc return"_qs).result.ok); // needs no bureau
}

TEST(Render, RefusesBadOptions) {
    const QString base = u"a.stn --record 1 --doc form --out x.png "_qs;
    ASSERT_TRUE(tool::parseRenderOptions(base.split(u' ', Qt::SkipEmptyParts)).result.ok);
    for (const QString& bad :
         {u"--record 0"_qs, u"--doc letter"_qs, u"--date 令和7年2月30日"_qs, u"--prepay -3"_qs,
          u"--dpi 5000"_qs, u"b.stn"_qs, u"--date"_qs, u"--out x.jpg"_qs}) {
        const tool::ParsedRender parsed =
            tool::parseRenderOptions((base + bad).split(u' ', Qt::SkipEmptyParts));
        EXPECT_FALSE(parsed.result.ok || parsed.result.error.isEmpty()) << qPrintable(bad);
    }
}

TEST(Render, WritesOnePagePdfOrPngThroughTheCommandLine) {
    TempFolder folder;
    const auto run = [&](const QString& args) {
        const QString line = u"render %1 --record 2 --bureau %2 "_qs + args;
        return runTool(line.arg(kSampleRegister, kBureauFile, folder.path())).status;
    };
    ASSERT_EQ(run(u"--doc bureau --out %3/bureau.pdf"_qs), 0);
    EXPECT_EQ(pdfPages(folder.read(u"bureau.pdf"_qs)), 1);
    ASSERT_EQ(run(u"--doc form --out %3/form.png --dpi 100"_qs), 0);
    EXPECT_EQ(QImage(folder.file(u"form.png"_qs)).size(), QSize(827, 1169));
    ASSERT_EQ(run(u"--doc return --out %3/return.png --paper naga3"_qs), 0);
    const QImage envelope(folder.file(u"return.png"_qs));
    EXPECT_EQ(envelope.size(), QSize(1388, 709));
    EXPECT_FALSE(isPlain(envelope, Qt::white));
    EXPECT_EQ(run(u"--doc form --out %3/missing/x.pdf"_qs), 1);
    // Without --bureau a tool in the build folder reads the project's own bureau file; an
    // installed one reads only the file beside it.
    const QString own = u"render %1 --record 2 --doc bureau --out %2/own.pdf"_qs;
    ASSERT_EQ(runTool(own.arg(kSampleRegister, folder.path())).status, 0);
    EXPECT_EQ(tool::defaultBureauFile(folder.path()), folder.file(bureaufile::fileName()));

    // A drawing that fails (offsets no settings file can hold) leaves no file behind.
    tool::RenderJob job = prepare({});
    job.settings.formOffsetAcross = 300000000;
    tool::RenderOptions o;
    o.out = folder.file(u"o.pdf"_qs);
    EXPECT_FALSE(tool::writeRender(o, job).ok);
    EXPECT_FALSE(QFile::exists(o.out));
}
