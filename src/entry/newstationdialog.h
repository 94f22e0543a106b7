#pragma once

#include "entry/entrywindow.h"

class Clock;
class QPushButton;

// "新規登録": the modal dialog in which new stations are entered, one after another. Each
// registration appends a record to the store and a row to the grid and empties the dialog;
// closing it lets the main window sort and colour the register.
class NewStationDialog final : public EntryWindow {
    Q_OBJECT
public:
    NewStationDialog(AppState& state, Prompter& prompter, const Clock& clock,
                     MainWindowLink& mainWindow, QWidget* parent = nullptr);
    ~NewStationDialog() override;

    // Empties the boxes, selects "固定局" and shows today's date.
    void clearFields();

    // "登　録": appends the station entered; true when a record was registered.
    bool registerStation();

    QPushButton* registerButton = nullptr; // "登　録"
    QPushButton* cancelButton = nullptr;   // "キャンセル": closes the dialog

private:
    const Clock& clock_;
};
