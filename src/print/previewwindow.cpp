#include "print/previewwindow.h"

#include "platform/gui/printers.h"
#include "platform/gui/twips.h"
#include "platform/prompter.h"
#include "platform/width.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/core/printfill.h"
#include "print/core/recordingsurface.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

constexpr int kMinZoom = 0;
constexpr int kMaxZoom = 4;
constexpr double kButtonHeightTwips = 375;
constexpr double kDesignWidthTwips = 9015;
constexpr double kDesignHeightTwips = 7335;

// A file name suggestion: the call sign in half-width letters, then the document.
QString suggestedPdfName(const PrintData& print, int doc) {
    QString callSign = width::narrowAlphanumerics(print.PrintCallSign).trimmed();
    for (QChar& c : callSign) {
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.isSpace())
            c = u'_';
    }
    const QString name = printfill::documentName(doc);
    return (callSign.isEmpty() ? name : callSign + u'_' + name) + QStringLiteral(".pdf");
}

} // namespace

PreviewWindow::PreviewWindow(AppState& state, Prompter& prompter, PrinterCatalogue& printers,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompter_(prompter), printers_(printers) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral("印刷のプレビュー"));

    const auto button = [this](const char* name, const QString& caption, double left) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(toPixels(left), 0, toPixels(1095), toPixels(kButtonHeightTwips));
        return b;
    };
    Command1 = button("Command1", QStringLiteral("印　刷"), 120);
    Command2 = button("Command2", QStringLiteral("次　頁"), 1320);
    Command3 = button("Command3", QStringLiteral("キャンセル"), 2520);
    Command4 = button("Command4", QStringLiteral("拡　大"), 3840);
    Command5 = button("Command5", QStringLiteral("縮　小"), 5040);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette grey = Picture1->palette();
    grey.setColor(QPalette::Window, grey.color(QPalette::Mid));
    Picture1->setPalette(grey);

    Picture2 = new QLabel(Picture1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    QPalette white = Picture2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture2->setPalette(white);
    Picture2->setScaledContents(false);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setRange(0, 0);
        bar->setSingleStep(100);
        bar->setPageStep(1000);
        connect(bar, &QScrollBar::valueChanged, this, &PreviewWindow::placePicture2);
    }

    connect(Command1, &QPushButton::clicked, this, &PreviewWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &PreviewWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &PreviewWindow::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &PreviewWindow::Command4Click);
    connect(Command5, &QPushButton::clicked, this, &PreviewWindow::Command5Click);

    // Load.
    SettingsValues& settings = state_.settings;
    // A zoom step outside the buttons' range (an edited settings file) would give an empty or
    // unbounded page picture.
    settings.Zoom = qint16(qBound(kMinZoom, int(settings.Zoom), kMaxZoom));
    resize(toPixels(kDesignWidthTwips), toPixels(kDesignHeightTwips));
    move(toPixels(settings.ViewLeft), toPixels(settings.ViewTop));
    if (settings.ViewWidth > 0)
        resize(toPixels(settings.ViewWidth), height());
    if (settings.ViewHeight > 0)
        resize(width(), toPixels(settings.ViewHeight));
    EnableButtons();
    setWindowTitle(printers_.currentName());
    SizeSet();
}

PreviewWindow::~PreviewWindow() = default;

int PreviewWindow::toPixels(double t) const {
    return twips::toPixels(t, logicalDpiX());
}

double PreviewWindow::toTwips(int pixels) const {
    return twips::fromPixels(pixels, logicalDpiX());
}

QSizeF PreviewWindow::printerPageTwips() const {
    return pagesize::twipsOf(printers_.pageLayout());
}

QSize PreviewWindow::picture2Pixels() const {
    const int factor = 10 - state_.settings.Zoom;
    return {toPixels(pageTwips_.width() / 10 * factor),
            toPixels(pageTwips_.height() / 10 * factor)};
}

void PreviewWindow::SizeSet() {
    // 1. The page buffer has the printer page's size (a new page size starts a blank buffer).
    const QSizeF page = printerPageTwips();
    if (page != pageTwips_ || picture3_.isNull()) {
        pageTwips_ = page;
        picture3_ = pagesize::pageImage(pageTwips_, logicalDpiX());
    }
    // 2. The page picture at the zoom step.
    const QSize picture2 = picture2Pixels();
    Picture2->resize(picture2);
    // 3. The viewport below the buttons, beside the scroll bars.
    const int buttonHeight = Command1->height();
    const int barExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int viewWidth = qMax(0, width() - barExtent);
    const int viewHeight = qMax(0, height() - barExtent - buttonHeight);
    Picture1->setGeometry(0, buttonHeight, viewWidth, viewHeight);
    // 5, 6. The scroll bars along the viewport.
    HScroll1->setGeometry(0, viewHeight + buttonHeight, viewWidth, barExtent);
    VScroll1->setGeometry(viewWidth, buttonHeight, barExtent, viewHeight);
    // 7. Scroll ranges in twips of the page picture.
    HScroll1->setMaximum(qMax(0, qRound(toTwips(picture2.width()) - toTwips(viewWidth))));
    VScroll1->setMaximum(qMax(0, qRound(toTwips(picture2.height()) - toTwips(viewHeight))));
    // 8. A bar only where the page picture is larger than the viewport.
    VScroll1->setVisible(picture2.height() > viewHeight);
    HScroll1->setVisible(picture2.width() > viewWidth);
    // 4. The page picture inside the viewport, where the scroll bars say (at the top-left
    // corner while they are at 0).
    placePicture2();
}

void PreviewWindow::placePicture2() {
    Picture2->move(-toPixels(HScroll1->value()), -toPixels(VScroll1->value()));
}

void PreviewWindow::clearPictures() {
    picture3_.fill(Qt::white);
    Picture2->setPixmap(QPixmap());
}

void PreviewWindow::paintPicture2() {
    Picture2->setPixmap(QPixmap::fromImage(
        picture3_.scaled(picture2Pixels(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void PreviewWindow::reportDrawFailure(const QString& text) {
    prompter_.message({text, state_.program.title, Prompter::Buttons::Ok, Prompter::Icon::Warning},
                      this);
}

void PreviewWindow::showDocument(int doc) {
    clearPictures();
    Result drawn;
    {
        PainterSurface surface(picture3_, pageTwips_);
        drawn = printfill::drawDocument(surface, doc, 3,
                                        PageInputs{state_.print, state_.bureau, state_.settings});
    }
    state_.print.PreviewDoc = qint16(doc);
    if (!drawn) {
        // No part of a page that broke off is shown as if it were the page.
        picture3_.fill(Qt::white);
        reportDrawFailure(QStringLiteral("%1を表示できませんでした。\n%2")
                              .arg(printfill::documentName(doc), drawn.error));
    }
    paintPicture2();
}

void PreviewWindow::showFirstDocument() {
    const std::optional<int> first = printfill::firstDocument(state_.print);
    if (!first) {
        close();
        return;
    }
    showDocument(*first);
    SizeSet();
}

void PreviewWindow::ViewSel() {
    const std::optional<int> next = printfill::nextDocument(state_.print, state_.print.PreviewDoc);
    if (!next) {
        state_.print.PreviewDoc = printfill::kDocumentCount;
        close();
        return;
    }
    showDocument(*next);
}

bool PreviewWindow::PrintSel() {
    const int doc = state_.print.PreviewDoc;
    if (doc < 0 || doc >= printfill::kDocumentCount)
        return false;
    const PageInputs inputs{state_.print, state_.bureau, state_.settings};
    const QSizeF page = printerPageTwips();

    // A page that cannot be drawn would go out blank: try it first, and send nothing.
    {
        RecordingSurface trial(page);
        if (const Result drawn = printfill::drawDocument(trial, doc, 1, inputs); !drawn) {
            reportDrawFailure(QStringLiteral("%1を印刷できませんでした。\n%2")
                                  .arg(printfill::documentName(doc), drawn.error));
            return false;
        }
    }

    QString pdfPath;
    if (printers_.currentIsPdf()) {
        Prompter::FileRequest request;
        request.kind = Prompter::FileRequest::Kind::Save;
        request.title = QStringLiteral("PDFファイルに印刷");
        request.filter = QStringLiteral("PDF ファイル (*.pdf)|*.pdf|");
        request.startFolder = printers_.lastPdfFolder();
        if (request.startFolder.isEmpty() && !state_.store.DataFile.isEmpty())
            request.startFolder = QFileInfo(state_.store.DataFile).absolutePath();
        if (request.startFolder.isEmpty())
            request.startFolder = QDir::homePath();
        request.fileName = suggestedPdfName(state_.print, doc);
        request.flags = Prompter::OverwritePrompt | Prompter::HideReadOnly;
        const std::optional<QString> chosen = prompter_.fileName(request, this);
        if (!chosen || chosen->isEmpty())
            return false;
        pdfPath = *chosen;
    }

    // One page, one job: the page is drawn with the same routine as the preview, then the job
    // ends. A failure is reported, and the preview stays on the same page.
    std::unique_ptr<PrintJob> job = printers_.startJob(printfill::documentName(doc), pdfPath);
    std::optional<QString> failure;
    {
        PainterSurface surface(job->device(), page);
        if (!surface.isActive()) {
            failure = QStringLiteral("印刷を始められませんでした。");
        } else {
            const Result drawn = printfill::drawDocument(surface, doc, 1, inputs);
            if (!surface.finish())
                failure = QStringLiteral("印刷を終えられませんでした。");
            if (!drawn)
                failure = drawn.error;
        }
    }
    if (!failure)
        failure = job->finish();
    if (failure) {
        const QString text = printers_.currentIsPdf()
                                 ? QStringLiteral("PDFファイルを作成できませんでした。\n%1\n%2")
                                       .arg(QDir::toNativeSeparators(pdfPath), *failure)
                                 : QStringLiteral("「%1」に印刷できませんでした。\n%2")
                                       .arg(printers_.currentName(), *failure);
        prompter_.message(
            {text, state_.program.title, Prompter::Buttons::Ok, Prompter::Icon::Warning}, this);
        return false;
    }
    if (printers_.currentIsPdf())
        printers_.setLastPdfFolder(QFileInfo(pdfPath).absolutePath());
    return true;
}

void PreviewWindow::DisableButtons() {
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5})
        b->setEnabled(false);
}

void PreviewWindow::EnableButtons() {
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    Command4->setEnabled(state_.settings.Zoom != kMinZoom);
    Command5->setEnabled(state_.settings.Zoom != kMaxZoom);
}

void PreviewWindow::Command1Click() {
    DisableButtons();
    PrintSel();
    EnableButtons();
}

void PreviewWindow::Command2Click() {
    DisableButtons();
    ViewSel();
    EnableButtons();
}

void PreviewWindow::Command3Click() {
    close();
}

void PreviewWindow::Command4Click() {
    if (state_.settings.Zoom <= kMinZoom)
        return;
    DisableButtons();
    --state_.settings.Zoom;
    SizeSet();
    paintPicture2();
    EnableButtons();
}

void PreviewWindow::Command5Click() {
    if (state_.settings.Zoom >= kMaxZoom)
        return;
    DisableButtons();
    ++state_.settings.Zoom;
    SizeSet();
    paintPicture2();
    EnableButtons();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SizeSet();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (!isMinimized()) {
        SettingsValues& settings = state_.settings;
        settings.ViewLeft = qRound(toTwips(x()));
        settings.ViewTop = qRound(toTwips(y()));
        settings.ViewWidth = qRound(toTwips(width()));
        settings.ViewHeight = qRound(toTwips(height()));
    }
    QWidget::closeEvent(event);
}
