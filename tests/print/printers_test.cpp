#include "platform/gui/printers.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>

TEST(PrinterCatalogue, PdfIsAlwaysThereAndChoicesMatchExactly) {
    PrinterCatalogue none({}, QString());
    EXPECT_EQ(none.deviceNames(), QStringList{QStringLiteral("PDF")});
    EXPECT_EQ(none.currentName(), QStringLiteral("PDF"));
    EXPECT_TRUE(none.currentIsPdf());

    PrinterCatalogue two({QStringLiteral("Office"), QStringLiteral("PDF"), QStringLiteral("Home")},
                         QStringLiteral("Home"));
    EXPECT_EQ(two.deviceNames(), (QStringList{QStringLiteral("Office"), QStringLiteral("Home"),
                                              QStringLiteral("PDF")}));
    EXPECT_EQ(two.currentName(), QStringLiteral("Home"));
    EXPECT_FALSE(two.select(QStringLiteral("office")));
    EXPECT_FALSE(two.select(QStringLiteral("Office ")));
    EXPECT_EQ(two.currentName(), QStringLiteral("Home"));
    EXPECT_TRUE(two.select(QStringLiteral("Office")));
    EXPECT_EQ(two.currentName(), QStringLiteral("Office"));

    // An unknown default falls back to "PDF".
    PrinterCatalogue unknown({QStringLiteral("Office")}, QStringLiteral("Gone"));
    EXPECT_TRUE(unknown.currentIsPdf());
    // The PDF printer starts on A4 portrait.
    const QPageLayout layout = unknown.pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
}

TEST(PrinterCatalogue, PdfJobWritesOnlyAfterASuccessfulPage) {
    TempFolder folder;
    PrinterCatalogue printers({}, QString());
    const QString path = folder.file(QStringLiteral("page.pdf"));
    auto job = printers.startJob(QStringLiteral("doc"), path);
    {
        QPainter painter(&job->device());
        ASSERT_TRUE(painter.isActive());
        painter.drawLine(0, 0, 100, 100);
    }
    EXPECT_FALSE(QFile::exists(path)) << "nothing is written before the job finishes";
    EXPECT_FALSE(job->finish().has_value());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));

    // A job that never drew a page fails and leaves no file.
    const QString empty = folder.file(QStringLiteral("empty.pdf"));
    auto idle = printers.startJob(QStringLiteral("doc"), empty);
    EXPECT_TRUE(idle->finish().has_value());
    EXPECT_FALSE(QFile::exists(empty));

    // A folder that does not exist gives the platform's reason.
    auto bad = printers.startJob(QStringLiteral("doc"), folder.file(QStringLiteral("no/x.pdf")));
    {
        QPainter painter(&bad->device());
        painter.drawLine(0, 0, 10, 10);
    }
    const std::optional<QString> reason = bad->finish();
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
}

TEST(PrinterCatalogue, PdfPropertiesChoosePaperAndOrientation) {
    PrinterCatalogue printers({}, QString());
    EXPECT_FALSE(printers.showProperties(QStringLiteral("Nowhere"), nullptr));
    const auto answer = [](int paperIndex, int orientationIndex, bool accept) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>(QStringLiteral("paper"))->setCurrentIndex(paperIndex);
            dialog->findChild<QComboBox*>(QStringLiteral("orientation"))
                ->setCurrentIndex(orientationIndex);
            accept ? dialog->accept() : dialog->reject();
        });
    };
    answer(6, 1, true); // the long envelope, landscape
    EXPECT_TRUE(printers.showProperties(QStringLiteral("PDF"), nullptr));
    EXPECT_EQ(printers.pageLayout().pageSize().id(), QPageSize::EnvelopeChou3);
    EXPECT_EQ(printers.pageLayout().orientation(), QPageLayout::Landscape);

    answer(0, 0, false); // cancelled: nothing changes
    EXPECT_FALSE(printers.showProperties(QStringLiteral("PDF"), nullptr));
    EXPECT_EQ(printers.pageLayout().pageSize().id(), QPageSize::EnvelopeChou3);
}
