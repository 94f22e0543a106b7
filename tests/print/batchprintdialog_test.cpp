#include "print/batchprintdialog.h"
#include "printfixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(BatchPrintDialog, ListsTheOpenWindowsAndPrintsTheTickedOnesAsOnePdf) {
    PrintFixture f;
    // Today 2025-04-03 no window of the register is open. Added: rows 10 missed, 11 closing
    // (closes 4月10日), 12 open, 13 upcoming.
    const StationRecord first = f.state.store.record(1);
    for (QDate expiry :
         {QDate(2025, 4, 20), QDate(2025, 5, 10), QDate(2025, 6, 30), QDate(2026, 1, 1)}) {
        StationRecord r = first;
        r.setExpiry(expiry);
        (void)f.state.store.append(r);
    }
    f.printers.select(PrinterCatalogue::pdfName());
    BatchPrintDialog dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(dialog.tickedRecords(), (std::vector<int>{11, 12}));
    EXPECT_EQ(dialog.List1->topLevelItem(0)->text(5), QStringLiteral("締切間近"));
    EXPECT_EQ(dialog.Label4->text(), QStringLiteral("2局中 2局を印刷（6ページ）"));
    dialog.Command5Click(); // nothing to print: the button waits
    EXPECT_FALSE(dialog.Command2->isEnabled());
    dialog.List1->topLevelItem(1)->setCheckState(0, Qt::Checked);
    dialog.Check1[1]->setChecked(false);
    EXPECT_EQ(dialog.Label4->text(), QStringLiteral("2局中 1局を印刷（2ページ）"));
    dialog.Check6->setChecked(true);

    // Cancelled in the progress dialog: no file, no message, the dialog stays.
    const QString pdf = f.folder.file(QStringLiteral("batch.pdf"));
    f.prompter.nextFileName(pdf);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.Progress1->cancel(); });
    EXPECT_FALSE(dialog.Command2Click());
    EXPECT_TRUE(QDir(f.folder.path()).entryList({QStringLiteral("*.pdf*")}, QDir::Files).isEmpty());
    EXPECT_EQ(f.prompter.messages().size(), 0u);

    f.prompter.nextFileName(pdf);
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    ASSERT_TRUE(dialog.Command2Click());
    EXPECT_EQ(pdfPages(f.folder.read(QStringLiteral("batch.pdf"))), 2);
    EXPECT_EQ(f.prompter.lastMessage()->text,
              QStringLiteral("PDFファイルを作成しました（1局 2ページ）。\n") +
                  QDir::toNativeSeparators(pdf));
    EXPECT_EQ(f.state.print.PrintDateFlag, 1); // the shared answers are remembered
}
