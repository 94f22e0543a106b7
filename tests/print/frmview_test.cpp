#include "print/frmview.h"
#include "printfixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

bool isBlank(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

// The preview with the first record's print data, as the print dialog leaves it.
struct ViewFixture : PrintFixture {
    ViewFixture() {
        state.print.PrintCallSign = QStringLiteral("ＪＡ１ＡＢＣ");
        state.print.BureauEnvelopeNote = QStringLiteral("アマチュア局 再免許申請書在中");
        state.print.ReturnEnvelopeNote = QStringLiteral("アマチュア局 免許状在中");
        state.print.PrintDocs = {1, 1, 1, 0, 0};
    }
};

} // namespace

TEST(frmView, PagesThroughEveryCombinationOfTickedDocuments) {
    for (int mask = 0; mask < 8; ++mask) {
        SCOPED_TRACE(mask);
        ViewFixture f;
        std::vector<int> expected;
        for (int i = 0; i < 3; ++i) {
            f.state.print.PrintDocs[size_t(i)] = qint16((mask >> i) & 1);
            if ((mask >> i) & 1)
                expected.push_back(i);
        }
        frmView view(f.state, f.prompter, f.printers);
        view.show();
        view.showFirstDocument();
        std::vector<int> seen;
        for (int guard = 0; view.isVisible() && guard < 5; ++guard) {
            seen.push_back(f.state.print.PreviewDoc);
            EXPECT_FALSE(isBlank(view.pageBuffer()));
            view.Command2Click();
        }
        EXPECT_EQ(seen, expected);
        EXPECT_FALSE(view.isVisible());
        if (mask != 0) {
            EXPECT_EQ(f.state.print.PreviewDoc, 3);
        }
    }
}

TEST(frmView, ZoomStepsStayWithinTheirLimits) {
    ViewFixture f;
    f.state.settings.Zoom = 0;
    frmView view(f.state, f.prompter, f.printers);
    view.show();
    view.showFirstDocument();
    const QSize full = view.Picture2->size();
    EXPECT_FALSE(view.Command4->isEnabled());
    EXPECT_TRUE(view.Command5->isEnabled());
    view.Command4Click();
    EXPECT_EQ(f.state.settings.Zoom, 0);

    view.Command5Click();
    EXPECT_EQ(f.state.settings.Zoom, 1);
    EXPECT_TRUE(view.Command4->isEnabled());
    EXPECT_TRUE(view.Command5->isEnabled());
    EXPECT_NEAR(view.Picture2->width(), full.width() * 0.9, 1.0);
    EXPECT_NEAR(view.Picture2->height(), full.height() * 0.9, 1.0);
    EXPECT_EQ(view.Picture2->pixmap().size(), view.Picture2->size());

    for (int i = 0; i < 6; ++i)
        view.Command5Click();
    EXPECT_EQ(f.state.settings.Zoom, 4);
    EXPECT_FALSE(view.Command5->isEnabled());
    EXPECT_TRUE(view.Command4->isEnabled());
    EXPECT_NEAR(view.Picture2->width(), full.width() * 0.6, 1.0);
    // The page is only stretched anew, never drawn again: a page drawn now would show the new
    // colour.
    const QImage drawn = view.pageBuffer();
    f.state.settings.frmShoku = 0x0000FF;
    f.state.settings.MojiShoku = 0x0000FF;
    view.Command4Click();
    EXPECT_EQ(view.pageBuffer(), drawn);

    // A step outside the buttons' range from the settings file is brought back into it.
    ViewFixture g;
    g.state.settings.Zoom = 9;
    frmView clamped(g.state, g.prompter, g.printers);
    EXPECT_EQ(g.state.settings.Zoom, 4);
    EXPECT_FALSE(clamped.Command5->isEnabled());
    g.state.settings.Zoom = -3;
    frmView clampedLow(g.state, g.prompter, g.printers);
    EXPECT_EQ(g.state.settings.Zoom, 0);
    EXPECT_FALSE(clampedLow.Command4->isEnabled());
}

TEST(frmView, ScrollBarsOnlyWhereThePageIsLarger) {
    ViewFixture f;
    f.state.settings.Zoom = 0;
    frmView view(f.state, f.prompter, f.printers);
    view.show();
    view.showFirstDocument();
    view.resize(400, 300);
    EXPECT_TRUE(view.HScroll1->isVisible());
    EXPECT_TRUE(view.VScroll1->isVisible());
    EXPECT_GT(view.VScroll1->maximum(), view.HScroll1->maximum());
    EXPECT_EQ(view.HScroll1->singleStep(), 100);
    EXPECT_EQ(view.HScroll1->pageStep(), 1000);
    view.HScroll1->setValue(1440);
    view.VScroll1->setValue(2880);
    const int dpi = view.logicalDpiX();
    EXPECT_EQ(view.Picture2->pos(), QPoint(-dpi, -2 * dpi));

    // At 60 % in a wide window the page fits across but not down.
    f.state.settings.Zoom = 3;
    view.Command5Click();
    view.resize(view.Picture2->width() + 100, 300);
    EXPECT_FALSE(view.HScroll1->isVisible());
    EXPECT_TRUE(view.VScroll1->isVisible());
    view.resize(view.Picture2->width() + 100, view.Picture2->height() + 200);
    EXPECT_FALSE(view.HScroll1->isVisible());
    EXPECT_FALSE(view.VScroll1->isVisible());
    EXPECT_EQ(view.Picture2->pos(), QPoint(0, 0));
}

TEST(frmView, PrintsTheShownPageToAPdfFileOneJobEach) {
    ViewFixture f;
    ASSERT_TRUE(f.printers.select(QStringLiteral("PDF")));
    frmView view(f.state, f.prompter, f.printers);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("PDF"));
    view.show();
    view.showFirstDocument();
    const QString first = f.folder.file(QStringLiteral("form.pdf"));
    const QString second = f.folder.file(QStringLiteral("form2.pdf"));
    f.prompter.nextFileName(first);
    f.prompter.nextFileName(second);
    view.Command1Click();
    view.Command1Click();
    EXPECT_TRUE(f.prompter.messages().empty());
    EXPECT_EQ(pdfPageCount(first), 1);
    EXPECT_EQ(pdfPageCount(second), 1);
    const Prompter::FileRequest* request = f.prompter.lastFileRequest();
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->kind, Prompter::FileRequest::Kind::Save);
    EXPECT_EQ(request->fileName, QStringLiteral("JA1ABC_再免許申請書.pdf"));
    EXPECT_TRUE(request->flags & Prompter::OverwritePrompt);
    // The next suggestion starts in the folder of the last PDF.
    EXPECT_EQ(QFileInfo(request->startFolder).canonicalFilePath(),
              QFileInfo(f.folder.path()).canonicalFilePath());
    // The preview stays on the same page.
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(f.state.print.PreviewDoc, 0);
    EXPECT_TRUE(view.Command1->isEnabled());

    // The envelope suggests its own name.
    view.Command2Click();
    f.prompter.nextFileName(std::nullopt);
    EXPECT_FALSE(view.PrintSel());
    EXPECT_EQ(f.prompter.lastFileRequest()->fileName, QStringLiteral("JA1ABC_総通宛封筒.pdf"));
    EXPECT_TRUE(f.prompter.messages().empty());
}

TEST(frmView, FailedPdfIsReportedAndThePreviewStaysOpen) {
    ViewFixture f;
    ASSERT_TRUE(f.printers.select(QStringLiteral("PDF")));
    frmView view(f.state, f.prompter, f.printers);
    view.show();
    view.showFirstDocument();
    const QString path = f.folder.file(QStringLiteral("no such folder/form.pdf"));
    f.prompter.nextFileName(path);
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    view.Command1Click();
    ASSERT_EQ(f.prompter.messages().size(), 1u);
    const Prompter::Message* message = f.prompter.lastMessage();
    EXPECT_TRUE(message->text.startsWith(QStringLiteral("PDFファイルを作成できませんでした。")));
    EXPECT_TRUE(message->text.contains(QStringLiteral("form.pdf")));
    EXPECT_EQ(message->title, QStringLiteral("Velmora"));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(f.state.print.PreviewDoc, 0);
    EXPECT_TRUE(view.Command1->isEnabled());
    EXPECT_TRUE(view.Command2->isEnabled());
}

TEST(frmView, APageThatCannotBeDrawnIsReportedNeitherShownNorPrinted) {
    ViewFixture f;
    // Beyond the page arithmetic; the settings reader keeps offsets from a file in range.
    f.state.settings.YohakuTop = 300000000;
    ASSERT_TRUE(f.printers.select(QStringLiteral("PDF")));
    frmView view(f.state, f.prompter, f.printers);
    view.show();
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    view.showFirstDocument();
    ASSERT_EQ(f.prompter.messages().size(), 1u);
    EXPECT_EQ(f.prompter.lastMessage()->text,
              QStringLiteral("再免許申請書を表示できませんでした。\nオーバーフローしました。"));
    EXPECT_EQ(f.prompter.lastMessage()->title, QStringLiteral("Velmora"));
    EXPECT_TRUE(isBlank(view.pageBuffer()));

    // Printing says so before it asks for a file, and sends nothing.
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(view.PrintSel());
    ASSERT_EQ(f.prompter.messages().size(), 2u);
    EXPECT_EQ(f.prompter.lastMessage()->text,
              QStringLiteral("再免許申請書を印刷できませんでした。\nオーバーフローしました。"));
    EXPECT_EQ(f.prompter.lastFileRequest(), nullptr);

    // The envelopes have offsets of their own and still show.
    view.Command2Click();
    EXPECT_FALSE(isBlank(view.pageBuffer()));
    EXPECT_EQ(f.prompter.messages().size(), 2u);
}

TEST(frmView, WindowRectangleRestoredAndStoredUnlessMinimised) {
    ViewFixture f;
    f.state.settings.ViewWidth = 0;
    f.state.settings.ViewHeight = -5;
    {
        frmView view(f.state, f.prompter, f.printers);
        // The design size stays: 9015 × 7335 twips.
        EXPECT_EQ(view.width(), qRound(9015.0 * view.logicalDpiX() / 1440));
        EXPECT_EQ(view.height(), qRound(7335.0 * view.logicalDpiY() / 1440));
        EXPECT_EQ(view.windowTitle(), QStringLiteral("Printer A"));
        view.show();
        view.setGeometry(150, 120, 600, 450);
        view.close();
    }
    const int dpi = frmView(f.state, f.prompter, f.printers).logicalDpiX();
    EXPECT_EQ(f.state.settings.ViewWidth, qRound(600.0 * 1440 / dpi));
    EXPECT_EQ(f.state.settings.ViewHeight, qRound(450.0 * 1440 / dpi));
    EXPECT_GT(f.state.settings.ViewLeft, 0);

    {
        frmView view(f.state, f.prompter, f.printers);
        EXPECT_EQ(view.size(), QSize(600, 450));
        view.show();
        view.setWindowState(Qt::WindowMinimized);
        ASSERT_TRUE(view.isMinimized());
        const SettingsValues before = f.state.settings;
        view.setGeometry(10, 10, 300, 200);
        view.close();
        EXPECT_EQ(f.state.settings, before);
    }
}
