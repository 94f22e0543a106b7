// Start-up, the settings file as the window applies it, and the data file commands.
#include "mainwin/mainwindow.h"

#include "mainwin/registerundo.h"
#include "platform/gui/framewatch.h"
#include "platform/gui/twips.h"
#include "record/datafile.h"
#include "record/datafilecheck.h"
#include "record/recovery.h"
#include "record/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

const QString kOpenTitle = QStringLiteral("Velmoraデータを開く");
const QString kMergeTitle = QStringLiteral("Velmoraの連結読込");
const QString kSaveTitle = QStringLiteral("Velmoraデータの保存");
const QString kWrongExtension = QStringLiteral("ファイル名（拡張子.stn）が違います");

} // namespace

void MainWindow::startUp(const QString& fileToOpen) {
    createBackupFolders();
    readSettings();
    setUpGridHeader();
    // A file from the desktop takes the place of the last one; refused, the last one opens.
    if (!fileToOpen.isEmpty() && !wrongExtension(fileToOpen) && !missingFile(fileToOpen))
        state_.store.DataFile = *dataFileName(fileToOpen);
    if (!state_.store.DataFile.isEmpty())
        openDataFile(state_.store.DataFile, true);
    offerOtherRecovery();
    countdownTimer->start();
    state_.print.PrepayAnswer = 0;
}

void MainWindow::createBackupFolders() {
    // A folder that cannot be created (a read-only program folder) is no reason not to start.
    for (const QString& name : {QStringLiteral("BackUP"), QStringLiteral("BackUP2")}) {
        const QString path = state_.program.path(name);
        if (!QDir(path).exists())
            QDir().mkpath(path);
    }
}

void MainWindow::readSettings() {
    const QString path = state_.program.path(QLatin1String(settingsfile::kFileName));
    const settingsfile::ReadResult read = settingsfile::ReadSettings(path, state_.settings);
    if (read.missing) {
        prompter_.message(
            {settingsfile::missingMessage(), title(), Prompter::Buttons::Ok, Prompter::Icon::None},
            this);
        return;
    }
    if (!read.result) {
        // The file is there but cannot be read: start with the defaults, and say why.
        prompter_.message({read.result.error, title(), Prompter::Buttons::Ok, Prompter::Icon::None},
                          this);
        return;
    }
    applyWindowGeometry();
    // Once the frame is known the stored outer size can be met exactly.
    whenFramed(this, [this] { applyWindowGeometry(); });
    for (int column = 0; column < kGridColumnCount; ++column) {
        if (const auto width = state_.settings.Grid[size_t(column)]; width && *width > 0)
            columnWidths_[size_t(column)] = *width;
    }
    state_.store.DataFile = state_.settings.DataFile;
}

void MainWindow::applyWindowGeometry() {
    const SettingsValues& s = state_.settings;
    const QRect frame = frameGeometry();
    const QSize margins = frame.size() - geometry().size();
    QPoint position = frame.topLeft();
    if (s.MainLeft)
        position.setX(twips::toPixels(*s.MainLeft, dpiX()));
    if (s.MainTop)
        position.setY(twips::toPixels(*s.MainTop, dpiY()));
    QSize size = frame.size();
    if (s.MainWidth && *s.MainWidth > 0)
        size.setWidth(twips::toPixels(*s.MainWidth, dpiX()));
    if (s.MainHeight && *s.MainHeight > 0)
        size.setHeight(twips::toPixels(*s.MainHeight, dpiY()));
    // The stored size is the outer one; before the frame is known it is taken as the inner one.
    resize((size - margins).expandedTo(minimumSizeHint()));
    move(position);
    moveOntoScreen();
    restoredFrame_ = frameGeometry();
}

void MainWindow::moveOntoScreen() {
    // A position saved on a larger or another monitor can lie outside every screen now.
    const QRect frame = frameGeometry();
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(frame);
        if (visible.width() >= 100 && visible.height() >= 50)
            return;
    }
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const QRect area = primary->availableGeometry();
    const QSize margins = frame.size() - geometry().size();
    const QSize outer = frame.size().boundedTo(area.size());
    resize((outer - margins).expandedTo(minimumSizeHint()));
    move(area.topLeft());
}

bool MainWindow::wrongExtension(const std::optional<QString>& name) {
    if (!name || dataFileName(*name))
        return false;
    prompter_.message({kWrongExtension, title(), Prompter::Buttons::Ok, Prompter::Icon::None},
                      this);
    return true;
}

void MainWindow::showFileError(const QString& text) {
    prompter_.message({text, title(), Prompter::Buttons::OkCancel, Prompter::Icon::None}, this);
}

bool MainWindow::openDataFile(const QString& path, bool atStartUp, bool offerItsRecovery) {
    RecordStore& store = state_.store;
    const QDate today = clock_.today();
    const bool ownFile = holdsLockOf(path);
    std::optional<DataFileLock> lock = takeLock(path);
    const datafile::FileCheck check = lock ? datafile::checkFile(path) : datafile::FileCheck{};
    const bool damaged = check.looksDamaged();
    if (!lock || !acceptDamaged(path, check)) {
        if (atStartUp)
            store.DataFile.clear();
        if (lock && ownFile)
            dataLock_ = std::move(*lock);
        return false;
    }
    const datafile::OpResult opened = datafile::OpenDataFile(store, path, today);
    if (opened.outcome == datafile::Outcome::Failed) {
        showFileError(opened.result.error);
        // The register still holds what it held. Only a file it holds may be saved over: after
        // a failure at start-up the register is empty, so it names no file at all.
        if (atStartUp)
            store.DataFile.clear();
        // A lock taken for nothing goes; the open file's own comes back.
        if (ownFile)
            dataLock_ = std::move(*lock);
        return false;
    }
    // Done, or no such file (an empty register): either way the register now stands for path.
    store.DataFile = path;
    if (opened.outcome == datafile::Outcome::Done)
        store.BackupPath = datafile::backupPathFor(path, today);
    // Whatever was asked before, the register now is the file as it stands on disk, with
    // nothing to undo: the steps belonged to another register. Before a recovery copy is
    // restored, which leaves it modified.
    undo_->opened();
    dataLock_ = std::move(*lock);
    onDisk_ = FileFingerprint::of(path);
    damagedOriginal_ = damaged ? path : QString();
    sortByExpiry();
    colourByExpiry();
    if (offerItsRecovery)
        offerRecovery(path);
    return true;
}

void MainWindow::appendDataFile(const QString& path) {
    RecordStore& store = state_.store;
    // Another program writing that file now could leave half a register to merge.
    if (!holdsLockOf(path)) {
        DataFileLock probe;
        if (const Result locked = probe.tryLock(path); !locked) {
            showFileError(locked.error);
            return;
        }
    }
    if (!acceptDamaged(path, datafile::checkFile(path)))
        return;
    const RegisterUndo::Change change(*undo_, actionText(RegisterAction::Merge));
    const datafile::OpResult merged = datafile::AppendDataFile(store, path, clock_.today());
    if (merged.outcome == datafile::Outcome::Failed) {
        showFileError(merged.result.error);
        return;
    }
    if (merged.outcome == datafile::Outcome::Missing)
        return;
    removeDuplicates();
    colourByExpiry();
}

bool MainWindow::saveDataFile(const QString& path) {
    RecordStore& store = state_.store;
    if (!mayOverwrite(path) || !keepDamagedOriginal(path))
        return false;
    const bool ownFile = holdsLockOf(path);
    std::optional<DataFileLock> lock = takeLock(path);
    if (!lock)
        return false;
    const QString previousFile = store.DataFile;
    const QString previousBackup = store.BackupPath;
    store.DataFile = path;
    const datafile::OpResult saved = datafile::SaveDataFile(store, path, clock_.today());
    if (!saved.dataWritten) {
        // Nothing was written: the register still belongs to the file it came from.
        store.DataFile = previousFile;
        store.BackupPath = previousBackup;
        if (ownFile)
            dataLock_ = std::move(*lock);
    } else {
        dataLock_ = std::move(*lock);
        onDisk_ = FileFingerprint::of(path);
        recovery_->saved();
    }
    if (!saved.result)
        showFileError(saved.result.error);
    return saved.dataWritten;
}

bool MainWindow::missingFile(const QString& path) {
    if (QFileInfo::exists(path))
        return false;
    showFileError(QStringLiteral("%1が見つかりません。").arg(QDir::toNativeSeparators(path)));
    return true;
}

void MainWindow::openCommand() {
    stopCountdown();
    const std::optional<QString> chosen = dataFileDialog.showOpen(kOpenTitle, this);
    if (!chosen || wrongExtension(chosen) || missingFile(*chosen) || !settleUnsavedChanges())
        return;
    openDataFile(*dataFileName(*chosen), false);
}

bool MainWindow::openFromDesktop(const QString& path) {
    stopCountdown();
    if (wrongExtension(path) || missingFile(path) || !settleUnsavedChanges())
        return false;
    return openDataFile(*dataFileName(path), false);
}

void MainWindow::mergeCommand() {
    stopCountdown();
    const std::optional<QString> chosen = dataFileDialog.showOpen(kMergeTitle, this);
    if (!chosen || wrongExtension(chosen) || missingFile(*chosen))
        return;
    appendDataFile(*dataFileName(*chosen));
}

void MainWindow::saveCommand() {
    stopCountdown();
    const std::optional<QString> chosen =
        dataFileDialog.showSave(kSaveTitle, state_.store.DataFile, this);
    if (!chosen || wrongExtension(chosen))
        return;
    // Only a written data file clears the mark; a failed backup copy alone still counts as
    // saved, the data being on disk.
    if (saveDataFile(*dataFileName(*chosen)))
        undo_->saved();
}

bool MainWindow::saveAtExit() {
    if (!state_.store.DataFile.isEmpty())
        return saveDataFile(state_.store.DataFile);
    const std::optional<QString> chosen =
        dataFileDialog.showSave(kSaveTitle, state_.store.DataFile, this);
    if (!chosen || wrongExtension(chosen))
        return false;
    return saveDataFile(*dataFileName(*chosen));
}
