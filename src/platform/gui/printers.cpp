#include "platform/gui/printers.h"

#include "platform/fileerror.h"

#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <array>
#include <cerrno>

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
        // Only the reason: the windows name the file before it.
        QSaveFile file(path_);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly))
            return fileerror::text(fileerror::problemOf(file.error(), errno, path_));
        if (file.write(buffer_.data()) != buffer_.data().size() || !file.commit())
            return fileerror::text(fileerror::problemOf(file.error(), errno, path_));
        return std::nullopt;
    }

private:
    QString path_;
    QBuffer buffer_;
    QPdfWriter writer_;
};

// Paper and orientation of the "PDF" printer. Qt's page setup dialog serves only the system's
// printers, so the virtual one has its own.
bool choosePdfPage(QPrinter& printer, QWidget* parent) {
    struct Paper {
        const char* name;
        QPageSize::PageSizeId id;
    };
    static constexpr std::array<Paper, 7> papers{{
        {"A4", QPageSize::A4},
        {"A5", QPageSize::A5},
        {"A3", QPageSize::A3},
        {"B5 (JIS)", QPageSize::JisB5},
        {"B4 (JIS)", QPageSize::JisB4},
        {"レター", QPageSize::Letter},
        {"長形3号封筒", QPageSize::EnvelopeChou3},
    }};
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("PDF のプロパティ"));
    dialog.setWindowModality(Qt::WindowModal);
    auto* paper = new QComboBox(&dialog);
    paper->setObjectName(QStringLiteral("paper"));
    for (const Paper& p : papers)
        paper->addItem(QString::fromUtf8(p.name), int(p.id));
    const int current = paper->findData(int(printer.pageLayout().pageSize().id()));
    paper->setCurrentIndex(current < 0 ? 0 : current);
    auto* orientation = new QComboBox(&dialog);
    orientation->setObjectName(QStringLiteral("orientation"));
    orientation->addItem(QStringLiteral("縦"), int(QPageLayout::Portrait));
    orientation->addItem(QStringLiteral("横"), int(QPageLayout::Landscape));
    orientation->setCurrentIndex(printer.pageLayout().orientation() == QPageLayout::Landscape);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("用紙サイズ"), paper);
    form->addRow(QStringLiteral("印刷の向き"), orientation);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper->currentData().toInt())));
    printer.setPageOrientation(QPageLayout::Orientation(orientation->currentData().toInt()));
    return true;
}

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
    if (deviceName == pdfName())
        return choosePdfPage(printerFor(deviceName), parent);
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

QPrinter* PrinterCatalogue::pagedPrinter(const QString& documentName) {
    if (currentIsPdf())
        return nullptr;
    QPrinter& printer = printerFor(current_);
    printer.setDocName(documentName);
    return &printer;
}
