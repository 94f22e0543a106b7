// Guarding the open data file: its lock against a second writer, the question before a save
// over a file that another program changed, and the recovery copy of unsaved changes.
#include "mainwin/mainwindow.h"

#include "mainwin/recordgridmodel.h"
#include "mainwin/registerundo.h"
#include "record/datafile.h"
#include "record/datafilecheck.h"
#include "record/recordchecks.h"
#include "record/recovery.h"

#include <QDir>

namespace {

QString recoveryTime(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

} // namespace

bool MainWindow::holdsLockOf(const QString& path) const {
    return !dataLock_.dataFile().isEmpty() &&
           canonicalDataFilePath(dataLock_.dataFile()) == canonicalDataFilePath(path);
}

std::optional<DataFileLock> MainWindow::takeLock(const QString& path) {
    // The open file's own lock: a second lock file object in this process would be refused.
    if (holdsLockOf(path))
        return std::move(dataLock_);
    DataFileLock lock;
    if (const Result locked = lock.tryLock(path); !locked) {
        showFileError(locked.error);
        return std::nullopt;
    }
    return lock;
}

bool MainWindow::mayOverwrite(const QString& path) {
    if (!holdsLockOf(path) || !changedOnDisk(path, onDisk_))
        return true;
    Prompter::Message question{
        QStringLiteral("%1は開いた後に他のプログラムで変更されています。上書きしますか？")
            .arg(QDir::toNativeSeparators(path)),
        title(), Prompter::Buttons::YesNo, Prompter::Icon::Warning};
    question.defaultAnswer = Prompter::Answer::No;
    return prompter_.message(question, this) == Prompter::Answer::Yes;
}

void MainWindow::offerRecovery(const QString& dataFile) {
    const QString folder = state_.program.folder;
    const std::optional<FoundRecovery> found = findRecovery(folder, dataFile);
    if (!found)
        return;
    Prompter::Message question{
        QStringLiteral("前回保存されなかった変更があります（%1）。復元しますか？")
            .arg(recoveryTime(found->time)),
        title(), Prompter::Buttons::YesNo, Prompter::Icon::Question};
    question.defaultAnswer = Prompter::Answer::Yes;
    if (prompter_.message(question, this) != Prompter::Answer::Yes) {
        removeRecovery(folder, dataFile);
        return;
    }
    restoreRecovery(dataFile);
}

void MainWindow::restoreRecovery(const QString& dataFile) {
    const QString folder = state_.program.folder;
    datafile::ReadResult read = loadRecovery(folder, dataFile);
    if (read.result)
        read.result = state_.store.load(std::move(read.records));
    if (!read.result) {
        // The copy stays for another try; the register holds the data file as it was read.
        showFileError(read.result.error);
        return;
    }
    // Restored, the register differs from its data file until the user saves it, whatever is
    // undone.
    sortByExpiry();
    colourByExpiry();
    undo_->unsaved();
}

void MainWindow::offerOtherRecovery() {
    const QString folder = state_.program.folder;
    for (const FoundRecovery& found : listRecoveries(folder)) {
        if (found.dataFile.isEmpty() || holdsLockOf(found.dataFile))
            continue;
        Prompter::Message question{
            QStringLiteral("前回保存されなかった変更があります（%1、%2）。復元しますか？")
                .arg(recoveryTime(found.time), QDir::toNativeSeparators(found.dataFile)),
            title(), Prompter::Buttons::YesNo, Prompter::Icon::Question};
        question.defaultAnswer = Prompter::Answer::Yes;
        if (prompter_.message(question, this) != Prompter::Answer::Yes) {
            removeRecovery(folder, found.dataFile);
            continue;
        }
        // The copy belongs to that file: open it (its lock with it), then restore over it.
        if (openDataFile(found.dataFile, false, false)) {
            restoreRecovery(found.dataFile);
            return;
        }
    }
}

void MainWindow::watchForChanges() {
    recovery_ = new RecoveryWriter(state_.program.folder, state_.store, this);
    connect(recovery_, &RecoveryWriter::failed, this, [this](const QString& error) {
        // Said once: the program goes on without a copy rather than asking at every change.
        if (!recoveryFailureTold_)
            showFileError(error);
        recoveryFailureTold_ = true;
    });
    // Every change of the register reaches the grid's model; the writer keeps a copy only
    // while the register is marked modified.
    auto changed = [this] { recovery_->changed(); };
    connect(model_, &QAbstractItemModel::modelReset, recovery_, changed);
    connect(model_, &QAbstractItemModel::dataChanged, recovery_, changed);
    connect(model_, &QAbstractItemModel::rowsInserted, recovery_, changed);
    connect(model_, &QAbstractItemModel::rowsRemoved, recovery_, changed);
    connect(model_, &QAbstractItemModel::layoutChanged, recovery_, changed);
}

bool MainWindow::acceptDamaged(const QString& path, const datafile::FileCheck& check) {
    if (!check.looksDamaged())
        return true;
    Prompter::Message question{QDir::toNativeSeparators(path) + QLatin1Char('\n') +
                                   check.warningText() +
                                   QStringLiteral("\n\nこのまま読み込みますか？"),
                               title(), Prompter::Buttons::YesNo, Prompter::Icon::Warning};
    question.defaultAnswer = Prompter::Answer::No;
    return prompter_.message(question, this) == Prompter::Answer::Yes;
}

bool MainWindow::keepDamagedOriginal(const QString& path) {
    if (damagedOriginal_.isEmpty() || !holdsLockOf(path))
        return true;
    const QString original =
        datafile::backupPathFor(path, clock_.today()) + QStringLiteral(".開いたときの元のファイル");
    if (const Result copied = datafile::copyBackup(path, original); !copied) {
        showFileError(
            copied.error +
            QStringLiteral("\n読み込みで警告が出た元のファイルを残せないため、保存していません。"));
        return false;
    }
    damagedOriginal_.clear();
    return true;
}
