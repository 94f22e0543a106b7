// The closing sequence: the save question, the backup copy, the settings, the other windows.
#include "mainwin/mainwindow.h"

#include "mainwin/registerundo.h"
#include "platform/gui/twips.h"
#include "record/datafile.h"
#include "record/recovery.h"
#include "record/settingsfile.h"

#include <QCloseEvent>
#include <QTimer>
#include <cmath>

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    closed_ = true;
    finishClosing();
    event->accept();
    emit finished();
}

bool MainWindow::settleUnsavedChanges() {
    if (state_.store.Modified != 1)
        return true;
    const Prompter::Answer answer = prompter_.message(
        {QStringLiteral("Velmoraデータを保存しますか？"), QStringLiteral("Velmoraの終了"),
         Prompter::Buttons::YesNoCancel, Prompter::Icon::Question},
        this);
    switch (answer) {
    case Prompter::Answer::Yes:
        // Going on after a save that did not happen would lose the changes: stay, so the user
        // can save elsewhere or try again and answer No.
        if (!saveAtExit())
            return false;
        undo_->saved();
        return true;
    case Prompter::Answer::No:
        // Given up on purpose: no copy of them is offered at the next start.
        recovery_->discarded();
        return true;
    default:
        return false;
    }
}

void MainWindow::finishClosing() {
    countdownTimer->stop();
    const RecordStore& store = state_.store;
    if (!store.BackupPath.isEmpty() && !store.DataFile.isEmpty()) {
        // Said as at a save: the data file itself is unchanged, but the user counts on the copy.
        if (const Result copied = datafile::copyBackup(store.DataFile, store.BackupPath); !copied)
            prompter_.message({copied.error, title(), Prompter::Buttons::Ok, Prompter::Icon::None},
                              this);
    }
    writeSettings();
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (*it)
            (*it)->close();
    }
    windows_.clear();
    dataLock_.unlock();
}

void MainWindow::storeWindowGeometry() {
    SettingsValues& s = state_.settings;
    if (isMinimized()) {
        s.MainLeft = 100;
        s.MainTop = 100;
        s.MainWidth = 9960;
        s.MainHeight = 7746;
        return;
    }
    const QRect frame = frameGeometry();
    // Twips to pixels and back may differ by a few twips: where the window still stands as the
    // settings placed it, their values stay as they were.
    const bool unmoved = frame == restoredFrame_;
    auto store = [unmoved](std::optional<float>& value, int pixels, int dpi) {
        if (!unmoved || !value)
            value = float(std::round(twips::fromPixels(pixels, dpi)));
    };
    store(s.MainLeft, frame.x(), dpiX());
    store(s.MainTop, frame.y(), dpiY());
    store(s.MainWidth, frame.width(), dpiX());
    store(s.MainHeight, frame.height(), dpiY());
}

void MainWindow::writeSettings() {
    SettingsValues& s = state_.settings;
    storeWindowGeometry();
    for (int column = 0; column < kGridColumnCount; ++column)
        s.Grid[size_t(column)] = columnWidths_[size_t(column)];
    s.DataFile = state_.store.DataFile;
    const QString path = state_.program.path(QLatin1String(settingsfile::kFileName));
    const Result written = settingsfile::WriteSettings(path, s);
    if (!written)
        prompter_.message({written.error, title(), Prompter::Buttons::Ok, Prompter::Icon::None},
                          this);
}
