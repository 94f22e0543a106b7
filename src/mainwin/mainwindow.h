#pragma once

#include "mainwin/datafiledialog.h"
#include "mainwin/stationfilter.h"
#include "mainwin/windowopeners.h"
#include "platform/clock.h"
#include "platform/gui/mainwindowlink.h"
#include "platform/prompter.h"
#include "record/appstate.h"
#include "record/datafilecheck.h"
#include "record/datafilelock.h"
#include "record/fingerprint.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <vector>

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QTableView;
class QTimer;
class QToolButton;
class RecordGridModel;
class RecoveryWriter;
class RegisterUndo;

// The main window: the record grid, the menus, the file commands and the auto-exit countdown.
// Building it runs the start-up (backup folders, settings, the last data file, the countdown);
// closing it runs the closing sequence (save question, backup copy, settings, other windows)
// and then emits finished(). fileToOpen, when given, is opened at start instead of the data file
// the settings name (a file opened from the desktop).
class MainWindow final : public QMainWindow, public MainWindowLink {
    Q_OBJECT

public:
    MainWindow(AppState& state, Prompter& prompter, const Clock& clock, WindowOpeners openers = {},
               QWidget* parent = nullptr, const QString& fileToOpen = {});
    ~MainWindow() override;

    AppState& state() { return state_; }
    Prompter& prompter() { return prompter_; }
    const Clock& clock() const { return clock_; }
    // The grid's model: it shows the store, and follows every change of it.
    const RecordGridModel& gridModel() const { return *model_; }
    // The filter between the grid's model and the view: the grid shows its rows.
    const StationFilterModel& stationFilter() const { return *filter_; }
    // The record number (1..Count) of the row the user last selected; the header row never
    // becomes current. A station the filter hides is not acted on (see seenRow()).
    int currentRow() const { return currentRow_; }
    // Makes record number row current, and selects it in the view where the filter shows it.
    void setCurrentRow(int row);
    // The width of grid column 0..17 (0 the row numbers) in twips; 0 leaves the view's own
    // width.
    qint32 columnWidth(int column) const { return columnWidths_[size_t(column)]; }

    // The record checks on the register.
    void deleteRecord(int row) override;
    void removeDuplicates();
    void sortByExpiry() override;
    void colourByExpiry() override;
    // Once a minute: the expiry colours count the days from today, so a session that runs into
    // a new day gets them again.
    void newDayCheck();
    // Shows in the status line how the register stands with its application windows today. Runs
    // whenever the grid's model reports a change (every change of the register and of its
    // colours, so also each colourByExpiry on a new day).
    void showRenewalStatus();

    // Stops the countdown for good: the title goes back to the program title and the menu item
    // that stops the countdown disappears. Does nothing once stopped.
    void stopCountdown();
    bool countdownRunning() const;
    // countdownTimer's handler, once a second while the countdown runs.
    void countdownTick();

    // Undo and redo of the changes to the register (元に戻す, やり直し).
    RegisterUndo& registerUndo() { return *undo_; }
    void beginRegisterChange(const QString& text) override;
    void commitRegisterChange() override;

    // Keeps the recovery copy of unsaved changes (written a few seconds after a change).
    RecoveryWriter& recoveryWriter() { return *recovery_; }

    // A window opened from here that does not block the main window; closing the main window
    // closes these, the most recently shown first.
    void trackWindow(QWidget* window) override;
    QWidget* mainWidget() override { return this; }

    // The menu commands.
    void openCommand();
    void mergeCommand();
    void saveCommand();
    void batchPrintCommand();
    void csvExportCommand();
    void csvImportCommand();
    void stopCountdownCommand();
    void quitCommand();
    void newRegistrationCommand();
    void duplicateCheckCommand();
    void optionsCommand();
    void aboutCommand();

    // Mouse actions on the grid; the row concerned is always the grid's current row.
    void gridDoubleClicked();
    void gridRightPressed();
    void gridRightReleased();
    // The Delete key in the grid: asks whether to delete the current station, then deletes it.
    void deleteCurrentStation();

    // Finding stations (mainwindow_search.cpp): the search box's text and the state chosen
    // narrow the rows shown; the register stays as it is.
    void setStateFilter(StationFilterModel::StateFilter filter);
    // Ctrl+F: the search box takes the focus, its text selected.
    void focusSearch();
    // A link of the status line: "state:open", "state:closing" or "state:missed".
    void statusLinkActivated(const QString& link);
    // The row colours and what they mean, in a window of its own that does not block.
    void showColourLegend();

    // A data file handed over from the desktop (a later start with a file): asked about unsaved
    // changes and refused as 開く refuses a chosen file; true when the register now holds it.
    bool openFromDesktop(const QString& path);

    // Ticks once a second while the auto-exit countdown runs.
    QTimer* countdownTimer = nullptr;
    // Asks for the data file to open, merge or save.
    DataFileDialog dataFileDialog;
    // The central widget, holding the grid.
    QWidget* gridContainer = nullptr;
    // The register, one station a row (see RecordGridModel).
    QTableView* recordGrid = nullptr;
    // The status line under the grid and its text (see showRenewalStatus).
    QStatusBar* renewalStatusBar = nullptr;
    QLabel* renewalStatusLabel = nullptr;
    // Opens the legend of the row colours, at the right of the status line.
    QToolButton* colourLegendButton = nullptr;
    // Above the grid: the search text and the state of the application window to show.
    QLineEdit* searchBox = nullptr;
    QComboBox* stateFilterBox = nullptr;
    // The menu bar: ファイル, 編集, 設定 and the バージョン item, each with its commands.
    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* mergeAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* batchPrintAction = nullptr;
    QAction* csvExportAction = nullptr;
    QAction* csvImportAction = nullptr;
    QAction* fileMenuSeparator = nullptr;
    QAction* stopCountdownAction = nullptr;
    QAction* quitAction = nullptr;
    QMenu* editMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* editMenuSeparator = nullptr;
    QAction* newStationAction = nullptr;
    QAction* duplicateCheckAction = nullptr;
    QMenu* settingsMenu = nullptr;
    QAction* printSettingsAction = nullptr;
    QAction* aboutAction = nullptr;

    // Seconds the countdown has run.
    qint16 countdownElapsed = 0;

signals:
    // The closing sequence has finished: the program should end now.
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // After an undo or redo: what the window does after any change.
    void registerRestored();
    void undoStepTaken();
    void buildGrid();
    void buildStatusLine();
    void buildSearchBar(QWidget* container);
    // The grid's keys and the search box's Esc; true when the key was used.
    bool gridKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    bool searchKeyPressed(int key);
    // After the filter changed: the current station stays selected while it is shown, else
    // the first station shown becomes current.
    void followFilter();
    // The current row when the filter shows it, else 0: what the grid's commands act on.
    int seenRow() const;
    void startUp(const QString& fileToOpen);
    void createBackupFolders();
    void readSettings();
    void applyWindowGeometry();
    void moveOntoScreen();
    void setUpGridHeader();
    void applyColumnWidths();
    void columnResized(int column, int newPixels);
    void restoreView();

    // The file operations with everything the window does around them. Each returns whether
    // the register now holds the named file's records (open) or the file was written (save).
    bool openDataFile(const QString& path, bool atStartUp, bool offerItsRecovery = true);
    void appendDataFile(const QString& path);
    bool saveDataFile(const QString& path);
    void showFileError(const QString& text);
    std::optional<QString> csvFileDialog(bool save);
    // A CSV command that could not be done, and why.
    void refuse(const QString& text);
    bool wrongExtension(const std::optional<QString>& name);
    // A chosen file to open or merge that is not there: said, rather than read as no stations.
    bool missingFile(const QString& path);

    // Guarding the data file (mainwindow_guard.cpp). takeLock: path's lock, or the one already
    // held when path is the open file; refused, it says who holds the file.
    std::optional<DataFileLock> takeLock(const QString& path);
    bool holdsLockOf(const QString& path) const;
    // Asked before a save over the open file when another program changed it since it was
    // opened or saved; true when the save may go on.
    bool mayOverwrite(const QString& path);
    // A recovery copy of dataFile left by a run that ended without saving: the user chooses
    // between restoring it (the register then holds it, modified) and throwing it away.
    void offerRecovery(const QString& dataFile);
    void restoreRecovery(const QString& dataFile);
    // At start-up: a copy of another data file than the one opened (the settings still name
    // the file of the run before, when that run crashed).
    void offerOtherRecovery();
    void watchForChanges();
    // A file that does not look like a whole register (cut short, another kind of file): the
    // user is told what is wrong and decides whether to read it. True to go on.
    bool acceptDamaged(const QString& path, const datafile::FileCheck& check);
    // Before the first save over a file that opened with that warning, the file as it was is
    // kept beside the backups. False (and said) when that copy could not be made.
    bool keepDamagedOriginal(const QString& path);

    // The closing sequence: the save question, whose answer decides whether the window may
    // close (or another file replace the register), then what happens when it closes.
    bool settleUnsavedChanges();
    bool saveAtExit();
    void finishClosing();
    void storeWindowGeometry();
    void writeSettings();

    int dpiX() const;
    int dpiY() const;
    QString title() const { return state_.program.title; }

    AppState& state_;
    Prompter& prompter_;
    const Clock& clock_;
    WindowOpeners openers_;
    RecordGridModel* model_ = nullptr;
    StationFilterModel* filter_ = nullptr;
    QPointer<QDialog> colourLegend_;
    RegisterUndo* undo_ = nullptr;
    int currentRow_ = 1;
    std::array<qint32, kGridColumnCount> columnWidths_;
    std::vector<QPointer<QWidget>> windows_;
    // The grid's areas whose mouse events the window handles.
    std::array<QPointer<QWidget>, 4> gridAreas_;
    // The day the expiry colours were last worked out for.
    QDate colouredFor_;
    bool applyingWidths_ = false;
    bool closed_ = false;
    // Where the settings put the window, to write their values back unchanged while it stays.
    QRect restoredFrame_;
    int savedScroll_ = 0;
    // The CSV file last exported or imported: its dialogs start there.
    QString csvFile_;
    // The open data file's lock, what it held when opened or last saved, and the copy kept of
    // unsaved changes.
    DataFileLock dataLock_;
    FileFingerprint onDisk_;
    RecoveryWriter* recovery_ = nullptr;
    bool recoveryFailureTold_ = false;
    // The open file, when it opened with the damage warning and its original is not kept yet.
    QString damagedOriginal_;
};
