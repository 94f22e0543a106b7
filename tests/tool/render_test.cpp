#include "print/core/bureaufile.h"
#include "print/core/printfill.h"
#include "record/datafile.h"
#include "record/eradate.h"
#include "record/settingsfile.h"
#include "support/tempfolder.h"
#include "tool/commands.h"
#include "tool/render.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kBureauFile = QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName();
const QDate kToday(2026, 2, 10);

StationRecord station(const QString& callSign, QDate expiry, const QString& club = {}) {
    StationRecord r;
    r.set(Field::CallSign, callSign);
    r.set(Field::LicenceNo, QStringLiteral(u"関第１２３４５号"));
    r.setExpiry(expiry);
    r.set(Field::ClubName, club);
    r.set(Field::ApplicantZip, QStringLiteral("100-0013"));
    r.set(Field::ApplicantAddr1, QStringLiteral(u"東京都千代田区霞が関１－２－３"));
    r.set(Field::ApplicantName, QStringLiteral(u"山田　太郎"));
    return r;
}

// A register whose file order differs from its sorted order.
QString writeRegister(const TempFolder& folder) {
    const QString path = folder.file(QStringLiteral("register.stn"));
    const std::vector<StationRecord> records{
        station(QStringLiteral(u"ＪＡ１ＡＡＡ"), QDate(2027, 4, 30)),
        station(QStringLiteral(u"ＪＡ３ＢＢＢ"), QDate(2025, 12, 31), QStringLiteral(u"クラブ")),
        station(QStringLiteral(u"ＪＲ６ＣＣＣ"), QDate(2026, 6, 1)),
        station(QStringLiteral(u"ＪＡ８ＤＤＤ"), QDate(2025, 12, 31)),
    };
    EXPECT_TRUE(datafile::writeFile(path, records));
    return path;
}

tool::RenderOptions parse(const QStringList& args) {
    const tool::ParsedRender parsed = tool::parseRenderOptions(args);
    EXPECT_TRUE(parsed.result.ok) << qPrintable(parsed.result.error);
    return parsed.options;
}

QString parseError(const QStringList& args) {
    const tool::ParsedRender parsed = tool::parseRenderOptions(args);
    EXPECT_FALSE(parsed.result.ok) << qPrintable(args.join(u' '));
    return parsed.result.error;
}

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

TEST(Render, ReadsItsOptions) {
    const tool::RenderOptions o = parse({QStringLiteral("a.stn"),
                                         QStringLiteral("--record"),
                                         QStringLiteral("3"),
                                         QStringLiteral("--doc"),
                                         QStringLiteral("bureau"),
                                         QStringLiteral("--out"),
                                         QStringLiteral("x.PDF"),
                                         QStringLiteral("--date"),
                                         QStringLiteral(u"令和8年2月10日"),
                                         QStringLiteral("--prepay"),
                                         QStringLiteral("5"),
                                         QStringLiteral("--disposal"),
                                         QStringLiteral("--registered-mail"),
                                         QStringLiteral("--no-club"),
                                         QStringLiteral("--settings"),
                                         QStringLiteral("t.ini"),
                                         QStringLiteral("--bureau"),
                                         QStringLiteral("b.dat"),
                                         QStringLiteral("--paper"),
                                         QStringLiteral("naga3")});
    EXPECT_EQ(o.dataFile, QStringLiteral("a.stn"));
    EXPECT_EQ(o.record, 3);
    EXPECT_EQ(o.document, 1);
    EXPECT_TRUE(o.pdf);
    EXPECT_EQ(o.date, QDate(2026, 2, 10));
    EXPECT_EQ(o.prepayAnswer, 1);
    EXPECT_EQ(o.prepayPeriod, 1);
    EXPECT_EQ(o.prepayYears, QStringLiteral("5"));
    EXPECT_TRUE(o.disposal);
    EXPECT_TRUE(o.registeredMail);
    EXPECT_EQ(o.club, false);
    EXPECT_EQ(o.settingsFile, QStringLiteral("t.ini"));
    EXPECT_EQ(o.bureauFile, QStringLiteral("b.dat"));
    EXPECT_TRUE(o.envelopePaper);

    const QStringList base{QStringLiteral("a.stn"), QStringLiteral("--record"),
                           QStringLiteral("1"),     QStringLiteral("--doc"),
                           QStringLiteral("form"),  QStringLiteral("--out"),
                           QStringLiteral("x.png")};
    const tool::RenderOptions plain = parse(base);
    EXPECT_FALSE(plain.pdf);
    EXPECT_EQ(plain.date, std::nullopt);
    EXPECT_EQ(plain.prepayAnswer, 0);
    EXPECT_EQ(plain.club, std::nullopt);
    EXPECT_EQ(
        parse(base + QStringList{QStringLiteral("--date"), QStringLiteral("2019-05-01")}).date,
        QDate(2019, 5, 1));
    const tool::RenderOptions period =
        parse(base + QStringList{QStringLiteral("--prepay"), QStringLiteral("period")});
    EXPECT_EQ(period.prepayAnswer, 1);
    EXPECT_EQ(period.prepayPeriod, 0);

    // What is refused.
    EXPECT_FALSE(
        parseError(base.mid(0, 5) + QStringList{QStringLiteral("--out"), QStringLiteral("x.jpg")})
            .isEmpty());
    parseError(base.mid(1)); // no data file
    parseError({QStringLiteral("a.stn"), QStringLiteral("--doc"), QStringLiteral("form"),
                QStringLiteral("--out"), QStringLiteral("x.pdf")}); // no record
    parseError(base + QStringList{QStringLiteral("--record"), QStringLiteral("0")});
    parseError(base + QStringList{QStringLiteral("--record"), QStringLiteral("x")});
    parseError(base + QStringList{QStringLiteral("--doc"), QStringLiteral("letter")});
    parseError(base + QStringList{QStringLiteral("--date"), QStringLiteral(u"令和7年2月30日")});
    parseError(base + QStringList{QStringLiteral("--date"), QStringLiteral("1850-01-01")});
    parseError(base + QStringList{QStringLiteral("--prepay"), QStringLiteral("-3")});
    parseError(base + QStringList{QStringLiteral("--paper"), QStringLiteral("b5")});
    parseError(base + QStringList{QStringLiteral("--dpi"), QStringLiteral("5000")});
    parseError(base + QStringList{QStringLiteral("--colour")});
    parseError(base + QStringList{QStringLiteral("b.stn")});
    parseError(base + QStringList{QStringLiteral("--date")}); // value missing
}

TEST(Render, PicksTheRecordInTheProgramsOrderAndFillsItsPrintData) {
    TempFolder folder;
    tool::RenderOptions o;
    o.dataFile = writeRegister(folder);
    o.bureauFile = kBureauFile;

    // Sorted by expiry, equal days in file order: ＪＡ３ＢＢＢ, ＪＡ８ＤＤＤ, ＪＲ６ＣＣＣ,
    // ＪＡ１ＡＡＡ.
    const QStringList order{QStringLiteral(u"ＪＡ３ＢＢＢ"), QStringLiteral(u"ＪＡ８ＤＤＤ"),
                            QStringLiteral(u"ＪＲ６ＣＣＣ"), QStringLiteral(u"ＪＡ１ＡＡＡ")};
    for (int n = 1; n <= 4; ++n) {
        o.record = n;
        const tool::RenderJob job = tool::prepareRender(o, kToday);
        ASSERT_TRUE(job.result.ok) << qPrintable(job.result.error);
        EXPECT_EQ(job.print.PrintCallSign, order[n - 1]);
    }

    o.record = 1;
    tool::RenderJob job = tool::prepareRender(o, kToday);
    EXPECT_EQ(job.print.PrintDest, QStringLiteral(u"近畿総合通信局長　殿"));
    EXPECT_EQ(job.bureau.AreaZip, QStringLiteral(u"〒540-8795"));
    EXPECT_EQ(job.print.PrintLicenceDate, QStringLiteral(u"令和3年01月01日"));
    EXPECT_EQ(job.print.PrintClubFlag, 1); // the record has a club name
    EXPECT_EQ(job.print.PrintDateFlag, 0);
    EXPECT_EQ(job.print.PrepayAnswer, 0);
    EXPECT_EQ(job.print.RegisteredMail, 0);
    EXPECT_EQ(job.settings, SettingsValues());
    EXPECT_EQ(job.pageTwips, QSizeF(11906, 16838));

    // The answers reach the print data as the dialog stores them.
    o.date = QDate(2026, 2, 1);
    o.prepayAnswer = 1;
    o.prepayPeriod = 1;
    o.prepayYears = QStringLiteral("3");
    o.disposal = true;
    o.registeredMail = true;
    o.club = false;
    job = tool::prepareRender(o, kToday);
    EXPECT_EQ(job.print.PrintDateFlag, 1);
    EXPECT_EQ(job.print.PrintAppDate, QStringLiteral(u"令和8年02月01日"));
    EXPECT_EQ(job.print.PrepayAnswer, 1);
    EXPECT_EQ(job.print.PrepayPeriod, 1);
    EXPECT_EQ(job.print.PrepayYears, QStringLiteral("3"));
    EXPECT_EQ(job.print.DisposalHistory, 1);
    EXPECT_EQ(job.print.RegisteredMail, 1);
    EXPECT_EQ(job.print.PrintClubFlag, 0);

    // Okinawa's call signs go to the Okinawa office; --club forces the club layout.
    o.record = 3;
    o.club = true;
    job = tool::prepareRender(o, kToday);
    EXPECT_EQ(job.print.PrintDest, QStringLiteral(u"沖縄総合通信事務所長　殿"));
    EXPECT_EQ(job.print.PrintClubFlag, 1);

    // Envelopes may go on their own paper; the form stays on A4.
    o.envelopePaper = true;
    o.document = 2;
    EXPECT_EQ(tool::prepareRender(o, kToday).pageTwips, QSizeF(13323, 6803));
    o.document = 0;
    EXPECT_EQ(tool::prepareRender(o, kToday).pageTwips, QSizeF(11906, 16838));

    // Offsets and colours from a settings file.
    SettingsValues settings;
    settings.YohakuTop = 5;
    settings.frmShoku = 0x0000FF;
    const QString ini = folder.file(QStringLiteral("tessaly.ini"));
    ASSERT_TRUE(settingsfile::WriteSettings(ini, settings));
    o.settingsFile = ini;
    job = tool::prepareRender(o, kToday);
    ASSERT_TRUE(job.result.ok);
    EXPECT_EQ(job.settings.YohakuTop, 5);
    EXPECT_EQ(job.settings.frmShoku, 0x0000FF);
}

TEST(Render, ReportsWhatIsMissing) {
    TempFolder folder;
    tool::RenderOptions o;
    o.dataFile = writeRegister(folder);
    o.bureauFile = kBureauFile;
    o.record = 5;
    tool::RenderJob job = tool::prepareRender(o, kToday);
    EXPECT_FALSE(job.result.ok);
    EXPECT_TRUE(job.result.error.contains(QStringLiteral("5")));

    o.record = 1;
    o.bureauFile = folder.file(QStringLiteral("none.dat"));
    job = tool::prepareRender(o, kToday);
    EXPECT_FALSE(job.result.ok);
    EXPECT_TRUE(job.result.error.startsWith(bureaufile::missingMessage()));
    EXPECT_TRUE(job.result.error.contains(QStringLiteral("--bureau")));
    // The return envelope needs no bureau file.
    o.document = printfill::ReturnEnvelope;
    EXPECT_TRUE(tool::prepareRender(o, kToday).result.ok);
    o.document = printfill::ApplicationForm;

    o.bureauFile = kBureauFile;
    o.settingsFile = folder.file(QStringLiteral("none.ini"));
    EXPECT_FALSE(tool::prepareRender(o, kToday).result.ok);

    o.settingsFile.clear();
    o.dataFile = folder.file(QStringLiteral("none.stn"));
    EXPECT_FALSE(tool::prepareRender(o, kToday).result.ok);
}

TEST(Render, WithoutBureauOptionReadsTheFileBesideTheProgramOrTheProjectsOwn) {
    const auto same = [](const QString& a, const QString& b) {
        return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };
    // Run from the build folder (as this test is), where nothing is installed beside it.
    ASSERT_FALSE(
        QFileInfo::exists(QCoreApplication::applicationDirPath() + u'/' + bureaufile::fileName()));
    EXPECT_TRUE(same(tool::defaultBureauFile(QCoreApplication::applicationDirPath()), kBureauFile));
    TempFolder folder;
    tool::RenderOptions o;
    o.dataFile = writeRegister(folder);
    o.record = 1;
    const tool::RenderJob job = tool::prepareRender(o, kToday);
    ASSERT_TRUE(job.result.ok) << qPrintable(job.result.error);
    EXPECT_FALSE(job.bureau.AreaZip.isEmpty());

    // An installed program uses only the file beside it.
    const QString beside = folder.file(bureaufile::fileName());
    EXPECT_EQ(tool::defaultBureauFile(folder.path()), beside);
    QFile::copy(kBureauFile, beside);
    EXPECT_TRUE(same(tool::defaultBureauFile(folder.path()), beside));
}

TEST(Render, WritesOnePagePdfOrPngThroughTheCommandLine) {
    TempFolder folder;
    const QString data = writeRegister(folder);
    const auto run = [&](const QString& doc, const QString& out, QStringList extra = {}) {
        return tool::run(QStringList{QStringLiteral("velmora-tool"), QStringLiteral("render"), data,
                                     QStringLiteral("--record"), QStringLiteral("2"),
                                     QStringLiteral("--doc"), doc, QStringLiteral("--out"),
                                     folder.file(out), QStringLiteral("--bureau"), kBureauFile} +
                         extra);
    };

    for (const QString& doc :
         {QStringLiteral("form"), QStringLiteral("bureau"), QStringLiteral("return")}) {
        const QString name = doc + QStringLiteral(".pdf");
        ASSERT_EQ(run(doc, name, {QStringLiteral("--registered-mail")}), 0) << qPrintable(doc);
        const QByteArray pdf = folder.read(name);
        EXPECT_TRUE(pdf.startsWith("%PDF")) << qPrintable(doc);
        EXPECT_EQ(pdfPages(pdf), 1) << qPrintable(doc);
    }

    ASSERT_EQ(run(QStringLiteral("form"), QStringLiteral("form.png"),
                  {QStringLiteral("--dpi"), QStringLiteral("100")}),
              0);
    const QImage form(folder.file(QStringLiteral("form.png")));
    EXPECT_EQ(form.size(), QSize(827, 1169));
    ASSERT_EQ(run(QStringLiteral("return"), QStringLiteral("return.png"),
                  {QStringLiteral("--paper"), QStringLiteral("naga3")}),
              0);
    const QImage envelope(folder.file(QStringLiteral("return.png")));
    EXPECT_EQ(envelope.size(), QSize(1388, 709));
    int inked = 0;
    for (int y = 0; y < envelope.height(); y += 2)
        for (int x = 0; x < envelope.width(); x += 2)
            inked += envelope.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, 500);

    // Usage errors and failures.
    EXPECT_EQ(run(QStringLiteral("letter"), QStringLiteral("x.pdf")), 2);
    EXPECT_EQ(run(QStringLiteral("form"), QStringLiteral("missing/x.pdf")), 1);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("missing/x.pdf"))));
    EXPECT_EQ(run(QStringLiteral("form"), QStringLiteral("missing/x.png")), 1);
    // Offsets that overflow the page arithmetic (a settings file cannot give them: its reader
    // keeps offsets in range) fail and leave no file behind.
    tool::RenderOptions o;
    o.dataFile = data;
    o.bureauFile = kBureauFile;
    o.record = 1;
    o.out = folder.file(QStringLiteral("overflow.pdf"));
    tool::RenderJob job = tool::prepareRender(o, kToday);
    ASSERT_TRUE(job.result.ok);
    job.settings.YohakuTop = 300000000;
    EXPECT_FALSE(tool::writeRender(o, job).ok);
    EXPECT_FALSE(QFile::exists(o.out));
}

} // namespace
