// Batch printing: the page order and paper, and a stop part-way.
#include "platform/fileerror.h"
#include "platform/gui/fonts.h"
#include "print/core/batchprint.h"
#include "print/core/bureaufile.h"
#include "print/core/pagesize.h"
#include "record/datafile.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

// The tool's batch test shows a missing bureau file leaving the old PDF as it was.

namespace {

// The first two stations of the sample register: ＪＡ１ＡＢＣ (Kantō) and ＪＲ６ＸＹＺ (Okinawa).
batchprint::Request twoStations() {
    fonts::installSubstitutions();
    const auto records =
        datafile::readFile(QStringLiteral(VELMORA_TEST_DATA "/sample-register.stn")).records;
    batchprint::Request r;
    r.stations = {{1, records.at(0)}, {2, records.at(1)}};
    r.bureauFile = QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName();
    r.today = QDate(2026, 2, 10);
    return r;
}

TEST(BatchPrint, FormsFirstThenEnvelopesEachOnItsPaper) {
    TempFolder folder;
    batchprint::Request r = twoStations();
    r.docs = {true, false, true};
    const batchprint::Paper paper{
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
        QPageLayout(pagesize::envelopeNaga3(), QPageLayout::Landscape, QMarginsF())};
    QStringList progress;
    const batchprint::Outcome outcome = batchprint::writePdf(
        folder.file(QStringLiteral("batch.pdf")), r, paper, [&](int done, int total) {
            progress << QStringLiteral("%1/%2").arg(done).arg(total);
            return true;
        });
    ASSERT_TRUE(outcome.done()) << qPrintable(outcome.error);
    EXPECT_EQ(outcome.pages, 4);
    EXPECT_EQ(progress.join(u' '), QStringLiteral("1/4 2/4 3/4 4/4"));
    // The pages' sizes in points.
    static const QRegularExpression box(
        QStringLiteral("/MediaBox \\[0 0 ([0-9]+)[0-9.]* ([0-9]+)"));
    QStringList sizes;
    for (const auto& m : box.globalMatch(QString::fromLatin1(folder.read("batch.pdf"))))
        sizes << m.captured(1) + u'x' + m.captured(2);
    EXPECT_EQ(sizes.join(u' '), QStringLiteral("595x842 595x842 666x340 666x340"));
}

// A page that cannot be drawn leaves the old file as it was and names the station it stopped at;
// the dialog's test shows a cancel.
TEST(BatchPrint, AStopLeavesTheOldFileAndNamesTheStation) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("old.pdf"), "old contents");
    batchprint::Request overflow = twoStations();
    overflow.settings.formOffsetAcross = 300000000;
    const batchprint::Outcome failed = batchprint::writePdf(path, overflow, {}, {});
    EXPECT_EQ(failed.status, batchprint::Outcome::Status::Failed);
    EXPECT_TRUE(failed.error.startsWith(QStringLiteral("ＪＡ１ＡＢＣ（1番）で止まりました。")))
        << qPrintable(failed.error);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.pdf"});
    EXPECT_EQ(folder.read(QStringLiteral("old.pdf")), "old contents");
    // A file that cannot be written: the reason only, since the callers name the file.
    batchprint::Request one = twoStations();
    one.docs = {false, false, true};
    const batchprint::Outcome unwritten =
        batchprint::writePdf(folder.file(QStringLiteral("gone/x.pdf")), one, {}, {});
    EXPECT_EQ(unwritten.error, fileerror::text(fileerror::Problem::NotFound));
}

} // namespace
