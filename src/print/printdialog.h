#pragma once

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

    // Named operations.
    void FillFromRecord();
    void StorePrintData();
    void readBureau(qint16 areaIndex);

    // Handlers; the slots only call these.
    void UpDown1Click(int index, int step); // arrow of UpDown1(index), step +1 or -1
    void Check5MouseUp(int index);
    void Check7MouseUp(int index);
    void Combo1Click();
    void Command1Click();
    // "印　刷": true when the dialog closed to print, false when nothing was ticked.
    bool Command2Click();
    void Command3Click();
    // One tick of the 250 ms blink timer.
    void Timer1Timer();

    int blinkCounter() const { return blink_; }
    // Whether Text2 has the window background (else the button face).
    bool yearsWindowBackground() const;

    // Controls, named as the system names them.
    std::array<QLineEdit*, printfill::kBoxCount> Text1{};
    QCheckBox* Check4 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<SpinButton*, 3> UpDown1{};
    FeeFrame* Fee = nullptr; // holds Check5, Check7, Text2 and Check2
    std::array<ReleaseCheckBox*, 2> Check5{};
    std::array<ReleaseCheckBox*, 2> Check7{};
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check2 = nullptr;
    std::array<QCheckBox*, printfill::kDocumentCount> Check1{};
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QTimer* Timer1 = nullptr;
    // The warning line beside the buttons: "申請期間外です（受付 …～…）" while the application
    // date lies outside the station's application window. It does not stop printing.
    QLabel* Label3 = nullptr;

private:
    void buildControls();
    void load();
    // Controls to and from the dialog's state.
    printfill::FormState readForm() const;
    void showForm(const printfill::FormState& form);
    void setDocumentBackground(bool red);
    void retitleForPrinter();
    void showWindowWarning();

    AppState& state_;
    Prompter& prompter_;
    const Clock& clock_;
    PrinterCatalogue& printers_;
    StationRecord record_;
    printfill::FormState form_; // looks the controls cannot hold (Text2's background)
    int blink_ = 0;
};

// Opens "印刷の設定" for state.print.PrintRecordIndex, modal to parent, and on "印　刷" the
// preview on the first ticked document. Returns the preview window (it deletes itself when
// closed), or nullptr when the dialog was cancelled.
class PreviewWindow;
PreviewWindow* openPrintDialog(AppState& state, Prompter& prompter, const Clock& clock,
                               PrinterCatalogue& printers, QWidget* parent);
