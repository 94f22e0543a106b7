#include "platform/gui/mainwindowlink.h"
#include "print/frmbatch.h"
#include "printfixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Today 2025-04-03: rows 1 missed, 2 closing (closes 4月10日), 3 open, 4 upcoming.
struct BatchFixture : PrintFixture {
    BatchFixture() {
        const StationRecord first = state.store.record(1);
        state.store.clear();
        for (QDate expiry :
             {QDate(2025, 4, 20), QDate(2025, 5, 10), QDate(2025, 6, 30), QDate(2026, 1, 1)}) {
            StationRecord r = first;
            r.set(Field::CallSign, QStringLiteral("JA%1ABC").arg(expiry.month()));
            r.setExpiry(expiry);
            (void)state.store.append(r);
        }
        printers.select(PrinterCatalogue::pdfName());
    }
};

struct MainWindow : MainWindowLink {
    QWidget widget;
    QWidget* mainWidget() override { return &widget; }
    void trackWindow(QWidget*) override {}
    void DelGrid2Mem(int) override {}
    void DataSort() override {}
    void LimitCheck() override {}
};

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

TEST(frmBatch, ListsTheOpenWindowsAndPrintsTheTickedOnesAsOnePdf) {
    BatchFixture f;
    frmBatch dialog(f.state, f.prompter, f.clock, f.printers);
    ASSERT_EQ(dialog.stationCount(), 2);
    EXPECT_EQ(dialog.tickedRecords(), (std::vector<int>{2, 3}));
    EXPECT_EQ(dialog.List1->topLevelItem(0)->text(5), QStringLiteral("締切間近"));
    EXPECT_EQ(dialog.Label4->text(), QStringLiteral("2局中 2局を印刷（6ページ）"));

    // Nothing to print: the button waits.
    dialog.Command5Click();
    EXPECT_FALSE(dialog.Command2->isEnabled());
    dialog.List1->topLevelItem(1)->setCheckState(0, Qt::Checked);
    dialog.Check1[1]->setChecked(false);
    EXPECT_EQ(dialog.Label4->text(), QStringLiteral("2局中 1局を印刷（2ページ）"));

    dialog.Check6->setChecked(true);
    const QString pdf = f.folder.file(QStringLiteral("batch.pdf"));

    // Cancelled in the progress dialog: no file, no message, the dialog stays.
    f.prompter.nextFileName(pdf);
    QTimer::singleShot(0, &dialog, [&dialog] {
        ASSERT_NE(dialog.Progress1, nullptr);
        dialog.Progress1->cancel();
    });
    EXPECT_FALSE(dialog.Command2Click());
    EXPECT_TRUE(QDir(f.folder.path()).entryList({QStringLiteral("*.pdf*")}, QDir::Files).isEmpty());
    EXPECT_EQ(f.prompter.messages().size(), 0u);

    f.prompter.nextFileName(pdf);
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    ASSERT_TRUE(dialog.Command2Click());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(pdfPages(f.folder.read(QStringLiteral("batch.pdf"))), 2);
    EXPECT_EQ(f.prompter.lastMessage()->text,
              QStringLiteral("PDFファイルを作成しました（1局 2ページ）。\n") +
                  QDir::toNativeSeparators(pdf));
    // The shared answers are remembered for the next print.
    EXPECT_EQ(f.state.print.PrintDateFlag, 1);
    EXPECT_EQ(f.printers.lastPdfFolder(), f.folder.path());
}

TEST(frmBatch, OpenerTellsWhenNoWindowIsOpen) {
    PrintFixture f; // licences expiring in 2028 and 2030
    MainWindow main;
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    openBatchPrint(f.state, f.prompter, f.clock, f.printers, main);
    EXPECT_EQ(f.prompter.messages(),
              std::vector<QString>{QStringLiteral("申請を受け付けている局はありません。")});
}
