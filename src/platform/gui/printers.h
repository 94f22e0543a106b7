#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

class QPaintDevice;
class QPrinter;
class QWidget;

// One page sent as a job of its own: draw on device() (open a painter on it and end it), then
// call finish().
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual QPaintDevice& device() = 0;
    // After the painter has ended: checks the job, or writes the PDF file. Nothing on success,
    // else the reason in Japanese (for "PDF" without the file's path, which the caller names).
    virtual std::optional<QString> finish() = 0;
};

// The printers the program can print on: the system's printers in the order the system lists
// them, and "PDF", which is always there and writes each page to a PDF file, so that a machine
// without a printer can still print. The choice is kept for the whole run.
class PrinterCatalogue {
public:
    // The system's printers; the current printer is the system default, or "PDF" without one.
    static std::unique_ptr<PrinterCatalogue> system();
    // A fixed list of system printer names (tests); the current printer is current, or "PDF"
    // when current is not in the list.
    PrinterCatalogue(QStringList systemPrinters, const QString& current);
    ~PrinterCatalogue();

    PrinterCatalogue(const PrinterCatalogue&) = delete;
    PrinterCatalogue& operator=(const PrinterCatalogue&) = delete;

    static QString pdfName();

    // Device names: the system printers, then "PDF".
    QStringList deviceNames() const;
    QString currentName() const { return current_; }
    bool currentIsPdf() const { return current_ == pdfName(); }
    // Makes the printer with exactly this device name current. False (nothing changes) when
    // there is none.
    bool select(const QString& deviceName);

    // Paper and orientation of the current printer.
    QPageLayout pageLayout() const;

    // The page and printer settings of the named printer, modal to parent: Qt's page setup for a
    // system printer, paper and orientation for "PDF". The settings stay with that printer for
    // the run. False when there is no such printer or the user cancelled.
    bool showProperties(const QString& deviceName, QWidget* parent);

    // A job of one page on the current printer. For "PDF", pdfPath is the file to write (it is
    // written only when the job finishes without error).
    std::unique_ptr<PrintJob> startJob(const QString& documentName, const QString& pdfPath);

    // The current printer for a job of many pages, drawn with one painter (newPage() between
    // pages; the job goes to the printer when the painter ends, unless aborted first). Null
    // for "PDF": the caller writes that file itself.
    QPrinter* pagedPrinter(const QString& documentName);

    // Folder of the last PDF written in this run, empty before the first.
    QString lastPdfFolder() const { return lastPdfFolder_; }
    void setLastPdfFolder(const QString& folder) { lastPdfFolder_ = folder; }

private:
    QPrinter& printerFor(const QString& deviceName) const;

    QStringList systemPrinters_;
    QString current_;
    QString lastPdfFolder_;
    // Settings of each printer used in this run, made when first needed.
    mutable std::map<QString, std::unique_ptr<QPrinter>> printers_;
};
