#pragma once

#include "record/appstate.h"

#include <QDialog>
#include <functional>

class ColourSwatch;
class Prompter;
class QGroupBox;
class QLabel;
class QPushButton;
class UpDown;

// "用紙と余白と色の設定": the modal dialog for the print offsets of the application form and of
// the envelopes, and for the form's two print colours. It changes the settings values only on
// "O K"; the settings file is written at the program's close as usual.
class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    // Loading the dialog first calls closePreview (when given), so that the next preview is
    // drawn with the new settings; the dialog is then centred on mainWindow, its parent.
    OptionsDialog(AppState& state, Prompter& prompter, QWidget* mainWindow,
                  const std::function<void()>& closePreview = {});
    ~OptionsDialog() override;

    // Handlers; the buttons only call these.
    void Command1Click(); // "参照" beside "入力文字色"
    void Command4Click(); // "参照" beside "用紙文字色"
    void Command5Click(); // "リセットカラー"
    void Command2Click(); // "O K"
    void Command3Click(); // "CANCEL"

    // Where the colour picker starts next time: the colour last chosen in this opening.
    quint32 pickerColour() const { return pickerColour_; }

    static constexpr int kOffsetMinimum = SettingsValues::kOffsetMinimum;
    static constexpr int kOffsetMaximum = SettingsValues::kOffsetMaximum;
    static constexpr int kOffsetStep = 5;

    // Controls, named as the program names them.
    QGroupBox* documentFrame = nullptr; // "書類"
    UpDown* UpDown1 = nullptr;          // formOffsetDown
    UpDown* UpDown2 = nullptr;          // formOffsetAcross
    QLabel* documentLeftValue = nullptr;
    QLabel* documentTopValue = nullptr;
    QGroupBox* envelopeFrame = nullptr; // "封筒"
    UpDown* UpDown13 = nullptr;         // envelopeOffsetAcross
    UpDown* UpDown14 = nullptr;         // envelopeOffsetDown
    QLabel* envelopeLeftValue = nullptr;
    QLabel* envelopeTopValue = nullptr;
    QGroupBox* colourFrame = nullptr; // "色"
    ColourSwatch* Label25 = nullptr;  // "入力文字色", dataColour
    ColourSwatch* Label26 = nullptr;  // "用紙文字色", formColour
    QPushButton* Command1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

private:
    void buildControls();
    void load(const std::function<void()>& closePreview);
    void chooseColour(ColourSwatch* swatch);

    SettingsValues& settings_;
    Prompter& prompter_;
    quint32 pickerColour_ = 0;
};
