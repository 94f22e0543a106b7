#include "platform/gui/fonts.h"
#include "print/core/batchprint.h"
#include "print/core/bureaufile.h"
#include "print/core/pagesize.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

batchprint::Request request(int stations) {
    fonts::installSubstitutions();
    batchprint::Request r;
    for (int n = 1; n <= stations; ++n)
        r.stations.push_back(
            {n, sampleStation(QStringLiteral("ＪＡ%1ＡＢＣ").arg(n),
                              QStringLiteral("第%1号").arg(n), QDate(2026, 5, 31))});
    r.bureauFile = QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName();
    r.today = QDate(2026, 2, 10);
    return r;
}

// The page sizes of a PDF, in points, in page order.
std::vector<QString> mediaBoxes(const QByteArray& pdf) {
    static const QRegularExpression box(
        QStringLiteral("/MediaBox \\[0 0 ([0-9]+)[0-9.]* ([0-9]+)[0-9.]*\\]"));
    std::vector<QString> sizes;
    for (auto it = box.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const auto m = it.next();
        sizes.push_back(m.captured(1) + u'x' + m.captured(2));
    }
    return sizes;
}

TEST(BatchPrint, FormsFirstThenEnvelopesEachOnItsPaper) {
    TempFolder folder;
    batchprint::Request r = request(2);
    r.docs = {true, false, true};
    const batchprint::Paper paper{
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
        QPageLayout(pagesize::envelopeNaga3(), QPageLayout::Landscape, QMarginsF())};
    std::vector<int> progress;
    const QString path = folder.file(QStringLiteral("batch.pdf"));
    const batchprint::Outcome outcome =
        batchprint::writePdf(path, r, paper, [&](int done, int total) {
            progress.push_back(done * 10 + total);
            return true;
        });
    ASSERT_TRUE(outcome.done()) << qPrintable(outcome.error);
    EXPECT_EQ(outcome.pages, 4);
    EXPECT_EQ(progress, (std::vector<int>{14, 24, 34, 44}));
    const QString a4 = QStringLiteral("595x842"), naga3 = QStringLiteral("666x340");
    EXPECT_EQ(mediaBoxes(folder.read(QStringLiteral("batch.pdf"))),
              (std::vector<QString>{a4, a4, naga3, naga3}));
}

TEST(BatchPrint, CancelledOrFailedLeavesTheOldFileAndNoOther) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("old.pdf"), "old contents");
    const auto leftBehind = [&] {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    };

    // Cancelled after the second page.
    batchprint::Outcome outcome =
        batchprint::writePdf(path, request(3), {}, [](int done, int) { return done < 2; });
    EXPECT_EQ(outcome.status, batchprint::Outcome::Status::Cancelled);
    EXPECT_EQ(folder.read(QStringLiteral("old.pdf")), "old contents");
    EXPECT_EQ(leftBehind(), QStringList{QStringLiteral("old.pdf")});

    // A missing bureau file fails before the first page.
    batchprint::Request noBureau = request(1);
    noBureau.bureauFile = folder.file(QStringLiteral("none.dat"));
    outcome = batchprint::writePdf(path, noBureau, {}, {});
    EXPECT_EQ(outcome.status, batchprint::Outcome::Status::Failed);
    EXPECT_TRUE(outcome.error.startsWith(bureaufile::missingMessage()));
    EXPECT_EQ(folder.read(QStringLiteral("old.pdf")), "old contents");

    // Offsets that overflow the page arithmetic stop at the first station, named.
    batchprint::Request overflow = request(2);
    overflow.settings.YohakuTop = 300000000;
    outcome = batchprint::writePdf(path, overflow, {}, {});
    EXPECT_EQ(outcome.status, batchprint::Outcome::Status::Failed);
    EXPECT_TRUE(outcome.error.startsWith(QStringLiteral("ＪＡ１ＡＢＣ（1番）で止まりました。")))
        << qPrintable(outcome.error);
    EXPECT_EQ(folder.read(QStringLiteral("old.pdf")), "old contents");
    EXPECT_EQ(leftBehind(), QStringList{QStringLiteral("old.pdf")});

    // A folder that does not exist.
    outcome = batchprint::writePdf(folder.file(QStringLiteral("none/x.pdf")), request(1), {}, {});
    EXPECT_EQ(outcome.status, batchprint::Outcome::Status::Failed);
    EXPECT_FALSE(outcome.error.isEmpty());
}

TEST(BatchPrint, ADeviceThatStopsTakingPagesNamesTheStationOfThatPage) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    // Two stations: page 3 is the first station's bureau envelope.
    int pages = 0;
    bool aborted = false;
    const batchprint::Outcome outcome =
        batchprint::drawPages(writer, request(2), {}, {},
                              {[&]() -> std::optional<QString> {
                                   if (++pages == 3)
                                       return QStringLiteral("ディスクがいっぱいです");
                                   return std::nullopt;
                               },
                               [&] { aborted = true; }});
    EXPECT_EQ(outcome.status, batchprint::Outcome::Status::Failed);
    EXPECT_EQ(outcome.pages, 3);
    EXPECT_TRUE(aborted);
    EXPECT_EQ(outcome.error,
              QStringLiteral("ＪＡ１ＡＢＣ（1番）で止まりました。\nディスクがいっぱいです"));
}

} // namespace
