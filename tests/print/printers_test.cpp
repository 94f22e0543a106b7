#include "platform/gui/printers.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(PrinterCatalogue, PdfIsAlwaysThereAndChoicesMatchExactly) {
    PrinterCatalogue two({"Office", "PDF", "Home"}, "Home");
    EXPECT_EQ(two.deviceNames(), (QStringList{"Office", "Home", "PDF"}));
    EXPECT_EQ(two.currentName(), QStringLiteral("Home"));
    EXPECT_FALSE(two.select("office") || two.select("Office "));
    EXPECT_TRUE(two.select("Office"));
    EXPECT_EQ(two.currentName(), QStringLiteral("Office"));
    EXPECT_TRUE(PrinterCatalogue({"Office"}, "Gone").currentIsPdf());
    EXPECT_EQ(PrinterCatalogue({}, {}).pageLayout().pageSize().id(), QPageSize::A4);
}

TEST(PrinterCatalogue, PdfJobWritesOnlyAfterASuccessfulPage) {
    TempFolder folder;
    PrinterCatalogue printers({}, QString());
    const auto print = [&](const QString& name, bool draw) {
        auto job = printers.startJob(QStringLiteral("doc"), folder.file(name));
        if (draw) {
            QPainter painter(&job->device());
            painter.drawLine(0, 0, 100, 100);
        }
        EXPECT_FALSE(QFile::exists(folder.file(name))) << "written before the job finished";
        return job->finish();
    };
    EXPECT_EQ(print(QStringLiteral("page.pdf"), true), std::nullopt);
    EXPECT_TRUE(folder.read(QStringLiteral("page.pdf")).startsWith("%PDF"));
    // A job that drew no page, or one for a folder that does not exist, fails and leaves no file.
    EXPECT_NE(print(QStringLiteral("empty.pdf"), false), std::nullopt);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("empty.pdf"))));
    EXPECT_FALSE(print(QStringLiteral("no/x.pdf"), true).value_or(QString()).isEmpty());
}

TEST(PrinterCatalogue, PdfPropertiesChoosePaperAndOrientation) {
    PrinterCatalogue printers({}, QString());
    EXPECT_FALSE(printers.showProperties(QStringLiteral("Nowhere"), nullptr));
    // Chooses in the dialog once it runs and presses one of its buttons.
    const auto answer = [&](int paper, int orientation, QDialogButtonBox::StandardButton button) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>(QStringLiteral("paper"))->setCurrentIndex(paper);
            dialog->findChild<QComboBox*>(QStringLiteral("orientation"))
                ->setCurrentIndex(orientation);
            dialog->findChild<QDialogButtonBox*>()->button(button)->click();
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the button left the dialog open";
                dialog->reject();
            }
        });
        return printers.showProperties(QStringLiteral("PDF"), nullptr);
    };
    EXPECT_TRUE(answer(6, 1, QDialogButtonBox::Ok)); // the long envelope, landscape
    EXPECT_EQ(printers.pageLayout().pageSize().id(), QPageSize::EnvelopeChou3);
    EXPECT_EQ(printers.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_FALSE(answer(0, 0, QDialogButtonBox::Cancel));
    EXPECT_EQ(printers.pageLayout().pageSize().id(), QPageSize::EnvelopeChou3);
}
