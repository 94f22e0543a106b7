#pragma once

#include "mainwin/mainwindow.h"
#include "mainwin/recordgridmodel.h"
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "support/samplestation.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

// Records n = 1..count with call signs ＪＡ１ＡＡn and expiries one month apart.
inline std::vector<StationRecord> numbered(int count, QDate first = QDate(2025, 1, 31)) {
    std::vector<StationRecord> records;
    for (int n = 1; n <= count; ++n)
        records.push_back(sampleStation(QStringLiteral("ＪＡ１ＡＡ%1").arg(n),
                                        QStringLiteral("関第%1号").arg(n), first.addMonths(n - 1)));
    return records;
}

// A main window on a temporary program folder, with scripted answers (any unscripted message
// fails the test), today 2024-04-01, and openers that only note that they were called.
class MainWindowTest : public ::testing::Test {
protected:
    TempFolder program;
    TempFolder data;
    AppState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2024, 4, 1)};
    std::vector<std::string> opened;
    int finishedCount = 0;

    void SetUp() override { state.program = ProgramInfo::withFolder(program.path()); }

    QString settingsPath() const { return program.file(QLatin1String(settingsfile::kFileName)); }
    void writeSettings(const SettingsValues& values = {}) {
        ASSERT_TRUE(settingsfile::WriteSettings(settingsPath(), values));
    }
    SettingsValues readBackSettings() const {
        SettingsValues values;
        settingsfile::ReadSettings(settingsPath(), values);
        return values;
    }

    // A data file in the data folder, with a BackUp folder beside it.
    QString writeRegister(const QString& name, const std::vector<StationRecord>& records) {
        QDir(data.path()).mkpath(QStringLiteral("BackUp"));
        const QString path = data.file(name);
        EXPECT_TRUE(datafile::writeFile(path, records));
        return path;
    }
    std::unique_ptr<MainWindow> start() {
        auto note = [this](const char* name) {
            return [this, name](MainWindow&) { opened.push_back(name); };
        };
        auto window = std::make_unique<MainWindow>(state, prompter, clock,
                                                   WindowOpeners{note("new"), note("edit"),
                                                                 note("print"), note("batch"),
                                                                 note("options"), note("about")});
        QObject::connect(window.get(), &MainWindow::finished, [this] { ++finishedCount; });
        return window;
    }
    // Runs a command, choosing file in its file dialog and giving answers to its questions.
    void run(QAction* command, std::optional<QString> file,
             std::initializer_list<Prompter::Answer> answers = {}) {
        prompter.nextFileName(std::move(file));
        for (Prompter::Answer answer : answers)
            prompter.nextAnswer(answer);
        command->trigger();
    }
    // Starts with a settings file naming dataFile (may be empty).
    std::unique_ptr<MainWindow> startWith(const QString& dataFile) {
        SettingsValues values;
        values.DataFile = dataFile;
        writeSettings(values);
        return start();
    }

    // The status line as it reads, without its links.
    static QString statusLine(MainWindow& window) {
        return QTextDocumentFragment::fromHtml(window.renewalStatusLabel->text()).toPlainText();
    }
    static int rows(MainWindow& window) { return window.recordGrid->model()->rowCount(); }
    // The text of data row 1.. in grid column 1..17.
    static QString cell(MainWindow& window, int row, int column) {
        const QAbstractItemModel* model = window.recordGrid->model();
        return model->data(model->index(row - 1, RecordGridModel::modelColumn(column))).toString();
    }
};
