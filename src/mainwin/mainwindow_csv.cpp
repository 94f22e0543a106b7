// The CSV commands: the register to and from spreadsheet programs.
#include "mainwin/mainwindow.h"

#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/datafile.h"

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
    const int before = store.Count();
    const int count = int(imported.records.size());
    const auto tell = [this](const QString& text) {
        prompter_.message({text, title(), Prompter::Buttons::Ok, Prompter::Icon::None}, this);
    };
    if (count == 0) {
        tell(QStringLiteral("取り込むデータがありません。"));
        return;
    }
    // Refused before anything changes, as the merge refuses a file that would not fit.
    if (count > RecordStore::kMaxRecords - before) {
        refuse(QStringLiteral("取り込むと %1 件になり、登録できる %2 件を超えます。\n"
                              "何も取り込んでいません。")
                   .arg(before + count)
                   .arg(RecordStore::kMaxRecords));
        return;
    }
    if (Result extended = store.extend(std::move(imported.records)); !extended) {
        refuse(extended.error);
        return;
    }
    // As the merge of a data file goes on.
    if (!store.DataFile.isEmpty())
        store.BackupPath = datafile::backupPathFor(store.DataFile, clock_.today());
    removeDuplicates();
    colourByExpiry();
    store.Modified = 1;
    const int duplicates = before + count - store.Count();
    QString text = QStringLiteral("%1 件を取り込みました。").arg(count);
    if (duplicates > 0)
        text += QStringLiteral("\n重複していた %1 件を除き、登録は %2 件になりました。")
                    .arg(duplicates)
                    .arg(store.Count());
    tell(text);
}
