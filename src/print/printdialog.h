#pragma once

#include "platform/gui/datebox.h"
#include "print/core/printfill.h"
#include "record/appstate.h"

#include <QDialog>
#include <array>

class Clock;
class Prompter;
class PrinterCatalogue;
class FeeFrame;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ReleaseCheckBox;
class SpinButton;

// "印刷の設定": the modal dialog through which one station record is printed. It shows the
// record at PrintRecordIndex with the remembered answers, and on "印　刷" stores everything in
// the print data and closes with Accepted; the caller then opens the preview.
class PrintDialog final : public QDialog {
    Q_OBJECT
public:
    PrintDialog(AppState& state, Prompter& prompter, const Clock& clock, PrinterCatalogue& printers,
                QWidget* parent = nullptr);
    ~PrintDialog() override;

    // Fills the controls from the record at PrintRecordIndex and the remembered answers, then
    // reads the bureau of the call sign's area.
    void fillFromRecord();
    // Stores what the controls say in the print data.
    void storePrintData();
    // Reads the bureau file for the area into the bureau values and shows its addressee in the
    // destination box; a missing file is told.
    void readBureau(qint16 areaIndex);

    // Handlers; the slots only call these.
    // An arrow of the spin button for unit (0 years, 1 months, 2 days): step +1 or -1.
    void stepApplicationDate(int unit, int step);
    // The mouse button released over a prepayment answer box (0 "無", 1 "有") or period box
    // (0 whole licence period, 1 "その他").
    void prepayAnswerReleased(int index);
    void prepayPeriodReleased(int index);
    void printerChosen();
    void onPrinterPropertiesClicked();
    // "印　刷": true when the dialog closed to print, false when nothing was ticked or the user
    // chose not to print a form without the applicant's name or address.
    bool onPrintClicked();
    void onCancelClicked();
    // One tick of the 250 ms blink timer.
    void blinkTick();

    int blinkCounter() const { return blink_; }
    // Whether the years box has the window background (else the button face).
    bool yearsWindowBackground() const;

    // Frame "印刷データ".
    std::array<QLineEdit*, printfill::kBoxCount> dataBoxes{}; // by printfill::Box
    QCheckBox* clubStationCheck = nullptr;
    // Shown "ggge年mm月dd日" at first, "ggge年m月d日" once stepped or typed (typeddate.h).
    DateBox* applicationDateDisplay = nullptr;
    std::array<SpinButton*, 3> applicationDateSpinButtons{}; // years, months, days
    // Frame "電波使用料、電波法の処分履歴", and the controls it holds.
    FeeFrame* feeFrame = nullptr;
    std::array<ReleaseCheckBox*, 2> prepayAnswerChecks{}; // "無", "有"
    std::array<ReleaseCheckBox*, 2> prepayPeriodChecks{}; // whole licence period, "その他"
    QLineEdit* prepayYearsBox = nullptr;
    QCheckBox* disposalHistoryCheck = nullptr;
    // Frame "印刷の設定".
    std::array<QCheckBox*, printfill::kDocumentCount> documentChecks{}; // by printfill::Document
    QComboBox* printerBox = nullptr;
    QPushButton* printerPropertiesButton = nullptr;
    QCheckBox* printApplicationDateCheck = nullptr;
    QCheckBox* registeredMailCheck = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QTimer* blinkTimer = nullptr;
    // The warning line beside the buttons: "申請期間外です（受付 …～…）" while the application
    // date lies outside the station's application window. It does not stop printing.
    QLabel* windowWarningLabel = nullptr;

private:
    void buildControls();
    void load();
    // Controls to and from the dialog's state.
    printfill::FormState readForm() const;
    void showForm(const printfill::FormState& form);
    void setDocumentBackground(bool red);
    void retitleForPrinter();
    void showWindowWarning();
    void showApplicationDate(const QString& date);
    // With the applicant's name or address blank, asks whether to print all the same (いいえ,
    // the default, stays in the dialog); true to print.
    bool confirmApplicantBlank();

    AppState& state_;
    Prompter& prompter_;
    const Clock& clock_;
    PrinterCatalogue& printers_;
    StationRecord record_;
    printfill::FormState form_; // looks the controls cannot hold (the years box's background)
    int blink_ = 0;
};

// Opens "印刷の設定" for state.print.PrintRecordIndex, modal to parent, and on "印　刷" the
// preview on the first ticked document. Returns the preview window (it deletes itself when
// closed), or nullptr when the dialog was cancelled.
class PreviewWindow;
PreviewWindow* openPrintDialog(AppState& state, Prompter& prompter, const Clock& clock,
                               PrinterCatalogue& printers, QWidget* parent);
