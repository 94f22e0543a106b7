#pragma once

#include "platform/gui/datebox.h"
#include "print/core/batchprint.h"
#include "print/core/printfill.h"
#include "record/appstate.h"

#include <QDialog>
#include <array>

class Clock;
class MainWindowLink;
class Prompter;
class PrinterCatalogue;
class FeeFrame;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QTreeWidget;
class SpinButton;

// "一括印刷": prints the documents of many stations as one print job. It lists the stations
// whose application window is open today, each with a check box, all ticked; the documents;
// the answers every page shares (application date, prepayment, disposal history, registered
// mail), remembered in the print data as the print settings dialog remembers them; and the
// printer. A progress dialog can cancel the job: a printer then drops it, and a PDF is not
// written.
class BatchPrintDialog final : public QDialog {
    Q_OBJECT
public:
    BatchPrintDialog(AppState& state, Prompter& prompter, const Clock& clock,
                     PrinterCatalogue& printers, QWidget* parent = nullptr);
    ~BatchPrintDialog() override;

    // The stations listed, and their record numbers in list order.
    int stationCount() const;
    std::vector<int> tickedRecords() const;

    // Handlers; the slots only call these.
    // The year (index 0), month (1) or day (2) of the application date stepped up or down.
    void onDateStepped(int index, int step);
    void onPrinterChosen();
    void onPropertiesClicked();
    // "印　刷": true when the batch was printed and the dialog closed.
    bool onPrintClicked();
    void onCancelClicked();
    void onSelectAllClicked();   // tick every station
    void onDeselectAllClicked(); // untick every station

    QTreeWidget* stationList = nullptr;
    QLabel* countLabel = nullptr; // how many stations and pages are chosen
    QPushButton* selectAllButton = nullptr;
    QPushButton* deselectAllButton = nullptr;
    FeeFrame* feeFrame = nullptr; // the prepayment and disposal history answers
    std::array<QCheckBox*, printfill::kDocumentCount> documentBoxes{};
    QComboBox* printerBox = nullptr;
    QPushButton* propertiesButton = nullptr;
    QCheckBox* registeredMailBox = nullptr;
    QCheckBox* printDateBox = nullptr;
    // Shown as the print data keeps it; a date may also be typed in (typeddate.h).
    DateBox* applicationDateBox = nullptr;
    std::array<SpinButton*, 3> dateSpinButtons{}; // year, month, day
    QPushButton* printButton = nullptr;
    QPushButton* cancelButton = nullptr;
    // While printing.
    QProgressDialog* progressDialog = nullptr;

private:
    void buildControls();
    void load();
    void listStations();
    printfill::FormState readAnswers() const;
    void showAnswers(const printfill::FormState& form);
    // The date display's text (the box makes it its accessible description: its name is the
    // caption).
    void showApplicationDate(const QString& date);
    batchprint::Request request() const;
    void choiceChanged();
    void tickAll(Qt::CheckState state);
    // Runs the job with the progress dialog; the outcome.
    batchprint::Outcome print(const batchprint::Request& request, const QString& pdfPath);
    std::optional<QString> askPdfPath();
    // With a form to print, lists the stations whose applicant's name or address is blank and
    // asks whether to print all the same (いいえ, the default, stays in the dialog); true to print.
    bool confirmApplicantBlank(const batchprint::Request& r);
    // With the application date printed on the form, lists the stations whose application window
    // does not contain it and asks likewise.
    bool confirmOutsideWindow(const batchprint::Request& r);

    AppState& state_;
    Prompter& prompter_;
    const Clock& clock_;
    PrinterCatalogue& printers_;
    printfill::FormState form_; // looks the controls cannot hold (the years box's background)
};

// Opens "一括印刷" modal to the main window, or tells that no station's application window is
// open today.
void openBatchPrint(AppState& state, Prompter& prompter, const Clock& clock,
                    PrinterCatalogue& printers, MainWindowLink& mainWindow);
