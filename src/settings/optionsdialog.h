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

    // What the buttons do; they only call these.
    void chooseDataColour(); // "参照" beside "入力文字色"
    void chooseFormColour(); // "参照" beside "用紙文字色"
    void resetColours();     // "リセットカラー": both colours black
    void applyAndClose();    // "O K": the values shown become the settings

    // Where the colour picker starts next time: the colour last chosen in this opening.
    quint32 pickerColour() const { return pickerColour_; }

    static constexpr int kOffsetMinimum = SettingsValues::kOffsetMinimum;
    static constexpr int kOffsetMaximum = SettingsValues::kOffsetMaximum;
    static constexpr int kOffsetStep = 5;

    QGroupBox* documentFrame = nullptr;     // "書類": the application form's offsets
    UpDown* formOffsetDownSpin = nullptr;   // "LEFT"
    UpDown* formOffsetAcrossSpin = nullptr; // "TOP"
    QLabel* formOffsetDownValue = nullptr;
    QLabel* formOffsetAcrossValue = nullptr;
    QGroupBox* envelopeFrame = nullptr;         // "封筒": the envelopes' offsets
    UpDown* envelopeOffsetAcrossSpin = nullptr; // "LEFT"
    UpDown* envelopeOffsetDownSpin = nullptr;   // "TOP"
    QLabel* envelopeOffsetAcrossValue = nullptr;
    QLabel* envelopeOffsetDownValue = nullptr;
    QGroupBox* colourFrame = nullptr;         // "色"
    ColourSwatch* dataColourSwatch = nullptr; // "入力文字色"
    ColourSwatch* formColourSwatch = nullptr; // "用紙文字色"
    QPushButton* chooseDataColourButton = nullptr;
    QPushButton* chooseFormColourButton = nullptr;
    QPushButton* resetColoursButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr; // "CANCEL": closes, changing nothing

private:
    void buildControls();
    void load(const std::function<void()>& closePreview);
    void chooseColour(ColourSwatch* swatch);

    SettingsValues& settings_;
    Prompter& prompter_;
    quint32 pickerColour_ = 0;
};
