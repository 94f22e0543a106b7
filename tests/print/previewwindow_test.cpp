// The print preview: paging, zooming, printing the page shown, and its failures.
#include "print/previewwindow.h"
#include "printfixture.h"

#include <QAccessible>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

// The preview on "PDF" of the first record's form and return envelope.
TEST(PreviewWindow, ZoomsPagesThroughTheTickedDocumentsPrintsEachToAPdfAndReportsEveryFailure) {
    PrintFixture f;
    f.state.print.PrintCallSign = QStringLiteral("ＪＡ１ＡＢＣ");
    f.state.print.PrintDocs = {1, 0, 1, 0, 0};
    f.state.settings.Zoom = 0;
    f.printers.select(PrinterCatalogue::pdfName());
    auto view = std::make_unique<PreviewWindow>(f.state, f.prompter, f.printers);
    view->show();
    view->showFirstDocument();
    EXPECT_FALSE(isPlain(view->pageBuffer(), Qt::white));
    // A screen reader hears the area's name and which document the page is.
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(view->pageArea), QStringLiteral("印刷のプレビュー"));
    EXPECT_EQ(name(view->pageImage), QStringLiteral("再免許申請書"));

    EXPECT_FALSE(view->zoomInButton->isEnabled());
    view->zoomOutButton->click();
    EXPECT_TRUE(f.state.settings.Zoom == 1 && view->zoomInButton->isEnabled());
    for (int i = 0; i < 6; ++i)
        view->onZoomOutClicked();
    EXPECT_TRUE(f.state.settings.Zoom == 4 && !view->zoomOutButton->isEnabled());

    f.prompter.nextFileName(f.folder.file(QStringLiteral("form.pdf")));
    view->printButton->click();
    EXPECT_EQ(pdfPages(f.folder.read(QStringLiteral("form.pdf"))), 1);
    EXPECT_EQ(f.prompter.lastFileRequest()->fileName, QStringLiteral("JA1ABC_再免許申請書.pdf"));
    // A PDF that cannot be written is reported; the next suggestion starts in the folder of the
    // last PDF. A cancelled file dialog prints nothing.
    const QString path = f.folder.file(QStringLiteral("no such folder/form.pdf"));
    f.prompter.nextFileName(path);
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(view->printShownDocument());
    EXPECT_EQ(QFileInfo(f.prompter.lastFileRequest()->startFolder).canonicalFilePath(),
              QFileInfo(f.folder.path()).canonicalFilePath());
    EXPECT_TRUE(f.prompter.lastMessage()->text.startsWith(
        QStringLiteral("PDFファイルを作成できませんでした。\n") + QDir::toNativeSeparators(path)));
    f.prompter.nextFileName(std::nullopt);
    EXPECT_FALSE(view->printShownDocument());

    // The return envelope next, with offsets beyond the page arithmetic: reported, neither shown
    // nor printed (nor a file asked for).
    f.state.settings.envelopeOffsetDown = 300000000;
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    view->nextPageButton->click();
    EXPECT_EQ(f.state.print.PreviewDoc, 2);
    EXPECT_TRUE(isPlain(view->pageBuffer(), Qt::white));
    EXPECT_FALSE(view->printShownDocument());
    const std::vector<QString> said = f.prompter.messages();
    EXPECT_EQ(std::vector<QString>(said.end() - 2, said.end()),
              (std::vector<QString>{
                  QStringLiteral("返信用封筒を表示できませんでした。\nオーバーフローしました。"),
                  QStringLiteral("返信用封筒を印刷できませんでした。\nオーバーフローしました。")}));
    view->nextPageButton->click(); // past the last page the preview closes
    EXPECT_FALSE(view->isVisible() || view->printShownDocument());

    // A step outside the zoom buttons' range from the settings file is brought into it; with
    // nothing ticked the preview closes at once.
    f.state.print.PrintDocs = {};
    for (const auto& [stored, shown] : {std::pair{9, 4}, std::pair{-3, 0}}) {
        f.state.settings.Zoom = qint16(stored);
        PreviewWindow again(f.state, f.prompter, f.printers);
        again.show();
        again.showFirstDocument();
        EXPECT_TRUE(f.state.settings.Zoom == shown && !again.isVisible());
    }
}
