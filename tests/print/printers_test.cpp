#include "platform/fileerror.h"
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
            if (dialog->isVisible()) // the button did not close it
                dialog->reject();
        });
        return printers.showProperties(QStringLiteral("PDF"), nullptr);
    };
    EXPECT_EQ(printers.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_TRUE(answer(6, 1, QDialogButtonBox::Ok)); // the long envelope, landscape
    EXPECT_EQ(printers.pageLayout().pageSize().id(), QPageSize::EnvelopeChou3);
    EXPECT_EQ(printers.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_FALSE(answer(0, 0, QDialogButtonBox::Cancel));
    EXPECT_EQ(printers.pageLayout().pageSize().id(), QPageSize::EnvelopeChou3);
}

TEST(PrinterCatalogue, APdfThatCannotBeWrittenGivesTheReasonInJapanese) {
    TempFolder folder;
    PrinterCatalogue printers({}, QString());
    const std::unique_ptr<PrintJob> job =
        printers.startJob(QStringLiteral("form"), folder.file(QStringLiteral("gone/form.pdf")));
    QPainter(&job->device()).drawLine(0, 0, 100, 100);
    EXPECT_EQ(job->finish(), fileerror::text(fileerror::Problem::NotFound));
}
