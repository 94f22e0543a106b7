// The CSV commands: the register to and from spreadsheet programs.
#include "mainwin/mainwindow.h"

#include "mainwin/registerundo.h"
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/datafile.h"
#include "record/importplan.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kExportTitle = QStringLiteral("VelmoraデータのCSV書き出し");
const QString kImportTitle = QStringLiteral("VelmoraへのCSV取り込み");
const QString kCsvFilter = QStringLiteral("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*|");

} // namespace

void MainWindow::refuse(const QString& text) {
    prompter_.message({text, title(), Prompter::Buttons::Ok, Prompter::Icon::Warning}, this);
}

std::optional<QString> MainWindow::csvFileDialog(bool save) {
    // Until a CSV file has been used: beside the data file, named after it.
    QString name = csvFile_;
    const QString& dataFile = state_.store.DataFile;
    if (name.isEmpty() && !dataFile.isEmpty()) {
        const QFileInfo info(QDir::fromNativeSeparators(dataFile));
        name = QDir::toNativeSeparators(info.path() + QLatin1Char('/') + info.completeBaseName() +
                                        QStringLiteral(".csv"));
    }
    Prompter::FileRequest request;
    request.kind = save ? Prompter::FileRequest::Kind::Save : Prompter::FileRequest::Kind::Open;
    request.title = save ? kExportTitle : kImportTitle;
    request.filter = kCsvFilter;
    request.filterIndex = 0;
    request.startFolder =
        name.isEmpty()
            ? state_.program.folder
            : QDir::toNativeSeparators(QFileInfo(QDir::fromNativeSeparators(name)).path());
    request.fileName = save ? name : QString();
    request.flags = save ? Prompter::OverwritePrompt | Prompter::HideReadOnly
                         : Prompter::HideReadOnly | Prompter::FileMustExist;
    std::optional<QString> chosen = prompter_.fileName(request, this);
    if (chosen)
        csvFile_ = *chosen;
    return chosen;
}

void MainWindow::csvExportCommand() {
    stopCountdown();
    const std::optional<QString> chosen = csvFileDialog(true);
    if (!chosen)
        return;
    const Result written =
        csvfile::writeCsv(*chosen, state_.store.records(), csvfile::Encoding::Utf8);
    if (!written) {
        refuse(written.error);
        return;
    }
    prompter_.message({QStringLiteral("%1 件を書き出しました。\n%2")
                           .arg(state_.store.Count())
                           .arg(QDir::toNativeSeparators(*chosen)),
                       title(), Prompter::Buttons::Ok, Prompter::Icon::None},
                      this);
}

void MainWindow::csvImportCommand() {
    stopCountdown();
    const std::optional<QString> chosen = csvFileDialog(false);
    if (!chosen)
        return;
    csvfile::Imported imported = csvfile::readCsv(*chosen);
    if (!imported.result) {
        refuse(imported.result.error + QStringLiteral("\n\n何も取り込んでいません。"));
        return;
    }
    RecordStore& store = state_.store;
    const auto tell = [this](const QString& text) {
        prompter_.message({text, title(), Prompter::Buttons::Ok, Prompter::Icon::None}, this);
    };
    if (imported.records.empty()) {
        tell(QStringLiteral("取り込むデータがありません。"));
        return;
    }
    // A row that names a station updates it: a corrected spreadsheet must not leave the old
    // values in place. Everything is checked before anything changes.
    const csvfile::PlannedImport planned = csvfile::planImport(store.records(), imported);
    Result room = planned.result ? csvfile::checkRoom(store.Count(), planned.plan) : planned.result;
    if (!room) {
        refuse(room.error + QStringLiteral("\n\n何も取り込んでいません。"));
        return;
    }
    const csvfile::ImportPlan& plan = planned.plan;
    QString summary = csvfile::planSummary(plan);
    if (!plan.warnings.isEmpty())
        summary += QStringLiteral("\n\n") + plan.warnings.join(u'\n');
    if (plan.changesNothing()) {
        tell(summary);
        return;
    }
    const Prompter::Answer answer =
        prompter_.message({summary + QStringLiteral("\n\n取り込みますか？"), title(),
                           Prompter::Buttons::YesNo, Prompter::Icon::Question},
                          this);
    if (answer != Prompter::Answer::Yes)
        return;
    // One step with the sort and the colours, so that undoing it needs neither.
    const RegisterUndo::Change change(*undo_, actionText(RegisterAction::CsvImport));
    if (Result applied = csvfile::applyImportPlan(store, plan); !applied) {
        refuse(applied.error);
        return;
    }
    // As the merge of a data file goes on.
    if (!store.DataFile.isEmpty())
        store.BackupPath = datafile::backupPathFor(store.DataFile, clock_.today());
    sortByExpiry();
    colourByExpiry();
}
