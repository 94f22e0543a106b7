#include "print/frmview.h"
#include "printfixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

bool isBlank(const QImage& image) {
    QImage white(image.size(), image.format());
    white.fill(Qt::white);
    return image == white;
}

// The preview of the first record's print data, with all three documents ticked.
struct View : PrintFixture {
    View() {
        state.print.PrintCallSign = QStringLiteral("ＪＡ１ＡＢＣ");
        state.print.ReturnEnvelopeNote = QStringLiteral("アマチュア局 免許状在中");
        state.print.PrintDocs = {1, 1, 1, 0, 0};
        state.settings.Zoom = 0;
    }
    std::unique_ptr<frmView> open(bool pdf = true) {
        EXPECT_TRUE(!pdf || printers.select(QStringLiteral("PDF")));
        auto view = std::make_unique<frmView>(state, prompter, printers);
        view->show();
        view->showFirstDocument();
        return view;
    }
};

} // namespace

TEST(frmView, PagesThroughTheTickedDocumentsAndClosesAfterTheLast) {
    View f;
    f.state.print.PrintDocs = {1, 0, 1, 0, 0};
    auto view = f.open();
    std::vector<int> seen;
    for (int guard = 0; view->isVisible() && guard < 5; ++guard) {
        seen.push_back(f.state.print.PreviewDoc);
        EXPECT_FALSE(isBlank(view->pageBuffer()));
        view->Command2->click();
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 2}));
    // Past the last page there is nothing to print.
    EXPECT_FALSE(view->PrintSel());
    EXPECT_EQ(f.prompter.lastFileRequest(), nullptr);
    f.state.print.PrintDocs = {};
    EXPECT_FALSE(f.open()->isVisible());
}

TEST(frmView, ZoomStepsFromHundredToSixtyPercentWithoutRedrawing) {
    View f;
    auto view = f.open();
    const QSize full = view->Picture2->size();
    EXPECT_FALSE(view->Command4->isEnabled());
    view->Command4Click();
    view->Command5->click();
    EXPECT_EQ(f.state.settings.Zoom, 1);
    EXPECT_TRUE(view->Command4->isEnabled());
    EXPECT_NEAR(view->Picture2->height(), full.height() * 0.9, 1.0);
    EXPECT_EQ(view->Picture2->pixmap().size(), view->Picture2->size());
    for (int i = 0; i < 6; ++i)
        view->Command5Click();
    EXPECT_EQ(f.state.settings.Zoom, 4);
    EXPECT_FALSE(view->Command5->isEnabled());
    EXPECT_NEAR(view->Picture2->width(), full.width() * 0.6, 1.0);
    // The page is stretched anew, never drawn again: a drawing now would show the new colour.
    const QImage drawn = view->pageBuffer();
    f.state.settings.frmShoku = 0x0000FF;
    view->Command4->click();
    EXPECT_EQ(view->pageBuffer(), drawn);
    // A step outside the buttons' range from the settings file is brought into it.
    for (const auto& [stored, shown] : {std::pair{9, 4}, std::pair{-3, 0}}) {
        f.state.settings.Zoom = qint16(stored);
        frmView clamped(f.state, f.prompter, f.printers);
        EXPECT_EQ(f.state.settings.Zoom, shown);
    }
}

TEST(frmView, ScrollBarsOnlyWhereThePageIsLarger) {
    View f;
    auto view = f.open();
    view->resize(400, 300);
    EXPECT_TRUE(view->HScroll1->isVisible() && view->VScroll1->isVisible());
    EXPECT_GT(view->VScroll1->maximum(), view->HScroll1->maximum());
    view->HScroll1->setValue(1440);
    view->VScroll1->setValue(2880);
    const int dpi = view->logicalDpiX();
    EXPECT_EQ(view->Picture2->pos(), QPoint(-dpi, -2 * dpi));
    f.state.settings.Zoom = 3; // 60 %: the page fits across a wide window, not down
    view->Command5Click();
    view->resize(view->Picture2->width() + 100, 300);
    EXPECT_FALSE(view->HScroll1->isVisible());
    EXPECT_TRUE(view->VScroll1->isVisible());
    view->resize(view->Picture2->width() + 100, view->Picture2->height() + 200);
    EXPECT_FALSE(view->HScroll1->isVisible() || view->VScroll1->isVisible());
    EXPECT_EQ(view->Picture2->pos(), QPoint(0, 0));
}

TEST(frmView, PrintsTheShownPageToAPdfFileOneJobEachAndReportsAFailure) {
    View f;
    auto view = f.open();
    EXPECT_EQ(view->windowTitle(), QStringLiteral("PDF"));
    f.prompter.nextFileName(f.folder.file(QStringLiteral("first.pdf")));
    view->Command1->click();
    f.prompter.nextFileName(f.folder.file(QStringLiteral("form.pdf")));
    EXPECT_TRUE(view->PrintSel());
    EXPECT_TRUE(QFileInfo::exists(f.folder.file(QStringLiteral("first.pdf"))));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    EXPECT_EQ(QString::fromLatin1(f.folder.read(QStringLiteral("form.pdf"))).count(page), 1);
    const Prompter::FileRequest* request = f.prompter.lastFileRequest();
    EXPECT_EQ(request->fileName, QStringLiteral("JA1ABC_再免許申請書.pdf"));
    EXPECT_TRUE(request->kind == Prompter::FileRequest::Kind::Save &&
                (request->flags & Prompter::OverwritePrompt));
    // The next suggestion starts in the folder of the last PDF.
    EXPECT_EQ(QFileInfo(request->startFolder).canonicalFilePath(),
              QFileInfo(f.folder.path()).canonicalFilePath());

    // A PDF that cannot be written is reported; the preview stays on its page.
    const QString path = f.folder.file(QStringLiteral("no such folder/form.pdf"));
    f.prompter.nextFileName(path);
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(view->PrintSel());
    ASSERT_EQ(f.prompter.messages().size(), 1u);
    EXPECT_TRUE(f.prompter.lastMessage()->text.startsWith(
        QStringLiteral("PDFファイルを作成できませんでした。\n") + QDir::toNativeSeparators(path)));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(view->isVisible() && view->Command1->isEnabled());
    EXPECT_EQ(f.state.print.PreviewDoc, 0);

    // A cancelled file dialog prints nothing; the envelope suggests its own name.
    view->Command2Click();
    f.prompter.nextFileName(std::nullopt);
    EXPECT_FALSE(view->PrintSel());
    EXPECT_EQ(f.prompter.lastFileRequest()->fileName, QStringLiteral("JA1ABC_総通宛封筒.pdf"));
}

TEST(frmView, APageThatCannotBeDrawnIsReportedNeitherShownNorPrinted) {
    View f;
    f.state.settings.YohakuTop = 300000000; // beyond the page arithmetic
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    auto view = f.open();
    EXPECT_TRUE(isBlank(view->pageBuffer()));
    EXPECT_FALSE(view->PrintSel()); // says so before it asks for a file
    EXPECT_EQ(
        f.prompter.messages(),
        (std::vector<QString>{
            QStringLiteral("再免許申請書を表示できませんでした。\nオーバーフローしました。"),
            QStringLiteral("再免許申請書を印刷できませんでした。\nオーバーフローしました。")}));
    EXPECT_EQ(f.prompter.lastFileRequest(), nullptr);
    view->Command2Click(); // the envelopes have offsets of their own
    EXPECT_FALSE(isBlank(view->pageBuffer()));
}

TEST(frmView, WindowRectangleRestoredAndStoredUnlessMinimised) {
    View f;
    f.state.settings.ViewHeight = -5;
    auto view = f.open(false);
    EXPECT_EQ(view->height(), qRound(7335.0 * view->logicalDpiY() / 1440)); // the design size
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Printer A"));
    view->setGeometry(150, 120, 600, 450);
    view->close();
    view = f.open(false);
    EXPECT_EQ(view->size(), QSize(600, 450));
    view->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(view->isMinimized());
    const SettingsValues before = f.state.settings;
    view->setGeometry(10, 10, 300, 200);
    view->close();
    EXPECT_EQ(f.state.settings, before);
}
