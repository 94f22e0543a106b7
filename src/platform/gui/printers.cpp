#include "platform/gui/printers.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {

// A system printer: the job is sent when the painter ends.
class PrinterJob final : public PrintJob {
public:
    explicit PrinterJob(QPrinter& printer) : printer_(printer) {}
    QPaintDevice& device() override { return printer_; }
    std::optional<QString> finish() override {
        if (printer_.printerState() == QPrinter::Error ||
            printer_.printerState() == QPrinter::Aborted)
            return QStringLiteral("プリンターがエラーを返しました。");
        return std::nullopt;
    }

private:
    QPrinter& printer_;
};

// "PDF": the page is written to memory first and the file replaced only when all went well, so
// a failed print never leaves a broken file behind.
class PdfJob final : public PrintJob {
public:
    PdfJob(const QString& path, const QString& title, const QPageLayout& layout)
        : path_(path), writer_(&buffer_) {
        buffer_.open(QIODevice::WriteOnly);
        writer_.setTitle(title);
        writer_.setCreator(QStringLiteral("Velmora"));
        writer_.setPageLayout(QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF()));
    }
    QPaintDevice& device() override { return writer_; }
    std::optional<QString> finish() override {
        if (buffer_.data().isEmpty())
            return QStringLiteral("ページを描けませんでした。");
        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly))
            return file.errorString();
        if (file.write(buffer_.data()) != buffer_.data().size() || !file.commit())
            return file.errorString();
        return std::nullopt;
    }

private:
    QString path_;
    QBuffer buffer_;
    QPdfWriter writer_;
};

} // namespace

std::unique_ptr<PrinterCatalogue> PrinterCatalogue::system() {
    return std::make_unique<PrinterCatalogue>(QPrinterInfo::availablePrinterNames(),
                                              QPrinterInfo::defaultPrinterName());
}

PrinterCatalogue::PrinterCatalogue(QStringList systemPrinters, const QString& current)
    : systemPrinters_(std::move(systemPrinters)) {
    // A system printer called "PDF" would be hidden behind the virtual one.
    systemPrinters_.removeAll(pdfName());
    current_ = systemPrinters_.contains(current) ? current : pdfName();
}

PrinterCatalogue::~PrinterCatalogue() = default;

QString PrinterCatalogue::pdfName() {
    return QStringLiteral("PDF");
}

QStringList PrinterCatalogue::deviceNames() const {
    QStringList names = systemPrinters_;
    names.append(pdfName());
    return names;
}

bool PrinterCatalogue::select(const QString& deviceName) {
    if (!deviceNames().contains(deviceName))
        return false;
    current_ = deviceName;
    return true;
}

QPrinter& PrinterCatalogue::printerFor(const QString& deviceName) const {
    auto& slot = printers_[deviceName];
    if (!slot) {
        if (deviceName == pdfName()) {
            slot = std::make_unique<QPrinter>(QPrinter::HighResolution);
            slot->setOutputFormat(QPrinter::PdfFormat);
            slot->setPageSize(QPageSize(QPageSize::A4));
            slot->setPageOrientation(QPageLayout::Portrait);
        } else {
            slot = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(deviceName),
                                              QPrinter::HighResolution);
        }
        // The pages are laid out from the corner of the paper.
        slot->setFullPage(true);
    }
    return *slot;
}

QPageLayout PrinterCatalogue::pageLayout() const {
    return printerFor(current_).pageLayout();
}

bool PrinterCatalogue::showProperties(const QString& deviceName, QWidget* parent) {
    if (!deviceNames().contains(deviceName))
        return false;
    QPageSetupDialog dialog(&printerFor(deviceName), parent);
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<PrintJob> PrinterCatalogue::startJob(const QString& documentName,
                                                     const QString& pdfPath) {
    QPrinter& printer = printerFor(current_);
    if (currentIsPdf())
        return std::make_unique<PdfJob>(pdfPath, documentName, printer.pageLayout());
    printer.setDocName(documentName);
    return std::make_unique<PrinterJob>(printer);
}
