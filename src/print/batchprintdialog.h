#pragma once

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
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QTreeWidget;
class ReleaseCheckBox;
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
    void UpDown1Click(int index, int step);
    void Check5MouseUp(int index);
    void Check7MouseUp(int index);
    void Combo1Click();
    void Command1Click();
    // "印　刷": true when the batch was printed and the dialog closed.
    bool Command2Click();
    void Command3Click();
    void Command4Click(); // tick every station
    void Command5Click(); // untick every station

    // Controls, named like those of the print settings dialog where they do the same.
    QTreeWidget* List1 = nullptr;
    QLabel* Label4 = nullptr; // how many stations and pages are chosen
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    FeeFrame* Fee = nullptr; // holds Check5, Check7, Text2 and Check2
    std::array<ReleaseCheckBox*, 2> Check5{};
    std::array<ReleaseCheckBox*, 2> Check7{};
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check2 = nullptr;
    std::array<QCheckBox*, printfill::kDocumentCount> Check1{};
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check6 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<SpinButton*, 3> UpDown1{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    // While printing.
    QProgressDialog* Progress1 = nullptr;

private:
    void buildControls();
    void load();
    void listStations();
    printfill::FormState readAnswers() const;
    void showAnswers(const printfill::FormState& form);
    batchprint::Request request() const;
    void choiceChanged();
    void tickAll(Qt::CheckState state);
    // Runs the job with the progress dialog; the outcome.
    batchprint::Outcome print(const batchprint::Request& request, const QString& pdfPath);
    std::optional<QString> askPdfPath();

    AppState& state_;
    Prompter& prompter_;
    const Clock& clock_;
    PrinterCatalogue& printers_;
    printfill::FormState form_; // looks the controls cannot hold (Text2's background)
};

// Opens "一括印刷" modal to the main window, or tells that no station's application window is
// open today.
void openBatchPrint(AppState& state, Prompter& prompter, const Clock& clock,
                    PrinterCatalogue& printers, MainWindowLink& mainWindow);
