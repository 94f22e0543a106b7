#pragma once

#include "entry/entrywindow.h"

class QPushButton;

// "登録データの編集": the modeless dialog that shows the station at the store's CurrentIndex
// for overwriting, a five-year extension or deleting. Closing it, however it happens, lets the
// main window sort and colour the register.
//
// The register can change while the dialog is open (a sort, a duplicate check, another file).
// The dialog therefore keeps the identity of the record it was loaded from, and overwriting
// and deleting act on that station wherever it now stands; when it is gone they change nothing.
class EditStationDialog final : public EntryWindow {
    Q_OBJECT
public:
    EditStationDialog(AppState& state, Prompter& prompter, MainWindowLink& mainWindow,
                      QWidget* parent = nullptr);
    ~EditStationDialog() override;

    // Shows the record at CurrentIndex and binds the dialog to that station.
    void loadRecord();

    // "上　書": true when the record was overwritten (the dialog then closes).
    bool overwrite();
    // "免許期限日5年延長": moves the date shown five years on.
    void extendExpiry();
    // "削　除": true when the record was deleted (the dialog then closes).
    bool deleteStation();

    // The row of the station the dialog was loaded from, or 0 when it is no longer there.
    int loadedRow() const;

    QPushButton* overwriteButton = nullptr; // "上　書"
    QPushButton* cancelButton = nullptr;    // "キャンセル": closes without changes
    QPushButton* extendButton = nullptr;    // "免許期限日5年延長"
    QPushButton* deleteButton = nullptr;    // "削　除"

private:
    // The row to act on; when the station is gone, says so (naming what could not be done).
    int rowToChange(const QString& refused);

    quint64 loadedId_ = 0;
};
