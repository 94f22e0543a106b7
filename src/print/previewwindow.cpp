// The print preview window: the page drawn, zoomed and scrolled, and the page printed on its own.
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
    printButton = button("printButton", QStringLiteral("印　刷"), 120);
    nextPageButton = button("nextPageButton", QStringLiteral("次　頁"), 1320);
    cancelButton = button("cancelButton", QStringLiteral("キャンセル"), 2520);
    zoomInButton = button("zoomInButton", QStringLiteral("拡　大"), 3840);
    zoomOutButton = button("zoomOutButton", QStringLiteral("縮　小"), 5040);

    pageArea = new QWidget(this);
    pageArea->setObjectName(QStringLiteral("pageArea"));
    pageArea->setAutoFillBackground(true);
    QPalette grey = pageArea->palette();
    grey.setColor(QPalette::Window, grey.color(QPalette::Mid));
    pageArea->setPalette(grey);
    pageArea->setAccessibleName(QStringLiteral("印刷のプレビュー"));

    pageImage = new QLabel(pageArea);
    pageImage->setObjectName(QStringLiteral("pageImage"));
    pageImage->setAutoFillBackground(true);
    QPalette white = pageImage->palette();
    white.setColor(QPalette::Window, Qt::white);
    pageImage->setPalette(white);
    pageImage->setScaledContents(false);

    horizontalScrollBar = new QScrollBar(Qt::Horizontal, this);
    horizontalScrollBar->setObjectName(QStringLiteral("horizontalScrollBar"));
    verticalScrollBar = new QScrollBar(Qt::Vertical, this);
    verticalScrollBar->setObjectName(QStringLiteral("verticalScrollBar"));
    for (QScrollBar* bar : {horizontalScrollBar, verticalScrollBar}) {
        bar->setRange(0, 0);
        bar->setSingleStep(100);
        bar->setPageStep(1000);
        connect(bar, &QScrollBar::valueChanged, this, &PreviewWindow::placePage);
    }

    connect(printButton, &QPushButton::clicked, this, &PreviewWindow::onPrintClicked);
    connect(nextPageButton, &QPushButton::clicked, this, &PreviewWindow::onNextPageClicked);
    connect(cancelButton, &QPushButton::clicked, this, &PreviewWindow::onCancelClicked);
    connect(zoomInButton, &QPushButton::clicked, this, &PreviewWindow::onZoomInClicked);
    connect(zoomOutButton, &QPushButton::clicked, this, &PreviewWindow::onZoomOutClicked);

    // The window's place and size, and the zoom step, as last closed.
    SettingsValues& settings = state_.settings;
    // A zoom step outside the buttons' range (an edited settings file) would give an empty or
    // unbounded page image.
    settings.Zoom = qint16(qBound(kMinZoom, int(settings.Zoom), kMaxZoom));
    resize(toPixels(kDesignWidthTwips), toPixels(kDesignHeightTwips));
    move(toPixels(settings.ViewLeft), toPixels(settings.ViewTop));
    if (settings.ViewWidth > 0)
        resize(toPixels(settings.ViewWidth), height());
    if (settings.ViewHeight > 0)
        resize(width(), toPixels(settings.ViewHeight));
    enableButtons();
    setWindowTitle(printers_.currentName());
    layOutPage();
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

QSize PreviewWindow::pageImagePixels() const {
    const int factor = 10 - state_.settings.Zoom;
    return {toPixels(pageTwips_.width() / 10 * factor),
            toPixels(pageTwips_.height() / 10 * factor)};
}

void PreviewWindow::layOutPage() {
    // The page buffer has the printer page's size (a new page size starts a blank buffer).
    const QSizeF page = printerPageTwips();
    if (page != pageTwips_ || pageBuffer_.isNull()) {
        pageTwips_ = page;
        pageBuffer_ = pagesize::pageImage(pageTwips_, logicalDpiX());
    }
    // The page image at the zoom step.
    const QSize image = pageImagePixels();
    pageImage->resize(image);
    // The page area below the buttons, beside the scroll bars.
    const int buttonHeight = printButton->height();
    const int barExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int viewWidth = qMax(0, width() - barExtent);
    const int viewHeight = qMax(0, height() - barExtent - buttonHeight);
    pageArea->setGeometry(0, buttonHeight, viewWidth, viewHeight);
    // The scroll bars along the page area.
    horizontalScrollBar->setGeometry(0, viewHeight + buttonHeight, viewWidth, barExtent);
    verticalScrollBar->setGeometry(viewWidth, buttonHeight, barExtent, viewHeight);
    // Scroll ranges in twips of the page image.
    horizontalScrollBar->setMaximum(qMax(0, qRound(toTwips(image.width()) - toTwips(viewWidth))));
    verticalScrollBar->setMaximum(qMax(0, qRound(toTwips(image.height()) - toTwips(viewHeight))));
    // A bar only where the page image is larger than the page area.
    verticalScrollBar->setVisible(image.height() > viewHeight);
    horizontalScrollBar->setVisible(image.width() > viewWidth);
    // The page image inside the page area, where the scroll bars say (at the top-left corner
    // while they are at 0).
    placePage();
}

void PreviewWindow::placePage() {
    pageImage->move(-toPixels(horizontalScrollBar->value()), -toPixels(verticalScrollBar->value()));
}

void PreviewWindow::clearPage() {
    pageBuffer_.fill(Qt::white);
    pageImage->setPixmap(QPixmap());
}

void PreviewWindow::paintPage() {
    pageImage->setPixmap(QPixmap::fromImage(
        pageBuffer_.scaled(pageImagePixels(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void PreviewWindow::reportDrawFailure(const QString& text) {
    prompter_.message({text, state_.program.title, Prompter::Buttons::Ok, Prompter::Icon::Warning},
                      this);
}

void PreviewWindow::showDocument(int doc) {
    clearPage();
    Result drawn;
    {
        PainterSurface surface(pageBuffer_, pageTwips_);
        drawn = printfill::drawDocument(surface, doc, 3,
                                        PageInputs{state_.print, state_.bureau, state_.settings});
    }
    state_.print.PreviewDoc = qint16(doc);
    // A screen reader cannot see the page: it hears which document it is.
    pageImage->setAccessibleName(printfill::documentName(doc));
    if (!drawn) {
        // No part of a page that broke off is shown as if it were the page.
        pageBuffer_.fill(Qt::white);
        reportDrawFailure(QStringLiteral("%1を表示できませんでした。\n%2")
                              .arg(printfill::documentName(doc), drawn.error));
    }
    paintPage();
}

void PreviewWindow::showFirstDocument() {
    const std::optional<int> first = printfill::firstDocument(state_.print);
    if (!first) {
        close();
        return;
    }
    showDocument(*first);
    layOutPage();
}

void PreviewWindow::showNextDocument() {
    const std::optional<int> next = printfill::nextDocument(state_.print, state_.print.PreviewDoc);
    if (!next) {
        state_.print.PreviewDoc = printfill::kDocumentCount;
        close();
        return;
    }
    showDocument(*next);
}

bool PreviewWindow::printShownDocument() {
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

void PreviewWindow::disableButtons() {
    for (QPushButton* b : {printButton, nextPageButton, cancelButton, zoomInButton, zoomOutButton})
        b->setEnabled(false);
}

void PreviewWindow::enableButtons() {
    printButton->setEnabled(true);
    nextPageButton->setEnabled(true);
    cancelButton->setEnabled(true);
    zoomInButton->setEnabled(state_.settings.Zoom != kMinZoom);
    zoomOutButton->setEnabled(state_.settings.Zoom != kMaxZoom);
}

void PreviewWindow::onPrintClicked() {
    disableButtons();
    printShownDocument();
    enableButtons();
}

void PreviewWindow::onNextPageClicked() {
    disableButtons();
    showNextDocument();
    enableButtons();
}

void PreviewWindow::onCancelClicked() {
    close();
}

void PreviewWindow::onZoomInClicked() {
    if (state_.settings.Zoom <= kMinZoom)
        return;
    disableButtons();
    --state_.settings.Zoom;
    layOutPage();
    paintPage();
    enableButtons();
}

void PreviewWindow::onZoomOutClicked() {
    if (state_.settings.Zoom >= kMaxZoom)
        return;
    disableButtons();
    ++state_.settings.Zoom;
    layOutPage();
    paintPage();
    enableButtons();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutPage();
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
